#pragma once
// The language the windows are shown in, as the toolkit's message boxes and translation need it: the
// preferences that name it and its message table. The main window hands them over when it is made and keeps
// them current; nothing else sets them.
#include <string>
#include <string_view>

#include "core/state.h"
#include "settings/language.h"

namespace lm {

void UseWindowLanguage(const Preferences& preferences, const TLanguage& messages);
// Built-in defaults until UseWindowLanguage was called.
const Preferences& WindowPreferences();
const TLanguage& WindowMessages();
// The message table's text of key, else fallback (MessageText with the windows' table).
std::string WindowMessageText(std::string_view key, std::string_view fallback);

}  // namespace lm
