#pragma once
// File > Export Channels... and File > Import Channels...: the channels of the image as a CSV file, in the
// common layout of other programming tools or with the grid's columns, and channels read back from such a
// file as one undo step.
#include <string>

#include "core/document.h"

class QWidget;

namespace lm {

// Asks for a file and a layout (by the save dialog's filter) and writes the channels there; false when
// cancelled, when the file is openFile (the data file that is open), or when it could not be written (the
// file and the system's reason are shown).
bool RunExportChannels(QWidget* parent, const TALL& radio, const std::string& openFile);
// Asks for a CSV file and imports its channels as one step of the document; the report is shown. A refused
// file shows its line and changes nothing. False when cancelled or refused.
bool RunImportChannels(QWidget* parent, TDocument& document);

}  // namespace lm
