#pragma once
// The tone picker (fToneOption): the CTCSS tones and the DCS codes of both polarities in three tables, one
// shown at a time; a double click on a tone picks it and closes the picker. The channel windows open it from
// their tone boxes; it reads and writes no channel data.
#include <QDialog>
#include <array>
#include <string>

class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;

namespace lm {

class TfToneOption : public QDialog {
    Q_OBJECT

public:
    explicit TfToneOption(QWidget* parent = nullptr);
    // Before the picker is shown: the result cleared, the captions translated, the CTCSS table shown.
    void FormShow();
    // The picked tone ("67.0", "D023N"); empty until one is picked, and after a pick of an empty cell.
    const std::string& Result() const { return result_; }

private:
    void BuildTables();
    void rCTCSSClick(int number);
    void gvDblClick(const QTableWidget* grid, int row, int column);

    QGroupBox* gbSelect_ = nullptr;
    std::array<QRadioButton*, 3> radios_{};  // rCTCSS, rDCSN, rDCSI
    QListWidget* lbSel_ = nullptr;
    QListWidget* lbValue_ = nullptr;
    QGroupBox* gbList_ = nullptr;
    std::array<QTableWidget*, 3> grids_{};  // gvCtcss, gvDcsN, gvDcsI
    std::string result_;
};

// Shows the picker modally over parent. True when a tone was picked; tone then holds it. A pick of an empty
// cell or closing the picker returns false and leaves tone as it was.
bool RunToneOption(QWidget* parent, std::string& tone);

}  // namespace lm
