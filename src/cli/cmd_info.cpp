// lm418t-cli info: what identifies the radio of a data file, as the radio information window shows it.
#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "args.h"
#include "command.h"
#include "core/state.h"
#include "link/area_table.h"
#include "session.h"
#include "globals/globals.h"

namespace lm::cli {
namespace {

constexpr int kSerialBytes = 16;

// The serial number bytes as text: printable characters (33..126) only; blanks, control codes, 0xFF and the
// upper half are skipped.
std::string SerialNumberText(const ImageBytes& image) {
    std::string text;
    for (int i = 0; i < kSerialBytes; ++i) {
        const std::uint8_t b = image[img::kSerialText + i];
        if (b >= 33 && b <= 126) text += static_cast<char>(b);
    }
    return text;
}

class InfoCommand : public Command {
public:
    std::string_view Name() const override { return "info"; }
    std::string_view Synopsis() const override { return "FILE.dat"; }
    std::string_view Summary() const override {
        return "Show the model, band, serial number, area and time stamps of a data file.";
    }
    std::string_view Details() const override {
        return "Prints one \"Label: value\" line for each field of the radio information window:\n"
               "  Model Type          the variant, e.g. LM-418T(UHF)\n"
               "  Frequency[MHz]      the band, e.g. 450 - 470MHz\n"
               "  Serial Number       the printable characters of the radio's serial number (empty if none)\n"
               "  Area Code           the four-character area code stored in the image (FFFF if none)\n"
               "  Area                its place name (\"Unknown Area\" for FFFF)\n"
               "  Write Time          the time of the last write or of New, yyyy-MM-dd HH:mm:ss\n"
               "  Leave Factory Time  the factory time stamp (empty if none)\n"
               "Data files saved by this program hold no area code (FFFF).\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream&) override {
        const ParsedArgs parsed = ParseArgs(args, {});
        ExpectOperands(parsed, 1, "FILE.dat");
        LoadOrFail(gAll, parsed.Operands[0]);

        const ImageBytes& image = gAll.Image;
        const std::string areaCode =
            AreaCodeText(image[img::kAreaCodeFirst], image[img::kAreaCodeFirst + 1]);
        const std::vector<std::pair<std::string, std::string>> fields = {
            {"Model Type", gAll.ModelTitle},
            {"Frequency[MHz]", gAll.BandName},
            {"Serial Number", SerialNumberText(image)},
            {"Area Code", areaCode},
            {"Area", LookupAreaName(areaCode, gAll.LanguageId > 0)},
            {"Write Time", UnpackTimestamp(image, img::kWriteStamp)},
            {"Leave Factory Time", UnpackTimestamp(image, img::kFactoryStamp)},
        };
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
