// lm418t-cli write: a data file over the serial cable into one radio or one radio after another.
#include <array>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <ostream>
#include <string>

#include "args.h"
#include "command.h"
#include "core/state.h"
#include "link/actions.h"
#include "link/handshake.h"
#include "link/write_transfer.h"
#include "link_session.h"
#include "session.h"
#include "globals/globals.h"

namespace lm::cli {
namespace {

constexpr int kWrittenBytes = link::kWriteFrames * link::kWriteFrameBytes;  // radio bytes 0..463

// The backup of the n-th radio of a session: FILE.dat, then FILE-2.dat, FILE-3.dat ...
std::string BackupPath(const std::string& path, int radio) {
    if (radio == 1) return path;
    const std::filesystem::path p(path);
    return (p.parent_path() / (p.stem().string() + "-" + std::to_string(radio) + p.extension().string())).string();
}

// The first radio address whose byte read back differs from the byte written, or -1.
int FirstDifference(const ImageBytes& written, const std::array<std::uint8_t, 512>& readBack) {
    for (int a = 0; a < kWrittenBytes; ++a)
        if (written[1 + a] != readBack[a]) return a;
    return -1;
}

std::string Hex(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

class WriteCommand : public Command {
public:
    std::string_view Name() const override { return "write"; }
    std::string_view Synopsis() const override {
        return "--port DEVICE [--password DIGITS] [--new-password DIGITS] [--backup FILE.dat] [--verify] "
               "[--repeat] [--timing] IN.dat";
    }
    std::string_view Summary() const override {
        return "Write the data file IN.dat into a radio (or one radio after another) through the serial port.";
    }
    std::string_view Details() const override {
        return "Options:\n"
               "  --port DEVICE          the serial port of the programming cable (see 'lm418t-cli ports')\n"
               "  --password DIGITS      the radio's password, if it has one (an empty entry is accepted)\n"
               "  --new-password DIGITS  give the radio this password (0 to 10 digits; empty: none) instead\n"
               "                         of keeping its own\n"
               "  --backup FILE.dat      first read the radio and save its memory as FILE.dat, so that the\n"
               "                         write can be undone (with --repeat: FILE-2.dat, FILE-3.dat ... for\n"
               "                         the next radios)\n"
               "  --verify               after writing, read the radio back and compare radio bytes 0 to 463\n"
               "                         with what was written; the first differing address is reported\n"
               "  --repeat               after each radio, wait for Enter on standard input and write the\n"
               "                         next one; end of input ends the session\n"
               "  --timing               print what each transfer cost on standard error\n"
               "\n"
               "Writes radio bytes 0 to 463 in 58 frames of 8 bytes: the image of IN.dat with the\n"
               "identification of its model and band, the radio's own area code, its own (or the new)\n"
               "password and the time of the write. IN.dat itself is not changed.\n"
               "\"Writing Completed.\" is printed on standard output for each radio. On any failure the\n"
               "transfer's message is printed on standard error and the exit status is 1; a radio whose\n"
               "write failed holds the frames it acknowledged.\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) override {
        const ParsedArgs parsed =
            ParseArgs(args, {{"--port", true}, {"--password", true}, {"--new-password", true}, {"--backup", true},
                             {"--verify", false}, {"--repeat", false}, {"--timing", false}});
        ExpectOperands(parsed, 1, "IN.dat");
        const auto port = parsed.Value("--port");
        if (!port || port->empty()) throw UsageError("missing --port DEVICE (see 'lm418t-cli ports')");
        const std::string password = parsed.Value("--password").value_or("");
        const auto newPassword = parsed.Value("--new-password");
        // Only digits can be stored in the radio: refused before the radio is touched at all.
        if (newPassword && !link::IsEncodablePassword(link::TrimPassword(*newPassword)))
            throw Failure(link::kPwdDigits.text);
        const auto backup = parsed.Value("--backup");
        if (backup) RequireFolderOf(*backup);
        LoadOrFail(gAll, parsed.Operands[0]);

        LinkSession link({*port, parsed.Has("--timing")}, out, err);
        for (int radio = 1;; ++radio) {
            if (backup) {
                TALL original = gAll;
                link.Read(original, password, "Backup");
                SaveOrFail(original, BackupPath(*backup, radio));
                out << "Backup saved as " << BackupPath(*backup, radio) << "\n";
            }
            // Each radio gets the file's image with its own area code, password and time stamp.
            TALL written = gAll;
            const std::string radioPassword =
                link.Write(written, password, newPassword.has_value(), newPassword.value_or(""), "Writing");
            if (parsed.Has("--verify")) Verify(link, written, radioPassword, out);
            link.ClosePort();
            if (!parsed.Has("--repeat")) break;
            err << "Connect the next radio and press Enter (end of input to finish): " << std::flush;
            std::string line;
            if (!std::getline(std::cin, line)) {
                err << "\n";
                break;
            }
        }
        return kExitOk;
    }

private:
    static void Verify(LinkSession& link, const TALL& written, const std::string& radioPassword,
                       std::ostream& out) {
        TALL readState = written;
        std::array<std::uint8_t, 512> readBack{};
        link.Read(readState, radioPassword, "Verifying", &readBack);
        const TALL& keep = written;
        const int a = FirstDifference(keep.Image, readBack);
        if (a >= 0)
            throw Failure("Verify failed: radio byte " + Hex(a, 3) + " reads " + Hex(readBack[a], 2) + ", " +
                          Hex(keep.Image[1 + a], 2) + " was written.");
        out << "Verified: radio bytes 0 to " << kWrittenBytes - 1 << " read back as written.\n";
    }
};

}  // namespace

std::unique_ptr<Command> MakeWriteCommand() { return std::make_unique<WriteCommand>(); }

}  // namespace lm::cli
