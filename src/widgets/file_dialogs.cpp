#include "widgets/file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace lm {

namespace {

// The folder of the file last chosen in either dialog; both dialogs start there.
QString gLastFolder;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Joined(const FileFilters& filters) {
    QStringList list;
    for (const std::string& filter : filters.filters) list << QString::fromStdString(filter);
    return list.join(QStringLiteral(";;"));
}

// The index of the filter picked; 0 when it is none of them.
int IndexOf(const FileFilters& filters, const QString& picked) {
    for (std::size_t i = 0; i < filters.filters.size(); ++i)
        if (QString::fromStdString(filters.filters[i]) == picked) return static_cast<int>(i);
    return 0;
}

class QtFileChooser : public FileChooser {
public:
    std::string ChooseOpen(QWidget* parent, FileFilters& filters) override {
        QString picked;
        const QString path =
            QFileDialog::getOpenFileName(parent, Q(filters.title), gLastFolder, Joined(filters), &picked);
        filters.chosen = IndexOf(filters, picked);
        return path.toStdString();
    }
    std::string ChooseSave(QWidget* parent, FileFilters& filters) override {
        QString picked;
        const QString path =
            QFileDialog::getSaveFileName(parent, Q(filters.title), gLastFolder, Joined(filters), &picked,
                                         QFileDialog::DontConfirmOverwrite);
        filters.chosen = IndexOf(filters, picked);
        return path.toStdString();
    }
    std::string ChooseFolder(QWidget* parent, const std::string& title) override {
        return QFileDialog::getExistingDirectory(parent, Q(title), gLastFolder).toStdString();
    }
    std::string ChooseOpen(QWidget* parent, const std::string& title) override {
        return QFileDialog::getOpenFileName(parent, Q(title), gLastFolder,
                                            QString::fromLatin1(kDataFileFilter))
            .toStdString();
    }
    std::string ChooseSave(QWidget* parent, const std::string& title) override {
        return QFileDialog::getSaveFileName(parent, Q(title), gLastFolder,
                                            QString::fromLatin1(kDataFileFilter), nullptr,
                                            QFileDialog::DontConfirmOverwrite)
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

std::string ChooseOpenFile(QWidget* parent, const std::string& title) {
    return Remember(gChooser->ChooseOpen(parent, title));
}

std::string ChooseOpenFile(QWidget* parent, FileFilters& filters) {
    return Remember(gChooser->ChooseOpen(parent, filters));
}

std::string ChooseSaveFile(QWidget* parent, FileFilters& filters, const std::string& suffix) {
    std::string path = gChooser->ChooseSave(parent, filters);
    if (!path.empty() && QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += suffix;
    return Remember(path);
}

std::string ChooseFolder(QWidget* parent, const std::string& title) {
    return gChooser->ChooseFolder(parent, title);
}

std::string FileDialogFolder() { return gLastFolder.toStdString(); }

std::string ChooseSaveFile(QWidget* parent, const std::string& title) {
    std::string path = gChooser->ChooseSave(parent, title);
    if (!path.empty() && QFileInfo(QString::fromStdString(path)).suffix().isEmpty()) path += ".dat";
    return Remember(path);
}

}  // namespace lm
