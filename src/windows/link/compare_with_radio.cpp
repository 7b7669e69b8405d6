#include "windows/link/compare_with_radio.h"

#include "core/image_diff.h"
#include "link/write_transfer.h"
#include "widgets/translate.h"
#include "windows/compare/compare_window.h"
#include "windows/link/read_radio_dialog.h"

namespace lm {

bool RunCompareWithRadio(QWidget* parent, const TALL& memory, TransferSession& session,
                         const std::string& port) {
    TALL radio = memory;
    TfReadRadio dialog({radio, session, port}, parent);
    dialog.exec();
    if (!dialog.Succeeded()) return false;
    // What a write would change: the image as a write would leave it, over the bytes a write sends.
    TALL written = memory;
    written.Image = link::ImageAsWritten(memory, radio.Image, LocalTimestampText());
    ShowCompareWindow(parent, DiffImages(written, radio, link::kWriteLastIndex, CurrentLanguageLookup()),
                      CompareWith::Radio);
    return true;
}

}  // namespace lm
