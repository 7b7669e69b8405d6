#pragma once
// The program's state parts as a fresh start leaves them, for each test of the windows.
#include <QString>

namespace guitest {

// Preferences with the program folder appDir, port COM1 and English; a new session key; the built-in
// messages; a new radio of the default model in the document, with no history.
void ResetProgramState(const QString& appDir);

}  // namespace guitest
