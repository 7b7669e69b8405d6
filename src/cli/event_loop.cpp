#include "event_loop.h"

#include <QCoreApplication>
#include <clocale>

namespace lm::cli {

EventLoopScope::EventLoopScope() {
    static int argc = 1;
    static char name[] = "lm418t-cli";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() != nullptr) return;
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    app_ = std::make_unique<QCoreApplication>(argc, argv);
    std::setlocale(LC_ALL, locale.c_str());
}

EventLoopScope::~EventLoopScope() = default;

std::string Ms(std::int64_t us) {
    return std::to_string(us / 1000) + "." + std::to_string(us % 1000 / 100) + " ms";
}

}  // namespace lm::cli
