#include "widgets/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace lm {

namespace {

// The folder of the file last chosen in either dialog; both dialogs start there.
QString gLastFolder;

class QtFileChooser : public FileChooser {
public:
    std::string ChooseOpen(QWidget* parent) override {
        return QFileDialog::getOpenFileName(parent, QString(), gLastFolder, QString::fromLatin1(kDataFileFilter))
            .toStdString();
    }
    std::string ChooseSave(QWidget* parent) override {
        return QFileDialog::getSaveFileName(parent, QString(), gLastFolder, QString::fromLatin1(kDataFileFilter),
                                            nullptr, QFileDialog::DontConfirmOverwrite)
            .toStdString();
    }
};

std::string Remember(std::string path) {
    if (!path.empty()) gLastFolder = QFileInfo(QString::fromStdString(path)).absolutePath();
    return path;
}

QtFileChooser gQtChooser;
FileChooser* gChooser = &gQtChooser;

}  // namespace

FileChooser* SetFileChooser(FileChooser* chooser) {
    FileChooser* previous = gChooser;
    gChooser = chooser != nullptr ? chooser : &gQtChooser;
    return previous;
}

std::string ChooseOpenFile(QWidget* parent) { return Remember(gChooser->ChooseOpen(parent)); }

std::string FileDialogFolder() { return gLastFolder.toStdString(); }

std::string ChooseSaveFile(QWidget* parent) {
    std::string path = gChooser->ChooseSave(parent);
    if (!path.empty() && QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".dat";
    return Remember(path);
}

ScriptedFiles::ScriptedFiles() : previous_(SetFileChooser(this)) {}

ScriptedFiles::~ScriptedFiles() { SetFileChooser(previous_ == this ? nullptr : previous_); }

std::string ScriptedFiles::Next() {
    if (answers_.empty()) return {};
    std::string path = answers_.front();
    answers_.pop_front();
    return path;
}

std::string ScriptedFiles::ChooseOpen(QWidget*) {
    ++opens_;
    return Next();
}

std::string ScriptedFiles::ChooseSave(QWidget*) {
    ++saves_;
    return Next();
}

}  // namespace lm
