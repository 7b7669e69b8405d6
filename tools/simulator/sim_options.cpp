#include "sim_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <csignal>
#include <memory>
#include <thread>

#include "sim_file.h"

namespace lm::sim {
namespace {

bool ToInt(const std::string& text, int base, int lo, int hi, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    return ec == std::errc() && ptr == end && !text.empty() && value >= lo && value <= hi;
}

bool ParseStep(const std::string& text, Faults& faults) {
    static const std::pair<const char*, Step> kSteps[] = {
        {"wake", Step::Wake}, {"ident", Step::Ident}, {"confirm", Step::Confirm}, {"ack", Step::Ack}};
    for (const auto& [name, step] : kSteps)
        if (text == name) {
            faults.silentAt = step;
            return true;
        }
    if (text.rfind("block:", 0) == 0 && ToInt(text.substr(6), 10, 0, 65, faults.silentBlock)) {
        faults.silentAt = Step::Block;
        return true;
    }
    return false;
}

constexpr std::size_t kMostRadios = 16;
std::array<std::atomic<PtyRunner*>, kMostRadios> gRunning{};

extern "C" void StopOnSignal(int) {
    for (auto& slot : gRunning)
        if (PtyRunner* runner = slot.load()) runner->Stop();
}

// SIGUSR1: the radios are taken off the cable, or put back.
extern "C" void ToggleOnSignal(int) {
    for (auto& slot : gRunning)
        if (PtyRunner* runner = slot.load()) runner->ToggleAttached();
}

// One simulated radio and the terminal it is served on.
struct Served {
    Served(const Memory& memory, const SimConfig& config, const std::string& link)
        : radio(memory, config.faults), runner(radio, WithLink(config.runner, link)) {
        if (config.model) radio.SetModelCode(*config.model);
        if (config.band) radio.SetBandCode(static_cast<std::uint8_t>(*config.band));
        if (config.area) radio.SetAreaCode(static_cast<std::uint16_t>(*config.area));
        if (config.password) radio.SetPassword(*config.password);
    }
    static RunnerOptions WithLink(RunnerOptions options, const std::string& link) {
        options.linkPath = link;
        return options;
    }
    Radio radio;
    PtyRunner runner;
    int status = 0;
};

}  // namespace

Memory DefaultRadioMemory() {
    Memory m{};
    m.fill(0xFF);
    const std::uint8_t ident[] = {'P', 'L', 'M', '4', '1', 244, 0, 0, 0x00, 0x00};
    std::copy(ident, ident + sizeof ident, m.begin() + kIdentAddress);
    const auto password = EncodeRadioPassword("", 0x5B);
    std::copy(password.begin(), password.end(), m.begin() + kPasswordAddress);
    return m;
}

const char* SimUsage() {
    return "  --link PATH          also reach the device through this symbolic link (made when missing; an\n"
           "                       existing symbolic link is replaced, any other file refused)\n"
           "  --image FILE.dat     radio memory from a data file (default: a new radio)\n"
           "  --save FILE.dat      save the radio memory after every write to it\n"
           "  --model CODE         model code the radio reports (default from the image)\n"
           "  --band N             band code (decimal)\n"
           "  --area HHHH          area code (four hexadecimal digits)\n"
           "  --password DIGITS    the radio's password\n"
           "  --unpaced            answer at once instead of at 9600 baud\n"
           "  --turnaround MS      time the radio takes before each answer\n"
           "  --silent-at STEP     no answer at wake|ident|confirm|ack|block:N\n"
           "  --wrong-key-echo     identification with a wrong key echo\n"
           "  --wrong-confirm      wrong answer to the confirmation frame\n"
           "  --stray-byte         one stray byte before the wake-up acknowledgement\n"
           "  --short-block N      19-byte answer to block request N\n"
           "  --nak-block N        0x15 instead of 0x06 at block N\n"
           "  --vanish-after N     the device disappears after N blocks\n"
           "  --fragment N         send every answer in pieces of N bytes\n"
           "  --forget-frame N     acknowledge write frame N but keep the old bytes\n"
           "  --verbose            trace the frames on standard error\n"
           "  --detached           the radios start off the cable; SIGUSR1 puts them on the cable and\n"
           "                       takes them off again\n";
}

bool ParseSimArgs(const std::vector<std::string>& args, SimConfig& config, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        auto number = [&](int base, int lo, int hi, int& out) {
            std::string text;
            return value(text) && ToInt(text, base, lo, hi, out);
        };
        std::string text;
        int n = 0;
        bool ok = true;
        if (a == "--link")
            ok = value(text), config.links.push_back(text);
        else if (a == "--image")
            ok = value(config.imagePath);
        else if (a == "--save")
            ok = value(config.runner.savePath);
        else if (a == "--model")
            ok = value(text) && text.size() == 4, config.model = text;
        else if (a == "--band")
            ok = number(10, 0, 255, n), config.band = n;
        else if (a == "--area")
            ok = number(16, 0, 0xFFFF, n), config.area = n;
        else if (a == "--password") {
            ok =
                value(text) && text.size() <= 10 && text.find_first_not_of("0123456789") == std::string::npos;
            config.password = text;
        } else if (a == "--unpaced")
            config.runner.paced = false;
        else if (a == "--turnaround")
            ok = number(10, 0, 10000, config.runner.turnaroundMs);
        else if (a == "--silent-at")
            ok = value(text) && ParseStep(text, config.faults);
        else if (a == "--wrong-key-echo")
            config.faults.wrongKeyEcho = true;
        else if (a == "--wrong-confirm")
            config.faults.wrongConfirm = true;
        else if (a == "--stray-byte")
            config.faults.strayByte = true;
        else if (a == "--short-block")
            ok = number(10, 0, 65, config.faults.shortBlock);
        else if (a == "--nak-block")
            ok = number(10, 0, 65, config.faults.nakBlock);
        else if (a == "--vanish-after")
            ok = number(10, 0, 65, config.faults.vanishAfter);
        else if (a == "--fragment")
            ok = number(10, 1, 64, config.faults.fragmentBytes);
        else if (a == "--forget-frame")
            ok = number(10, 0, 57, config.faults.forgetFrame);
        else if (a == "--verbose")
            config.runner.verbose = true;
        else if (a == "--detached")
            config.detached = true;
        else {
            error = "unknown option: " + a;
            return false;
        }
        if (!ok) {
            error = "bad value for " + a;
            return false;
        }
    }
    if (config.links.size() > 1 && !config.runner.savePath.empty()) {
        error = "--save serves one radio: give one --link with it";
        return false;
    }
    return true;
}

int RunSimulator(const SimConfig& config, const Memory& defaultMemory, std::ostream& out, std::ostream& err) {
    Memory memory = defaultMemory;
    std::string error;
    if (!config.imagePath.empty() && !LoadMemory(config.imagePath, memory, error)) {
        err << error << '\n';
        return 1;
    }
    if (config.links.size() > kMostRadios) {
        err << "at most " << kMostRadios << " radios\n";
        return 1;
    }
    std::vector<std::unique_ptr<Served>> served;
    for (const std::string& link : config.links.empty() ? std::vector<std::string>{""} : config.links) {
        served.push_back(std::make_unique<Served>(memory, config, link));
        if (!served.back()->runner.Open(error)) {
            err << error << '\n';
            return 1;
        }
        out << served.back()->runner.DevicePath() << '\n';
    }
    out << std::flush;
    for (std::size_t i = 0; i < served.size(); ++i) gRunning[i] = &served[i]->runner;
    std::signal(SIGINT, StopOnSignal);
    std::signal(SIGTERM, StopOnSignal);
    std::signal(SIGUSR1, ToggleOnSignal);
    if (config.detached)
        for (auto& s : served) s->runner.SetAttached(false);
    std::vector<std::thread> threads;
    for (auto& s : served) threads.emplace_back([&s] { s->status = s->runner.Run(); });
    for (std::thread& t : threads) t.join();
    for (auto& slot : gRunning) slot = nullptr;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGUSR1, SIG_DFL);
    int status = 0;
    for (const auto& s : served) {
        if (s->radio.Vanished())
            err << "The simulated radio " << s->runner.DevicePath() << " has been unplugged.\n";
        status = std::max(status, s->status);
    }
    return status;
}

}  // namespace lm::sim
