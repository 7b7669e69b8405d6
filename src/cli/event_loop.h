#pragma once
// The event loop of the link commands: the one application object of the process (the watch on how long the
// loop is kept from turning is port/stall_probe.h).
#include <QCoreApplication>
#include <cstdint>
#include <memory>
#include <string>

#include "port/stall_probe.h"

namespace lm::cli {

// The process's application object, made by the first scope and gone with it; Qt's change of the C locale is
// undone. Every Qt object of the link commands lives inside such a scope.
class EventLoopScope {
public:
    EventLoopScope();
    ~EventLoopScope();
    EventLoopScope(const EventLoopScope&) = delete;
    EventLoopScope& operator=(const EventLoopScope&) = delete;

private:
    std::unique_ptr<QCoreApplication> app_;
};

// Milliseconds with one decimal from microseconds ("12.3 ms"), without floating point.
std::string Ms(std::int64_t us);

}  // namespace lm::cli
