// lm418t-cli set: changes settings of the key, VOX, optional, scan and DTMF windows of a data file through the
// windows' encodings and saves it; only the bytes and bits of the named settings change.
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "args.h"
#include "command.h"
#include "core/settings_access.h"
#include "globals/globals.h"
#include "session.h"

namespace lm::cli {
namespace {

struct Assignment {
    std::string text;  // "vox-delay=1.5", as given
    std::string key;
    std::string value;
};

Assignment ParseAssignment(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) throw UsageError("expected KEY=VALUE: " + text);
    Assignment a{text, text.substr(0, equals), text.substr(equals + 1)};
    if (!FindSettingByKey(a.key)) throw UsageError("unknown setting: " + a.key);
    return a;
}

// The lines of a settings file; blank lines and lines starting with "#" are skipped.
std::vector<Assignment> ReadSettingsFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw Failure(path + ": cannot read the file");
    std::vector<Assignment> list;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        list.push_back(ParseAssignment(line));
    }
    return list;
}

// Why a value was refused, with what the setting takes.
std::string RefusalText(const Setting& s, SettingRefusal refusal) {
    if (refusal == SettingRefusal::TooLong) return "too long, at most " + std::to_string(s.maxDigits) + " characters";
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
    std::string_view Synopsis() const override { return "FILE.dat KEY=VALUE ... | FILE.dat --from SETTINGS.txt"; }
    std::string_view Summary() const override {
        return "Change key, VOX, optional, scan and DTMF settings of a data file as their windows do.";
    }
    std::string_view Details() const override {
        return "Changes the named settings, in the order given (--from first), through the encodings of their\n"
               "windows and saves the file (area code and password bytes FF); no other byte or bit changes.\n"
               "--from reads KEY=VALUE lines as \"settings\" prints them; blank lines and lines starting with\n"
               "\"#\" are skipped. Items match without regard to case.\n"
               "  Key Function       long-press-time (0.5 .. 2.5), key1-short, key2-short, key1-long, key2-long\n"
               "  Vox Function       vox-level (OFF, 1 .. 9), vox-delay (0.5 .. 2.5), vox-inhibit-on-receive\n"
               "  Optional Function  squelch, tx-time-out (Off, 15 .. 450), battery-save, voice, chs-wavs, tone,\n"
               "                     vol-inhibit-tx, incept-alarm, 1750-time, whisper\n"
               "  Scan Information   scan-speed, dropout-delay, priority-channel, scan-mode\n"
               "  DTMF               dtmf-speed, first-digit-time, first-digit-delay, star-hash-tone,\n"
               "                     code-space-time, side-tone (Off, On), stun-type, ptt-id, group-code,\n"
               "                     auto-reset-time, transpond; codes of 0-9 A-D # *: begin-of-tx, end-of-tx\n"
               "                     (16), stun-code (10), autodial-1 .. autodial-8 (10, longer ones are cut\n"
               "                     with a warning); id-code: up to 10 digits, completed to three with 0\n"
               "An empty code (begin-of-tx=) clears it. An unknown key, a value that is not an item (the\n"
               "allowed values are printed) or a code the field does not take is a usage error and nothing\n"
               "is written.\n";
    }

    int Run(const std::vector<std::string>& args, std::ostream&, std::ostream& err) override {
        const ParsedArgs parsed = ParseArgs(args, {{"--from", true}});
        if (parsed.Operands.empty()) throw UsageError("expected FILE.dat");
        const std::string& path = parsed.Operands[0];
        std::vector<Assignment> assignments;
        if (const auto from = parsed.Value("--from")) assignments = ReadSettingsFile(*from);
        for (std::size_t i = 1; i < parsed.Operands.size(); ++i)
            assignments.push_back(ParseAssignment(parsed.Operands[i]));
        if (assignments.empty()) throw UsageError("expected KEY=VALUE or --from SETTINGS.txt");

        LoadOrFail(gAll, path);
        std::vector<std::string> warnings;
        for (const Assignment& a : assignments) {
            const SettingWrite w = WriteSetting(gAll, a.key, a.value);
            if (!w.Ok()) throw UsageError(a.text + ": " + RefusalText(*FindSettingByKey(a.key), w.refusal));
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
