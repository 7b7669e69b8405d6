// lm418t-cli set: changes settings of the key, VOX, optional, scan and DTMF windows of a data file through
// the windows' encodings and saves it; only the bytes and bits of the named settings change.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "command.h"
#include "core/file_io.h"
#include "core/printable.h"
#include "core/settings_access.h"
#include "core/settings_text.h"
#include "file_command.h"

namespace lm::cli {
namespace {

using Assignment = SettingAssignment;

Assignment ParseWord(const std::string& word) {
    std::string refusal;
    std::optional<Assignment> a = ParseSettingAssignment(word, 0, refusal);
    if (!a) throw UsageError(refusal);
    return *a;
}

// The lines of a settings file the user names: a regular text file of a settings text's size, whose lines
// are all settings.
std::vector<Assignment> ReadSettingsFile(const std::string& path) {
    std::string text;
    if (const FileOutcome read = ReadInputFile(path, InputKind::SettingsText, text); !read.ok)
        throw Failure(path + ": " + read.reason);
    SettingsTextRead read = ReadSettingsText(text);
    if (read.refusal.empty()) return std::move(read.assignments);
    // A file that is no settings text is bad input; a wrong line in one is a wrong setting, as on the command
    // line.
    if (read.foreign) throw Failure(path + ": " + read.refusal);
    throw UsageError(path + ": " + read.refusal);
}

// Why a value was refused, with what the setting takes.
std::string RefusalText(const TALL& document, const Setting& s, SettingRefusal refusal) {
    if (refusal == SettingRefusal::TooLong)
        return "too long, at most " + std::to_string(s.maxDigits) + " characters";
    if (IsCode(s))
        return std::string("a character the field does not take; allowed: ") +
               (s.encoding == SettingEncoding::IdCode ? "0-9" : "0-9 A-D # *");
    std::string text = "not an item; allowed values:";
    for (const std::string& item : OfferedItems(document, s)) text += " \"" + item + "\"";
    return text;
}

constexpr Option kOptions[] = {
    {"--from", "SETTINGS.txt",
     "read KEY=VALUE lines as \"settings\" prints them; blank lines and lines starting with \"#\" are "
     "skipped"},
};

class SetCommand : public FileCommand {
public:
    std::string_view Name() const override { return "set"; }
    std::span<const Option> Options() const override { return kOptions; }
    std::string_view Operands() const override { return "FILE.dat [KEY=VALUE ...]"; }
    HelpText Help() const override {
        return {
            .summary =
                "Change key, VOX, optional, scan and DTMF settings of a data file as their windows do.",
            .intro =
                "Changes the named settings, in the order given (--from first), through the encodings of "
                "their windows and saves the file (area code and password bytes FF); no other byte or "
                "bit changes. Items match without regard to case.\n"
                "  Key Function       long-press-time (0.5 .. 2.5), key1-short, key2-short, key1-long, "
                "key2-long\n"
                "  Vox Function       vox-level (OFF, 1 .. 9), vox-delay (0.5 .. 2.5), "
                "vox-inhibit-on-receive\n"
                "  Optional Function  squelch, tx-time-out (Off, 15 .. 450), battery-save, voice, "
                "chs-wavs, tone, vol-inhibit-tx, incept-alarm, 1750-time, whisper\n"
                "  Scan Information   scan-speed, dropout-delay, priority-channel, scan-mode\n"
                "  DTMF               dtmf-speed, first-digit-time, first-digit-delay, star-hash-tone, "
                "code-space-time, side-tone (Off, On), stun-type, ptt-id, group-code, auto-reset-time, "
                "transpond; codes of 0-9 A-D # *: begin-of-tx, end-of-tx (16), stun-code (10), "
                "autodial-1 .. autodial-8 (10, longer ones are cut with a warning); id-code: up to 10 "
                "digits, completed to three with 0\n"
                "An empty code (begin-of-tx=) clears it. An unknown key, a value that is not an item (the "
                "allowed values are printed) or a code the field does not take is a usage error and "
                "nothing is written.\n"
                "SETTINGS.txt must be a text file of at most 256 KB whose first setting line names a "
                "setting; anything else is refused without being quoted.\n"
                "The file is locked from its load to its save: while another program changes it, the "
                "command waits up to 2 seconds, then fails with \"FILE.dat is being changed by another "
                "program\".",
        };
    }

private:
    void Check(const ParsedArgs& args) override {
        if (args.Operands.empty()) throw UsageError("expected FILE.dat");
        from_ = args.Value("--from");
        if (from_) assignments_ = ReadSettingsFile(*from_);
        for (std::size_t i = 1; i < args.Operands.size(); ++i)
            assignments_.push_back(ParseWord(args.Operands[i]));
        if (assignments_.empty()) throw UsageError("expected KEY=VALUE or --from SETTINGS.txt");
    }
    bool Changes(const ParsedArgs&) const override { return true; }

    int Work(const ParsedArgs&, TALL& document, std::ostream&, std::ostream& err) override {
        std::vector<std::string> warnings;
        for (const Assignment& a : assignments_) {
            const SettingWrite w = WriteSetting(document, a.key, a.value);
            if (!w.Ok())
                throw UsageError((a.line > 0 ? *from_ + ": " + a.Where() : "") + ShownValue(a.text) + ": " +
                                 RefusalText(document, *FindSettingByKey(a.key), w.refusal));
            if (w.cut) warnings.push_back(a.key + " cut to " + w.shown);
        }
        for (const std::string& warning : warnings) err << "warning: " << warning << '\n';
        Save(document);
        return kExitOk;
    }

    std::optional<std::string> from_;
    std::vector<Assignment> assignments_;
};

}  // namespace

std::unique_ptr<Command> MakeSetCommand() { return std::make_unique<SetCommand>(); }

}  // namespace lm::cli
