#include "pty_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "device_link.h"
#include "sim_file.h"

namespace lm::sim {
namespace {

// One byte on the wire: start bit, 8 data bits, stop bit at 9600 baud.
constexpr std::chrono::nanoseconds kByteTime{10'000'000'000LL / 9600};

std::string Errno(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

}  // namespace

PtyRunner::PtyRunner(Radio& radio, RunnerOptions options) : radio_(radio), options_(std::move(options)) {}

PtyRunner::~PtyRunner() {
    CloseAll();
    if (wakePipe_[0] >= 0) close(wakePipe_[0]);
    if (wakePipe_[1] >= 0) close(wakePipe_[1]);
}

bool PtyRunner::Open(std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = Errno("posix_openpt");
        return false;
    }
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = Errno("grantpt");
        return false;
    }
    const char* name = ptsname(master_);
    if (name == nullptr) {
        error = Errno("ptsname");
        return false;
    }
    devicePath_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        error = Errno(name);
        return false;
    }
    termios tio{};
    if (tcgetattr(slave_, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetispeed(&tio, B9600);
        cfsetospeed(&tio, B9600);
        tio.c_cflag |= CLOCAL | CREAD;
        tcsetattr(slave_, TCSANOW, &tio);
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (pipe(wakePipe_) != 0) {
        error = Errno("pipe");
        return false;
    }
    fcntl(wakePipe_[1], F_SETFL, fcntl(wakePipe_[1], F_GETFL) | O_NONBLOCK);
    if (!options_.linkPath.empty()) {
        if (!PlaceDeviceLink(options_.linkPath, devicePath_, error)) return false;
        linkPath_ = options_.linkPath;
    }
    return true;
}

void PtyRunner::Stop() {
    stop_ = true;
    if (wakePipe_[1] >= 0) {
        const char c = 1;
        [[maybe_unused]] auto n = write(wakePipe_[1], &c, 1);
    }
}

void PtyRunner::CloseAll() {
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
    master_ = slave_ = -1;
    if (!linkPath_.empty()) RemoveDeviceLink(linkPath_, devicePath_);
    linkPath_.clear();
}

void PtyRunner::ReadInput(Clock::time_point now) {
    std::uint8_t buffer[512];
    for (;;) {
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) return;
        for (ssize_t i = 0; i < n; ++i) {
            Clock::time_point due = now;
            if (options_.paced) {
                inFree_ = std::max(inFree_, now) + kByteTime;
                due = inFree_;
            }
            if (!input_.empty() && input_.back().due == due)
                input_.back().bytes.push_back(buffer[i]);
            else
                input_.push_back({due, {buffer[i]}});
        }
    }
}

void PtyRunner::Queue(const std::vector<Bytes>& pieces, Clock::time_point ready) {
    const auto gap = std::chrono::milliseconds(options_.fragmentGapMs);
    Clock::time_point at = std::max(ready + std::chrono::milliseconds(options_.turnaroundMs), outFree_);
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        if (p > 0 && pieces.size() > 1) at += gap;
        if (!options_.paced) {
            output_.push_back({at, pieces[p]});
            continue;
        }
        for (const std::uint8_t b : pieces[p]) {
            at += kByteTime;
            output_.push_back({at, {b}});
        }
    }
    outFree_ = at;
}

void PtyRunner::DeliverDue(Clock::time_point now, bool all) {
    while (!input_.empty() && (all || input_.front().due <= now) && !radio_.Vanished()) {
        const Timed item = std::move(input_.front());
        input_.pop_front();
        if (!attached_) {
            wasDetached_ = true;
            continue;
        }
        if (wasDetached_) {
            wasDetached_ = false;
            radio_.LineQuiet();
        }
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(item.due - start_).count();
        const std::size_t before = radio_.log().size();
        Queue(radio_.Receive(item.bytes, static_cast<std::uint64_t>(ms)), std::max(item.due, now));
        if (options_.verbose)
            for (std::size_t i = before; i < radio_.log().size(); ++i)
                std::fprintf(stderr, "radio: %s\n", radio_.log()[i].c_str());
        if (!SaveIfWritten()) saveFailed_ = true;
    }
}

void PtyRunner::WriteDue(Clock::time_point now) {
    Bytes chunk;
    while (!output_.empty() && output_.front().due <= now) {
        chunk.insert(chunk.end(), output_.front().bytes.begin(), output_.front().bytes.end());
        output_.pop_front();
    }
    std::size_t at = 0;
    while (at < chunk.size()) {
        const ssize_t n = write(master_, chunk.data() + at, chunk.size() - at);
        if (n > 0) {
            at += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // The program does not take the bytes: keep the rest for the next round.
        output_.push_front({now, Bytes(chunk.begin() + static_cast<long>(at), chunk.end())});
        return;
    }
}

bool PtyRunner::SaveIfWritten() {
    if (options_.savePath.empty() || !radio_.TakeWriteSession()) return true;
    std::string error;
    if (SaveMemory(options_.savePath, radio_.memory(), error)) return true;
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
}

int PtyRunner::Run() {
    inFree_ = outFree_ = Clock::now();
    while (!stop_) {
        const auto now = Clock::now();
        DeliverDue(now, false);
        if (radio_.Vanished()) {
            if (options_.verbose) std::fprintf(stderr, "radio: device removed\n");
            CloseAll();
            break;
        }
        WriteDue(now);
        // Wake exactly when the next byte is due (ppoll takes nanoseconds; poll's milliseconds would add up
        // to a millisecond to every answer).
        std::optional<Clock::duration> wait;
        for (const auto* q : {&input_, &output_}) {
            if (q->empty()) continue;
            const auto w = std::max<Clock::duration>(Clock::duration::zero(), q->front().due - now);
            wait = wait ? std::min(*wait, w) : w;
        }
        timespec ts{};
        if (wait) {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(*wait).count();
            ts.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            ts.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        }
        pollfd fds[2] = {{master_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
        if (ppoll(fds, 2, wait ? &ts : nullptr, nullptr) < 0 && errno != EINTR) break;
        if (fds[0].revents & POLLIN) ReadInput(Clock::now());
        // Without a program on the other side the terminal reports a hang-up; wait instead of spinning.
        if ((fds[0].revents & POLLHUP) && !(fds[0].revents & POLLIN)) poll(nullptr, 0, 10);
    }
    if (master_ >= 0) {
        ReadInput(Clock::now());
        DeliverDue(Clock::now(), true);
        WriteDue(Clock::time_point::max());
        radio_.LineQuiet();
    }
    if (!SaveIfWritten()) saveFailed_ = true;
    CloseAll();
    return saveFailed_ ? 1 : 0;
}

}  // namespace lm::sim
