#include "scripted_printer.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <utility>

namespace lm {

ScriptedPrinter::ScriptedPrinter(std::string pdfPath)
    : previous_(SetPrintPresenter(this)), pdfPath_(std::move(pdfPath)) {}

ScriptedPrinter::~ScriptedPrinter() { SetPrintPresenter(previous_ == this ? nullptr : previous_); }

bool ScriptedPrinter::ChoosePrinter(QWidget*, QPrinter& printer) {
    ++printed_;
    if (pdfPath_.empty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath_));
    return true;
}

void ScriptedPrinter::ShowPreview(QPrintPreviewDialog& dialog) {
    ++previewed_;
    if (pdfPath_.empty()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath_));
    emit dialog.paintRequested(&printer);
}

}  // namespace lm
