// lm418t-cli new: a new image for a variant and band, saved as a data file.
#include <ostream>
#include <string>

#include "command.h"
#include "core/edit_lock.h"
#include "core/models.h"
#include "core/state.h"
#include "file_command.h"
#include "output_files.h"
#include "session.h"
#include "variant_band.h"

namespace lm::cli {
namespace {

constexpr Option kOptions[] = {
    {"--variant", "UHF|VHF", "the variant of the radio (default UHF; upper or lower case)"},
    {"--band", "NAME",
     "a band the variant is built for, by its exact name such as \"450 - 470MHz\", or the same name without "
     "its spaces (\"450-470MHz\"); default: the variant's default band (UHF \"450 - 470MHz\", VHF \"150 - "
     "174MHz\")"},
    {"--force", "", "replace OUT.dat when it exists (otherwise an existing file is refused)"},
};

class NewCommand : public Command {
public:
    std::string_view Name() const override { return "new"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "OUT.dat"; }
    HelpText Help() const override {
        return {
            .summary = "Make a new image for a variant and band and save it as the data file OUT.dat.",
            .details =
                "A band the variant does not offer is refused with the list of its bands (exit status "
                "2).\n"
                "The new image is empty: no channels, every setting at its default, the write time now.\n"
                "The file is written to a temporary file first and renamed into place, so a failed save "
                "leaves no file behind and an existing file intact.",
        };
    }

    int Run(const ParsedArgs& parsed, std::ostream& out, std::ostream&) override {
        TALL& document = program().document;
        ExpectOperands(parsed, 1, "OUT.dat");
        const std::string& path = parsed.Operands[0];

        const TMacType& variant = ResolveVariant(
            parsed.Value("--variant").value_or(VariantName(*ProductCatalogue().Models.Get(0))));
        const std::string band =
            parsed.Value("--band") ? ResolveBand(variant, *parsed.Value("--band")) : variant.DefaultBand;

        const EditLock lock = LockOrFail(path);
        CheckOutputTarget(path, "the data file", {}, parsed.Has("--force"));

        SelectModel(document, variant.ModelCode, ProductCatalogue().Bands.CodeOf(band), true);
        if (document.ModelTitle != variant.ModelTitle || document.BandName != band)
            throw Failure("the band " + band + " does not select " + variant.ModelTitle);
        NewImage(document);
        SaveOrFail(program().messages, document, path);
        out << path << ": " << document.ModelTitle << ", " << document.BandName << "\n";
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeNewCommand() { return std::make_unique<NewCommand>(); }

}  // namespace lm::cli
