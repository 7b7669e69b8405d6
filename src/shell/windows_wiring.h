#pragma once
// The windows of the subsystems, made known to the main window by command tag. Called once by main() (and by
// the test programs) before the main window is created.

namespace lm {

void RegisterWindows();

}  // namespace lm
