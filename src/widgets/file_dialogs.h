#pragma once
// The open and save dialogs for data files (and, with filters of the caller's, for other files), behind a
// seam that tests can answer in advance.
#include <string>
#include <vector>

class QWidget;

namespace lm {

// The single filter of both dialogs, "Data File(*.dat)|*.dat" in the platform's form.
inline constexpr const char* kDataFileFilter = "Data File(*.dat)";

// The filters of a dialog for files other than data files, in Qt's form ("CSV files (*.csv)"); chosen is the
// index of the filter picked (the first one unless the user picks another).
struct FileFilters {
    std::vector<std::string> filters;
    int chosen = 0;
    std::string title;  // the dialog's title: the command it serves ("Import Channels")
};

// Asks the user for a file in a dialog titled with the command it serves; "" when the dialog is cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::string ChooseOpen(QWidget* parent, const std::string& title) = 0;
    // The save dialog does not ask about replacing an existing file; the caller asks.
    virtual std::string ChooseSave(QWidget* parent, const std::string& title) = 0;
    // The same with filters of the caller's; a chooser that knows no filters answers as for a data file.
    virtual std::string ChooseOpen(QWidget* parent, FileFilters& f) { return ChooseOpen(parent, f.title); }
    virtual std::string ChooseSave(QWidget* parent, FileFilters& f) { return ChooseSave(parent, f.title); }
    // A folder that exists; a chooser that knows no folders answers "" (as on Cancel).
    virtual std::string ChooseFolder(QWidget* /*parent*/, const std::string& /*title*/) { return {}; }
};

// Replaces the chooser (nullptr brings back the real dialogs); returns the previous one.
FileChooser* SetFileChooser(FileChooser* chooser);

// The open dialog, titled title; "" on Cancel.
std::string ChooseOpenFile(QWidget* parent, const std::string& title);
// The save dialog, titled title; a name typed without an extension gets ".dat". "" on Cancel.
std::string ChooseSaveFile(QWidget* parent, const std::string& title);
// The dialogs with other filters; a name saved without an extension gets suffix (".csv").
std::string ChooseOpenFile(QWidget* parent, FileFilters& filters);
std::string ChooseSaveFile(QWidget* parent, FileFilters& filters, const std::string& suffix);
// The folder dialog, titled title; "" on Cancel.
std::string ChooseFolder(QWidget* parent, const std::string& title);
// The folder both dialogs start in: that of the file last chosen in either of them ("" before the first).
std::string FileDialogFolder();

}  // namespace lm
