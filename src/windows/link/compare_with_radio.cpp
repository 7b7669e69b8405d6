#include "windows/link/compare_with_radio.h"

#include "core/image_diff.h"
#include "globals/globals.h"
#include "link/write_transfer.h"
#include "widgets/translate.h"
#include "windows/compare/compare_window.h"
#include "windows/link/read_radio_dialog.h"

namespace lm {

bool RunCompareWithRadio(QWidget* parent) {
    TALL radio = gAll;
    TfReadRadio dialog(parent, radio);
    dialog.exec();
    if (!dialog.Succeeded()) return false;
    // What a write would change: the image as a write would leave it, over the bytes a write sends.
    TALL written = gAll;
    written.Image = link::ImageAsWritten(gAll, radio.Image, LocalTimestampText());
    ShowCompareWindow(parent, DiffImages(written, radio, link::kWriteLastIndex, CurrentLanguageLookup()),
                      CompareWith::Radio);
    return true;
}

}  // namespace lm
