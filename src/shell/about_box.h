#pragma once
// The About box: the application's icon and nine lines from the language file, the version filled in.
#include <QDialog>

class QLabel;

namespace lm {

class TfFrmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kLines = 9;
    static constexpr int kLineTops[kLines] = {15, 40, 66, 92, 118, 143, 169, 195, 221};
    static constexpr int kLineHeight = 17;
    static constexpr int kWidth = 500;

    // A line of the language file may carry the program's version as this mark ("Version {version}"), so that
    // the version is written in one place, the build, and every language words the line in its own way.
    static constexpr const char* kVersionMark = "{version}";
    static QString WithVersion(QString text);

    explicit TfFrmAbout(QWidget* parent = nullptr);
    QLabel* line(int i) const { return lines_[i]; }  // 0-based

    // The height rule: line 5's bottom plus 55, or the bottom of the last of lines 6 to 9 with text plus 55.
    // A line has text when something other than blanks and control characters is left.
    static int HeightFor(const QLabel* const lines[kLines]);
    // The outer height the rule gives (the window's frame included).
    int outerHeight() const { return outerHeight_; }

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* picture_ = nullptr;
    QLabel* lines_[kLines] = {};
    int outerHeight_ = 0;
};

// Creates the About box, shows it modally and frees it.
void RunAboutBox(QWidget* parent);

}  // namespace lm
