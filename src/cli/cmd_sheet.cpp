// lm418t-cli sheet: the channel sheet of a data file, the page the windows print, as PDF and HTML files.
#include <QGuiApplication>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "command.h"
#include "core/file_io.h"
#include "core/printable.h"
#include "file_command.h"
#include "output_files.h"
#include "settings/language.h"
#include "settings/startup.h"
#include "sheet/sheet_document.h"

namespace lm::cli {
namespace {

// The application object that Qt's text layout and fonts need, without a display: the "offscreen" platform
// unless QT_QPA_PLATFORM names another. Qt's change of the C locale is undone.
class GuiScope {
public:
    GuiScope() {
        static int argc = 1;
        static char name[] = "lm418t-cli";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() != nullptr) return;
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        const std::string locale = std::setlocale(LC_ALL, nullptr);
        app_ = std::make_unique<QGuiApplication>(argc, argv);
        std::setlocale(LC_ALL, locale.c_str());
    }

private:
    std::unique_ptr<QGuiApplication> app_;
};

std::string LanguageFileOf(const Preferences& preferences, const std::optional<std::string>& name) {
    if (!name)
        return InstalledLanguageFile(preferences.AppDir, preferences.LanguageName.empty()
                                                             ? kFallbackLanguage
                                                             : preferences.LanguageName);
    if (!IsLanguageName(*name)) throw UsageError("no language named " + *name);
    const std::string path = InstalledLanguageFile(preferences.AppDir, *name);
    if (!std::filesystem::is_regular_file(path))
        throw UsageError("no language file for " + *name + ": " + path);
    return path;
}

void WriteOrFail(const std::string& path, const std::string& bytes, const char* what) {
    const FileOutcome outcome = ReplaceFile(path, bytes);
    if (!outcome.ok) throw Failure(path + ": writing the " + what + " file: " + outcome.reason);
}

constexpr Option kOptions[] = {
    {"--pdf", "OUT.pdf", "an A4 PDF file"},
    {"--html", "OUT.html|-", "a self-contained HTML document; \"-\" writes it to standard output"},
    {"--language", "NAME",
     "the language of the texts (a language file's name: English, Chinese); default the language of the "
     "program's settings"},
    {"--force", "",
     "replace an output file that exists (otherwise it is refused and kept); an output may never be FILE.dat "
     "or the language file"},
};

class SheetCommand : public FileCommand {
public:
    std::string_view Name() const override { return "sheet"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "FILE.dat"; }
    HelpText Help() const override {
        return {
            .summary =
                "Write the channel sheet of a data file, the page File > Print prints, as PDF and/or "
                "HTML.",
            .intro =
                "The sheet has a title with the model, band, data file and today's date, the channel "
                "table with the columns of the channel grid (empty channels marked), the settings of the "
                "Key, Vox, Optional, Scan and DTMF windows and the radio information.",
            .optionsHeading = "Options (at least one of --pdf and --html):",
        };
    }

private:
    void Check(const ParsedArgs& args) override {
        ExpectOperands(args, 1, "FILE.dat");
        pdf_ = args.Value("--pdf");
        html_ = args.Value("--html");
        if (!pdf_ && !html_) throw UsageError("give --pdf OUT.pdf, --html OUT.html or both");
        if ((pdf_ && pdf_->empty()) || (html_ && html_->empty()))
            throw UsageError("an output file name is empty");
        language_ = LanguageFileOf(program().preferences, args.Value("--language"));
        std::vector<NamedFile> inputs{{args.Operands[0], "the data file"}, {language_, "the language file"}};
        if (pdf_) {
            CheckOutputTarget(*pdf_, "the PDF file", inputs, args.Has("--force"));
            inputs.push_back({*pdf_, "the PDF file"});
        }
        if (html_ && *html_ != "-") CheckOutputTarget(*html_, "the HTML file", inputs, args.Has("--force"));
    }

    int Work(const ParsedArgs&, TALL& document, std::ostream& out, std::ostream& err) override {
        std::string problem;
        // The file's name as the title shows it: no control character of the command line in the document.
        const std::string sheet = BuildSheetHtml(document, Printable(Path()), language_, &problem);
        if (!problem.empty()) err << "warning: " << PrintableMessage(problem) << " (English texts used)\n";

        // Both outputs are made before either file is written.
        std::string pdfBytes;
        if (pdf_) {
            GuiScope gui;
            pdfBytes = SheetPdf(sheet);
        }
        if (pdf_) WriteOrFail(*pdf_, pdfBytes, "PDF");
        if (html_ && *html_ == "-") {
            out << sheet;
        } else if (html_) {
            WriteOrFail(*html_, sheet, "HTML");
        }
        return kExitOk;
    }

    std::optional<std::string> pdf_, html_;
    std::string language_;
};

}  // namespace

std::unique_ptr<Command> MakeSheetCommand() { return std::make_unique<SheetCommand>(); }

}  // namespace lm::cli
