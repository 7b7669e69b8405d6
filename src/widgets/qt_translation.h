#pragma once
// Qt's own texts (the Yes/No/OK/Cancel buttons, the file dialogs) in the program's language, from the
// translations that come with Qt.
#include <string>

namespace lm {

// The Qt locale of a language of the program ("Chinese" -> "zh_CN"); "" for English and for languages without
// one.
std::string QtLocaleOf(const std::string& languageName);

// Replaces the Qt translation installed before with the one of languageName; false when the language has none
// or Qt's translation for it is not installed (Qt's texts then stay English).
bool InstallQtTranslation(const std::string& languageName);

}  // namespace lm
