#pragma once
// The rules of a production job that hold whatever runs it: the steps of a radio's job, its outcome as data,
// the comparison of a read-back with what was written, and the numbering of the radios' DTMF ID codes.
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "core/image_diff.h"
#include "core/state.h"

namespace lm::link {

// backup (read and save the radio's image), write, verify (read back radio bytes 0..463 and compare); a plain
// read is a job of its own.
enum class JobStep { Read, Backup, Write, Verify };
// "Reading", "Backup", "Writing", "Verifying".
const char* StepName(JobStep step);

struct JobOutcome {
    enum class Kind { Pending, Done, Failed, Interrupted };
    Kind kind = Kind::Pending;
    JobStep step = JobStep::Write;  // the step it ended at
    std::string message;       // "Writing Completed.", a failure's message, "interrupted at frame 23 ..."
    std::string messageKey;    // the message table's key when message is a transfer's ("ComError"), else ""
    int firstDifference = -1;  // Verify: the first radio address that reads back otherwise
    bool verified = false;     // the radio read back as written
    bool Done() const { return kind == Kind::Done; }
    bool Ended() const { return kind != Kind::Pending; }
};

// The steps of a write job in order: [Backup], Write, [Verify].
std::optional<JobStep> FirstStep(bool backup);
std::optional<JobStep> NextStep(JobStep done, bool verify);

// The first radio address (0..463) whose byte read back differs from Image[1 + address], or -1.
int FirstDifference(const ImageBytes& written, const std::array<std::uint8_t, 512>& readBack);
// "Verify failed: radio byte 0x123 reads 0x45, 0x67 was written."
std::string DifferenceText(const ImageBytes& written, const std::array<std::uint8_t, 512>& readBack,
                           int address);

// What differs between a radio read back and the master data file, as the diff lists it: against the image
// a write of master would leave in that radio, so the radio's own area code, its password and its write time
// stamp are no differences; radio bytes 0..463 (what a write sends). An empty list: the radio matches.
std::vector<Difference> DifferencesFromMaster(const TALL& master,
                                              const std::array<std::uint8_t, 512>& readBack,
                                              const TextLookup& lookup = NoTranslation);

// What an interrupted job tells the operator: "interrupted at frame 23: write it again" for a write that had
// sent frames, "interrupted before the write: nothing was written" before it.
std::string InterruptedText(JobStep step, int framesAcknowledged);

// The ID code field holds 10 digits.
constexpr std::uint64_t kLargestIdCode = 9'999'999'999ULL;
// The ID code a number is written as: its decimal digits, completed with leading zeros to three, so that 7
// and 700 stay different radios.
std::string IdCodeText(std::uint64_t number);

// The numbers of a run: each radio whose write begins takes the smallest number not yet taken or given back;
// a number whose write failed is given back and goes to the next radio, so the radios written carry an
// unbroken sequence from the first number on. Numbers above kLargestIdCode are never handed out.
class IdNumbers {
public:
    IdNumbers(std::uint64_t first, std::uint64_t step);
    // The number for the next radio; nullopt when the sequence has run past kLargestIdCode.
    std::optional<std::uint64_t> Take();
    // The radio holding number was written: it is kept.
    void Written(std::uint64_t number) { taken_.erase(number); }
    // Its write failed or was interrupted: the number goes to the next radio.
    void GiveBack(std::uint64_t number);

private:
    std::uint64_t next_;
    std::uint64_t step_;
    std::set<std::uint64_t> given_back_;
    std::set<std::uint64_t> taken_;
};

}  // namespace lm::link
