// lm418t-cli set: changes settings of the key, VOX, optional, scan and DTMF windows of a data file through
// the windows' encodings and saves it; only the bytes and bits of the named settings change.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "command.h"
#include "core/edit_lock.h"
#include "core/file_io.h"
#include "core/printable.h"
#include "core/settings_access.h"
#include "core/settings_text.h"
#include "globals/globals.h"
#include "session.h"

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
std::string RefusalText(const Setting& s, SettingRefusal refusal) {
    if (refusal == SettingRefusal::TooLong)
        return "too long, at most " + std::to_string(s.maxDigits) + " characters";
    if (IsCode(s))
        return std::string("a character the field does not take; allowed: ") +
               (s.encoding == SettingEncoding::IdCode ? "0-9" : "0-9 A-D # *");
    std::string text = "not an item; allowed values:";
    for (const std::string& item : OfferedItems(gAll, s)) text += " \"" + item + "\"";
    return text;
}

class SetCommand : public Command {
public:
    std::string_view Name() const override { return "set"; }
    std::string_view Synopsis() const override {
        return "FILE.dat KEY=VALUE ... | FILE.dat --from SETTINGS.txt";
    }
    std::string_view Summary() const override {
        return "Change key, VOX, optional, scan and DTMF settings of a data file as their windows do.";
    }
    std::string_view Details() const override {
        return "Changes the named settings, in the order given (--from first), through the encodings of "
               "their\n"
               "windows and saves the file (area code and password bytes FF); no other byte or bit changes.\n"
               "--from reads KEY=VALUE lines as \"settings\" prints them; blank lines and lines starting "
               "with\n"
               "\"#\" are skipped. Items match without regard to case.\n"
               "  Key Function       long-press-time (0.5 .. 2.5), key1-short, key2-short, key1-long, "
               "key2-long\n"
               "  Vox Function       vox-level (OFF, 1 .. 9), vox-delay (0.5 .. 2.5), "
               "vox-inhibit-on-receive\n"
               "  Optional Function  squelch, tx-time-out (Off, 15 .. 450), battery-save, voice, chs-wavs, "
               "tone,\n"
               "                     vol-inhibit-tx, incept-alarm, 1750-time, whisper\n"
               "  Scan Information   scan-speed, dropout-delay, priority-channel, scan-mode\n"
               "  DTMF               dtmf-speed, first-digit-time, first-digit-delay, star-hash-tone,\n"
               "                     code-space-time, side-tone (Off, On), stun-type, ptt-id, group-code,\n"
               "                     auto-reset-time, transpond; codes of 0-9 A-D # *: begin-of-tx, "
               "end-of-tx\n"
               "                     (16), stun-code (10), autodial-1 .. autodial-8 (10, longer ones are "
               "cut\n"
               "                     with a warning); id-code: up to 10 digits, completed to three with 0\n"
               "An empty code (begin-of-tx=) clears it. An unknown key, a value that is not an item (the\n"
               "allowed values are printed) or a code the field does not take is a usage error and nothing\n"
               "is written.\n"
               "SETTINGS.txt must be a text file of at most 256 KB whose first setting line names a\n"
               "setting; anything else is refused without being quoted.\n"
               "The file is locked from its load to its save: while another program changes it, the command\n"
               "waits up to 2 seconds, then fails with \"FILE.dat is being changed by another program\".\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream&, std::ostream& err) override {
        const ParsedArgs parsed = ParseArgs(args, {{"--from", true}});
        if (parsed.Operands.empty()) throw UsageError("expected FILE.dat");
        const std::string& path = parsed.Operands[0];
        std::vector<Assignment> assignments;
        const auto from = parsed.Value("--from");
        if (from) assignments = ReadSettingsFile(*from);
        for (std::size_t i = 1; i < parsed.Operands.size(); ++i)
            assignments.push_back(ParseWord(parsed.Operands[i]));
        if (assignments.empty()) throw UsageError("expected KEY=VALUE or --from SETTINGS.txt");

        const EditLock lock = LockOrFail(path);
        LoadOrFail(gAll, path);
        std::vector<std::string> warnings;
        for (const Assignment& a : assignments) {
            const SettingWrite w = WriteSetting(gAll, a.key, a.value);
            if (!w.Ok())
                throw UsageError((a.line > 0 ? *from + ": " + a.Where() : "") + ShownValue(a.text) + ": " +
                                 RefusalText(*FindSettingByKey(a.key), w.refusal));
            if (w.cut) warnings.push_back(a.key + " cut to " + w.shown);
        }
        for (const std::string& warning : warnings) err << "warning: " << warning << '\n';
        SaveOrFail(gAll, path);
        return kExitOk;
    }
};

}  // namespace

std::unique_ptr<Command> MakeSetCommand() { return std::make_unique<SetCommand>(); }

}  // namespace lm::cli
