#pragma once
// Program > Compare With Radio: reads the radio into an image of its own and shows what a write of the image
// in memory would change.
#include <string>

#include "core/state.h"

class QWidget;

namespace lm {

// Reads the radio with the read dialog into a copy of the program's state (the image in memory, its undo
// history and its file stay as they are) and shows the compare window: the image as a write would leave it
// (link::ImageAsWritten) against the radio, over the bytes a write sends. True when a read completed and the
// window was shown.
bool RunCompareWithRadio(QWidget* parent, const TALL& memory, TransferSession& session,
                         const std::string& port);

}  // namespace lm
