// lm418t-cli info: what identifies the radio of a data file, as the radio information window shows it.
#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "command.h"
#include "core/radio_info.h"
#include "core/state.h"
#include "file_command.h"
#include "link/area_table.h"
#include "session.h"

namespace lm::cli {
namespace {

class InfoCommand : public FileCommand {
public:
    std::string_view Name() const override { return "info"; }
    std::string_view Operands() const override { return "FILE.dat"; }
    HelpText Help() const override {
        return {
            .summary = "Show the model, band, serial number, area and time stamps of a data file.",
            .intro =
                "Prints one \"Label: value\" line for each field of the radio information window:\n"
                "  Model Type          the variant, e.g. LM-418T(UHF)\n"
                "  Frequency[MHz]      the band, e.g. 450 - 470MHz\n"
                "  Serial Number       the printable characters of the radio's serial number (empty if "
                "none)\n"
                "  Area Code           the four-character area code stored in the image (FFFF if none)\n"
                "  Area                its place name (\"Unknown Area\" for FFFF)\n"
                "  Write Time          the time of the last write or of New, yyyy-MM-dd HH:mm:ss\n"
                "  Leave Factory Time  the factory time stamp (empty if none)\n"
                "Data files saved by this program hold no area code (FFFF).",
        };
    }

private:
    void Check(const ParsedArgs& args) override { ExpectOperands(args, 1, "FILE.dat"); }

    int Work(const ParsedArgs&, TALL& document, std::ostream& out, std::ostream&) override {
        // The area as a read decodes it, from the area code in the image; the window's fields, with the code
        // itself before the area.
        const ImageBytes& image = document.Image;
        const std::string areaCode = AreaCodeOf(image);
        document.AreaText = LookupAreaName(areaCode, program().preferences.LanguageId > 0);
        std::vector<std::pair<std::string, std::string>> fields;
        for (const RadioInfoField& f : RadioInfoFields()) {
            if (std::string_view(f.fieldName) == "cxArea") fields.emplace_back("Area Code", areaCode);
            fields.emplace_back(f.label, f.value(document));
        }
        std::size_t width = 0;
        for (const auto& field : fields) width = std::max(width, field.first.size());
        for (const auto& [label, value] : fields) {
            out << label << ':';
            if (!value.empty()) out << std::string(width - label.size() + 1, ' ') << value;
            out << '\n';
        }
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeInfoCommand() { return std::make_unique<InfoCommand>(); }

}  // namespace lm::cli
