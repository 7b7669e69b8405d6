#pragma once
// A print presenter for tests: every dialog is answered by printing to the PDF file given (the preview by
// painting its pages into that file, as the dialog does on screen); an empty path answers Cancel. Installed
// while it lives.
#include <string>

#include "windows/print/print_sheet.h"

namespace lm {

class ScriptedPrinter : public PrintPresenter {
public:
    explicit ScriptedPrinter(std::string pdfPath);
    ~ScriptedPrinter() override;
    ScriptedPrinter(const ScriptedPrinter&) = delete;
    ScriptedPrinter& operator=(const ScriptedPrinter&) = delete;

    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    void ShowPreview(QPrintPreviewDialog& dialog) override;
    int printed() const { return printed_; }
    int previewed() const { return previewed_; }

private:
    PrintPresenter* previous_ = nullptr;
    std::string pdfPath_;
    int printed_ = 0;
    int previewed_ = 0;
};

}  // namespace lm
