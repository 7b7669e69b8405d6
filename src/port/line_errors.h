#pragma once
// Line errors of a serial device on Linux. The kernel counts framing, parity, overrun and break conditions
// per port (TIOCGICOUNT); a rise of any counter since the last look is a line error. Devices whose driver
// keeps no counters (pseudo-terminals, some USB adapters) report none.
#include <cstdint>

namespace lm {

class LineErrorCounter {
public:
    // Takes the current counts of the open descriptor as the base; false when the device has no counters.
    bool Reset(int fd);
    // True when a counter has risen since Reset or the last call; the new counts become the base.
    bool Rose(int fd);

private:
    bool Read(int fd, std::uint64_t& total) const;
    bool supported_ = false;
    std::uint64_t base_ = 0;
};

}  // namespace lm
