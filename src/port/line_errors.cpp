#include "port/line_errors.h"

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace lm {

bool LineErrorCounter::Read(int fd, std::uint64_t& total) const {
#ifdef __linux__
    serial_icounter_struct c{};
    if (fd < 0 || ioctl(fd, TIOCGICOUNT, &c) != 0) return false;
    total = static_cast<std::uint64_t>(c.frame) + c.parity + c.overrun + c.brk + c.buf_overrun;
    return true;
#else
    (void)fd;
    (void)total;
    return false;
#endif
}

bool LineErrorCounter::Reset(int fd) {
    supported_ = Read(fd, base_);
    return supported_;
}

bool LineErrorCounter::Rose(int fd) {
    std::uint64_t now = 0;
    if (!supported_ || !Read(fd, now)) return false;
    const bool rose = now != base_;
    base_ = now;
    return rose;
}

}  // namespace lm
