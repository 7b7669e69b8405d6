#include "windows/link/compare_with_radio.h"

#include "core/image_diff.h"
#include "globals/globals.h"
#include "link/read_transfer.h"
#include "windows/compare/compare_window.h"
#include "windows/link/read_radio_dialog.h"

namespace lm {

namespace {

// The image indexes a read fills: radio bytes 0 .. 495.
constexpr int kReadLastIndex = link::kReadBlocks * link::kReadBlockBytes;

}  // namespace

bool RunCompareWithRadio(QWidget* parent) {
    TALL radio = gAll;
    TfReadRadio dialog(parent, radio);
    dialog.exec();
    if (!dialog.Succeeded()) return false;
    ShowCompareWindow(parent, DiffImages(gAll, radio, kReadLastIndex), CompareWith::Radio);
    return true;
}

}  // namespace lm
