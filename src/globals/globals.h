#pragma once
// The parts of the program's state for one run: its preferences, the transfer session, the message table and
// the document being edited. Only the two programs' entry points and the main window reach them; they hand
// each window and command the parts it needs.
#include "core/document.h"
#include "core/state.h"
#include "settings/language.h"

namespace lm {

extern Preferences gPreferences;
extern TransferSession gSession;
extern TLanguage gLanguage;
// The radio being edited, with its undo history: every edit a window makes goes through gDocument.
extern TALL gAll;
extern TDocument gDocument;

}  // namespace lm
