#include "windows/print/print_sheet.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "settings/ini_file.h"
#include "sheet/sheet_document.h"
#include "widgets/message_box.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"

namespace lm {

namespace {

class QtPrintPresenter : public PrintPresenter {
public:
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    void ShowPreview(QPrintPreviewDialog& dialog) override { dialog.exec(); }
};

QtPrintPresenter gQtPresenter;
PrintPresenter* gPresenter = &gQtPresenter;

// A4 unless the user chooses otherwise; the text layout adds 2 cm margins and the page numbers itself.
void PreparePrinter(QPrinter& printer, const std::string& dataFile) {
    printer.setPageLayout(SheetPageLayout());
    printer.setDocName(QString::fromStdString(dataFile.empty() ? "lm418t" : dataFile));
}

// Paints the sheet; false, after a message naming the printer or file, when the printer refused.
bool PrintOn(QPrinter& printer, const std::string& html) {
    PrintSheet(html, printer);
    if (printer.printerState() != QPrinter::Error) return true;
    const QString where =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    const std::string failed =
        IniRead(LanguageFileFor(WindowPreferences().LanguageName), "fSheet", "PrintFailed", "");
    ShowInformation((failed.empty() ? std::string("Printing failed:") : failed) + " " + where.toStdString());
    return false;
}

}  // namespace

PrintPresenter* SetPrintPresenter(PrintPresenter* presenter) {
    PrintPresenter* previous = gPresenter;
    gPresenter = presenter != nullptr ? presenter : &gQtPresenter;
    return previous;
}

std::string CurrentSheetHtml(const TALL& radio, const std::string& dataFile) {
    return BuildSheetHtml(radio, dataFile, LanguageFileFor(WindowPreferences().LanguageName));
}

std::unique_ptr<QPrintPreviewDialog> MakePrintPreview(QWidget* parent, const std::string& html) {
    auto dialog = std::make_unique<QPrintPreviewDialog>(parent);
    dialog->setObjectName("fPrintPreview");
    dialog->resize(900, 760);  // a whole page readable at once
    QPrinter* printer = dialog->printer();
    PreparePrinter(*printer, {});
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [html](QPrinter* target) { PrintSheet(html, *target); });
    return dialog;
}

bool RunPrintDialog(QWidget* parent, const TALL& radio, const std::string& dataFile) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, dataFile);
    if (!gPresenter->ChoosePrinter(parent, printer)) return false;
    return PrintOn(printer, CurrentSheetHtml(radio, dataFile));
}

bool RunPrintPreviewDialog(QWidget* parent, const TALL& radio, const std::string& dataFile) {
    const std::unique_ptr<QPrintPreviewDialog> dialog =
        MakePrintPreview(parent, CurrentSheetHtml(radio, dataFile));
    dialog->printer()->setDocName(QString::fromStdString(dataFile.empty() ? "lm418t" : dataFile));
    gPresenter->ShowPreview(*dialog);
    return true;
}

}  // namespace lm
