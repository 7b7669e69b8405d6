#pragma once
// The channel sheet of a state as the windows print it and lm418t-cli writes it: the HTML document in a
// language, and its rendering on paged devices (a printer, a PDF file) with Qt's text layout.
#include <QPageLayout>
#include <string>

#include "core/state.h"

class QPagedPaintDevice;

namespace lm {

// The sheet of state's image, with dataFile named in its title ("" for an image never saved), dated today and
// labelled from the language file at languageFilePath. Why a language file that is there could not be read
// goes to problem; the sheet then has the built-in English texts.
std::string BuildSheetHtml(const TALL& state, const std::string& dataFile,
                           const std::string& languageFilePath, std::string* problem = nullptr);

// The sheet's page: A4 across, so that the thirteen columns of the channel table fit without breaking words;
// no margins of its own (the text layout adds 2 cm and the page numbers).
QPageLayout SheetPageLayout();

// Lays the document out on the device's pages and paints it.
void PrintSheet(const std::string& html, QPagedPaintDevice& device);

// The document as a PDF file's bytes, on SheetPageLayout() pages.
std::string SheetPdf(const std::string& html);

}  // namespace lm
