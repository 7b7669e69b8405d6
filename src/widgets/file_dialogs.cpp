#include "widgets/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace lm {

namespace {

class QtFileChooser : public FileChooser {
public:
    std::string ChooseOpen(QWidget* parent) override {
        return QFileDialog::getOpenFileName(parent, QString(), lastDir_, QString::fromLatin1(kDataFileFilter))
            .toStdString();
    }
    std::string ChooseSave(QWidget* parent) override {
        const QString path = QFileDialog::getSaveFileName(parent, QString(), lastDir_,
                                                          QString::fromLatin1(kDataFileFilter), nullptr,
                                                          QFileDialog::DontConfirmOverwrite);
        if (!path.isEmpty()) lastDir_ = QFileInfo(path).absolutePath();
        return path.toStdString();
    }

private:
    QString lastDir_;
};

QtFileChooser gQtChooser;
FileChooser* gChooser = &gQtChooser;

}  // namespace

FileChooser* SetFileChooser(FileChooser* chooser) {
    FileChooser* previous = gChooser;
    gChooser = chooser != nullptr ? chooser : &gQtChooser;
    return previous;
}

std::string ChooseOpenFile(QWidget* parent) { return gChooser->ChooseOpen(parent); }

std::string ChooseSaveFile(QWidget* parent) {
    std::string path = gChooser->ChooseSave(parent);
    if (!path.empty() && QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".dat";
    return path;
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
