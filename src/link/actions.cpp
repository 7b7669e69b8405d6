#include "link/actions.h"

#include <cstdio>

namespace lm::link {

namespace {
template <class... F>
struct Overload : F... {
    using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;
}  // namespace

std::string WithDetail(std::string text, const ShowMessage& message) {
    for (char c : message.detail) text += c == '\r' ? '\n' : c;
    return text;
}

std::string Describe(const Action& action) {
    return std::visit(
        Overload{
            [](const SendBytes& a) {
                std::string s = "send";
                for (std::uint8_t b : a.bytes) {
                    char hex[4];
                    std::snprintf(hex, sizeof hex, " %02x", b);
                    s += hex;
                }
                return s;
            },
            [](const StartTimer& a) { return "start " + std::to_string(a.id) + " " + std::to_string(a.ms); },
            [](const StopTimer& a) { return "stop " + std::to_string(a.id); },
            [](const WaitDrained&) { return std::string("drain"); },
            [](const PurgeBuffers&) { return std::string("purge"); },
            [](const SetProgress& a) {
                return "progress " + std::to_string(a.position) + "/" + std::to_string(a.max);
            },
            [](const ShowMessage& a) { return "message " + a.key; },
            [](const EnableOk& a) { return std::string(a.enabled ? "ok on" : "ok off"); },
            [](const EnablePasswords& a) {
                return std::string(a.enabled ? "passwords on" : "passwords off");
            },
            [](const CloseDialog&) { return std::string("close"); },
            [](const Finished& a) {
                const char* what = a.outcome == Outcome::Completed ? "completed"
                                   : a.outcome == Outcome::Failed  ? "failed"
                                                                   : "cancelled";
                return std::string("finished ") + what + (a.messageKey.empty() ? "" : " " + a.messageKey);
            },
        },
        action);
}

}  // namespace lm::link
