#include "link/job_rules.h"

#include <cstdio>

#include "core/memory_map.h"
#include "link/write_transfer.h"

namespace lm::link {
namespace {

std::string Hex(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

}  // namespace

const char* StepName(JobStep step) {
    switch (step) {
        case JobStep::Backup:
            return "Backup";
        case JobStep::Write:
            return "Writing";
        case JobStep::Verify:
            return "Verifying";
        case JobStep::Read:
            break;
    }
    return "Reading";
}

std::optional<JobStep> FirstStep(bool backup) { return backup ? JobStep::Backup : JobStep::Write; }

std::optional<JobStep> NextStep(JobStep done, bool verify) {
    if (done == JobStep::Backup) return JobStep::Write;
    if (done == JobStep::Write && verify) return JobStep::Verify;
    return std::nullopt;
}

int FirstDifference(const ImageBytes& written, const std::array<std::uint8_t, 512>& readBack) {
    for (int a = 0; a < kWriteLastIndex; ++a)
        if (written[1 + a] != readBack[a]) return a;
    return -1;
}

std::string DifferenceText(const ImageBytes& written, const std::array<std::uint8_t, 512>& readBack,
                           int address) {
    return "Verify failed: radio byte " + Hex(address, 3) + " reads " + Hex(readBack[address], 2) + ", " +
           Hex(written[1 + address], 2) + " was written.";
}

std::vector<Difference> DifferencesFromMaster(const TALL& master,
                                              const std::array<std::uint8_t, 512>& readBack,
                                              const TextLookup& lookup) {
    TALL radio = master;
    std::copy(readBack.begin(), readBack.end(), radio.Image.begin() + 1);
    TALL written = master;
    written.Image = ImageAsWritten(master, radio.Image, "");
    const MemoryField& stamp = InfoField("WriteStamp");  // the radio's own
    WriteBytes(written.Image.data(), stamp, &radio.Image[static_cast<std::size_t>(stamp.offset)]);
    return DiffImages(written, radio, kWriteLastIndex, lookup);
}

std::string InterruptedText(JobStep step, int framesAcknowledged) {
    if (step == JobStep::Read) return "interrupted: read it again";
    if (step == JobStep::Backup || (step == JobStep::Write && framesAcknowledged <= 0))
        return "interrupted before the write: nothing was written";
    if (step == JobStep::Verify) return "interrupted during the verify: write it again";
    return "interrupted at frame " + std::to_string(framesAcknowledged) + ": write it again";
}

std::string IdCodeText(std::uint64_t number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

IdNumbers::IdNumbers(std::uint64_t first, std::uint64_t step) : next_(first), step_(step) {}

std::optional<std::uint64_t> IdNumbers::Take() {
    std::uint64_t number = next_;
    if (!given_back_.empty()) {
        number = *given_back_.begin();
        given_back_.erase(given_back_.begin());
    } else {
        if (next_ > kLargestIdCode) return std::nullopt;
        next_ = step_ > kLargestIdCode - next_ ? kLargestIdCode + 1 : next_ + step_;
    }
    taken_.insert(number);
    return number;
}

void IdNumbers::GiveBack(std::uint64_t number) {
    if (taken_.erase(number) > 0) given_back_.insert(number);
}

}  // namespace lm::link
