#pragma once
// The help command: the help file of the current language opened with the desktop's handler.
#include <string>

#include "core/state.h"

namespace lm {

// Opens a document with the desktop's default application.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual bool Open(const std::string& path) = 0;
};

// Replaces the opener (nullptr brings back the desktop's); returns the previous one.
DocumentOpener* SetDocumentOpener(DocumentOpener* opener);

// HelpName + "_" + LanguageName + ".chm", else the ".html" file of the same name; each looked up beside the
// executable, then in the installed data folder. Without any of them, the ".chm" path beside the executable.
std::string HelpFilePath(const Preferences& preferences);

// Opens HelpFilePath(); the result is not examined.
void OpenHelp(const Preferences& preferences);

}  // namespace lm
