#pragma once
// File > Import Channels: the rows of the chosen file before anything changes. Each row shows the channel it
// goes to (or why it is skipped) and the channel as the radio will store it; rows that replace a channel in
// use are in bold. The user unchecks rows (Space toggles the current one), chooses by Location or in order
// from a channel, and imports (Enter) as one undo step, or cancels and nothing changes.
#include <QDialog>
#include <string>

#include "core/channel_csv.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace lm {

class ImportRowsModel;

class TfImportChannels : public QDialog {
    Q_OBJECT

public:
    // path: shown; text: the file's contents; state: the image the rows would go into.
    TfImportChannels(QWidget* parent, const std::string& path, std::string text, const TALL& state);

    // The choices made: placement, first channel and the rows left out.
    ImportOptions Options() const;
    const ImportPreview& Preview() const;
    // The text of the summary line ("11 rows, 3 replace channels in use ...").
    QString Summary() const;

    QLineEdit* edFile = nullptr;
    QRadioButton* rbByLocation = nullptr;
    QRadioButton* rbInOrder = nullptr;
    QSpinBox* spFirst = nullptr;
    QTableView* gvRows = nullptr;
    QPlainTextEdit* mmSummary = nullptr;  // how many rows go where, the numbering, the ignored columns
    QPushButton* btnImport = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* lTaken = nullptr;     // hidden: "%1 of %2 rows go to channels"
    QLabel* lReplaced = nullptr;  // hidden: "%1 replace channels in use (bold)"
    QLabel* lIgnored = nullptr;   // hidden: "Ignored columns:"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();

    std::string text_;
    const TALL& state_;
    ImportRowsModel* model_ = nullptr;
};

}  // namespace lm
