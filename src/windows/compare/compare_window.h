#pragma once
// The compare window (fCompare): the differences between the image in memory and a data file or a radio, one
// row per difference (item, value in memory, value in the file or radio), with Copy and Close.
#include <QDialog>
#include <string>
#include <vector>

#include "core/image_diff.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace lm {

// What the image in memory is compared with.
enum class CompareWith { File, Radio };

class TfCompare : public QDialog {
    Q_OBJECT

public:
    // fileName names the file (shown in the caption); it is not used when comparing with a radio.
    TfCompare(QWidget* parent, std::vector<Difference> differences, CompareWith with,
              const std::string& fileName = {});

    // The rows as text, one "Item: in memory → in file" line each (what Copy puts on the clipboard); the
    // same-images text when there is no difference.
    QString ListText() const;

private:
    QLabel* AddWord(const char* name, const char* text);
    void Fill(CompareWith with, const std::string& fileName);
    QString Shown(const std::string& text) const;
    void CopyList() const;

    std::vector<Difference> differences_;
    QTableWidget* gvDiff = nullptr;
    QLabel* lSame = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnClose = nullptr;
    // Translatable words the window puts together: hidden, translated as the other captions are.
    QLabel* lMemory = nullptr;
    QLabel* lRadio = nullptr;
    QLabel* lEmpty = nullptr;
    QLabel* lItem = nullptr;
    QLabel* lInMemory = nullptr;
    QLabel* lInFile = nullptr;
    QLabel* lInRadio = nullptr;
};

// Shows the compare window modally over parent.
void ShowCompareWindow(QWidget* parent, const std::vector<Difference>& differences, CompareWith with,
                       const std::string& fileName = {});

// File > Compare With File: asks for a data file, loads it into an image of its own by the data file's rules
// (a file that does not load is reported with the message Open shows) and shows what differs from the image
// in memory, which stays as it is. True when the window was shown.
bool RunCompareWithFile(QWidget* parent, const TALL& radio);

}  // namespace lm
