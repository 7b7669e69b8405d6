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

#include "args.h"
#include "command.h"
#include "core/file_io.h"
#include "core/printable.h"
#include "globals/globals.h"
#include "output_files.h"
#include "session.h"
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

std::string LanguageFileOf(const std::optional<std::string>& name) {
    if (!name)
        return InstalledLanguageFile(gAll.AppDir,
                                     gAll.LanguageName.empty() ? kFallbackLanguage : gAll.LanguageName);
    if (!IsLanguageName(*name)) throw UsageError("no language named " + *name);
    const std::string path = InstalledLanguageFile(gAll.AppDir, *name);
    if (!std::filesystem::is_regular_file(path))
        throw UsageError("no language file for " + *name + ": " + path);
    return path;
}

void WriteOrFail(const std::string& path, const std::string& bytes, const char* what) {
    const FileOutcome outcome = ReplaceFile(path, bytes);
    if (!outcome.ok) throw Failure(path + ": writing the " + what + " file: " + outcome.reason);
}

class SheetCommand : public Command {
public:
    std::string_view Name() const override { return "sheet"; }
    std::string_view Synopsis() const override {
        return "FILE.dat [--pdf OUT.pdf] [--html OUT.html|-] [--language NAME] [--force]";
    }
    std::string_view Summary() const override {
        return "Write the channel sheet of a data file, the page File > Print prints, as PDF and/or HTML.";
    }
    std::string_view Details() const override {
        return "The sheet has a title with the model, band, data file and today's date, the channel table\n"
               "with the columns of the channel grid (empty channels marked), the settings of the Key, Vox,\n"
               "Optional, Scan and DTMF windows and the radio information.\n"
               "\n"
               "Options (at least one of --pdf and --html):\n"
               "  --pdf OUT.pdf      an A4 PDF file\n"
               "  --html OUT.html    a self-contained HTML document; \"-\" writes it to standard output\n"
               "  --language NAME    the language of the texts (a language file's name: English, Chinese);\n"
               "                     default the language of the program's settings\n"
               "  --force            replace an output file that exists (otherwise it is refused and kept);\n"
               "                     an output may never be FILE.dat or the language file\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override {
        const ParsedArgs parsed =
            ParseArgs(args, {{"--pdf", true}, {"--html", true}, {"--language", true}, {"--force", false}});
        ExpectOperands(parsed, 1, "FILE.dat");
        const std::optional<std::string> pdf = parsed.Value("--pdf"), html = parsed.Value("--html");
        if (!pdf && !html) throw UsageError("give --pdf OUT.pdf, --html OUT.html or both");
        if ((pdf && pdf->empty()) || (html && html->empty()))
            throw UsageError("an output file name is empty");
        const std::string language = LanguageFileOf(parsed.Value("--language"));
        const std::string& dataFile = parsed.Operands[0];
        std::vector<NamedFile> inputs{{dataFile, "the data file"}, {language, "the language file"}};
        if (pdf) {
            CheckOutputTarget(*pdf, "the PDF file", inputs, parsed.Has("--force"));
            inputs.push_back({*pdf, "the PDF file"});
        }
        if (html && *html != "-") CheckOutputTarget(*html, "the HTML file", inputs, parsed.Has("--force"));

        LoadOrFail(gAll, dataFile);
        std::string problem;
        // The file's name as the title shows it: no control character of the command line in the document.
        const std::string document = BuildSheetHtml(gAll, Printable(dataFile), language, &problem);
        if (!problem.empty()) err << "warning: " << PrintableMessage(problem) << " (English texts used)\n";

        // Both outputs are made before either file is written.
        std::string pdfBytes;
        if (pdf) {
            GuiScope gui;
            pdfBytes = SheetPdf(document);
        }
        if (pdf) WriteOrFail(*pdf, pdfBytes, "PDF");
        if (html && *html == "-") {
            out << document;
        } else if (html) {
            WriteOrFail(*html, document, "HTML");
        }
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeSheetCommand() { return std::make_unique<SheetCommand>(); }

}  // namespace lm::cli
