#pragma once
// Transfers with a radio for the commands read and write: the event loop, the serial port, the progress
// display on standard error and the messages of the transfers.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "core/state.h"
#include "globals/globals.h"

namespace lm::cli {

struct LinkOptions {
    std::string port;     // device path or port name
    bool timing = false;  // print what each transfer cost on standard error
};

class LinkSession {
public:
    LinkSession(LinkOptions options, std::ostream& out, std::ostream& err);
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // Reads the radio into state as a completed read does and prints "Reading Completed." on out. staging, when
    // given, receives radio bytes 0..511 exactly as they came. Throws Failure with the transfer's message; state
    // is then unchanged.
    void Read(TALL& state, const std::string& password, const std::string& label,
              std::array<std::uint8_t, 512>* staging = nullptr);
    // Writes the image of state (with the radio's area code, password and the time stamp put into it) into the
    // radio and prints "Writing Completed." on out; returns the password the radio has now. Throws Failure with
    // the transfer's message.
    std::string Write(TALL& state, const std::string& password, bool updatePassword, const std::string& newPassword,
                      const std::string& label);
    void ClosePort();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Throws Failure unless the folder that is to receive path exists.
void RequireFolderOf(const std::string& path);

}  // namespace lm::cli
