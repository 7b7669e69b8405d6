#pragma once
// The program's one state record and message table, for the windows and the single-radio
// commands of lm418t-cli; they pass them to the engine, which never reaches for them.
#include "core/document.h"
#include "core/state.h"
#include "settings/language.h"

namespace lm {

extern TALL gAll;
extern TLanguage gLanguage;
// The image of gAll with its undo history: every edit an editor window makes goes through it.
extern TDocument gDocument;

}  // namespace lm
