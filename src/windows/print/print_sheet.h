#pragma once
// File > Print and File > Print Preview: the channel sheet of the image through Qt's print and preview
// dialogs, so that printing to a PDF file works as with any program. Behind a seam that tests answer without
// a modal dialog.
#include <memory>
#include <string>

#include "core/state.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace lm {

// Shows Qt's dialogs modally.
class PrintPresenter {
public:
    virtual ~PrintPresenter() = default;
    // The print dialog for printer; true when the user chose to print.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Runs the preview dialog.
    virtual void ShowPreview(QPrintPreviewDialog& dialog) = 0;
};

// Replaces the presenter (nullptr brings back the real dialogs); returns the previous one.
PrintPresenter* SetPrintPresenter(PrintPresenter* presenter);

// The sheet of the radio with dataFile ("" for none) in its title, in the language of the windows.
std::string CurrentSheetHtml(const TALL& radio, const std::string& dataFile);

// The preview dialog of a sheet, built and ready to be shown: it paints the sheet whenever it asks.
std::unique_ptr<QPrintPreviewDialog> MakePrintPreview(QWidget* parent, const std::string& html);

// File > Print: the print dialog, then the sheet on the chosen printer. False when cancelled or when printing
// failed (a message says why).
bool RunPrintDialog(QWidget* parent, const TALL& radio, const std::string& dataFile);
// File > Print Preview: the preview dialog of the sheet (its print button prints it).
bool RunPrintPreviewDialog(QWidget* parent, const TALL& radio, const std::string& dataFile);

}  // namespace lm
