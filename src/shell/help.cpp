#include "shell/help.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "core/state.h"
#include "settings/startup.h"

namespace lm {

namespace {

class DesktopOpener : public DocumentOpener {
public:
    bool Open(const std::string& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
};

DesktopOpener gDesktopOpener;
DocumentOpener* gOpener = &gDesktopOpener;

bool IsFile(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); }

}  // namespace

DocumentOpener* SetDocumentOpener(DocumentOpener* opener) {
    DocumentOpener* previous = gOpener;
    gOpener = opener != nullptr ? opener : &gDesktopOpener;
    return previous;
}

std::string HelpFilePath(const Preferences& preferences) {
    const std::string base = preferences.HelpName + "_" + preferences.LanguageName;
    const std::string dataDir = InstalledDataDir(preferences.AppDir);
    for (const char* extension : {".chm", ".html"}) {
        for (const std::string& dir : {preferences.AppDir, dataDir}) {
            if (dir.empty()) continue;
            const std::string path = dir + base + extension;
            if (IsFile(path)) return path;
        }
    }
    return preferences.AppDir + base + ".chm";
}

void OpenHelp(const Preferences& preferences) { gOpener->Open(HelpFilePath(preferences)); }

}  // namespace lm
