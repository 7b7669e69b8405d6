#include "port/simulated_radio.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <utility>

#include "core/channel.h"
#include "core/models.h"
#include "core/state.h"
#include "link/area_table.h"

namespace lm {
namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;  // 10 bits per byte at 9600 baud

struct PlausibleChannel {
    const char* rx;
    const char* tx;
    const char* rxTone;
    const char* txTone;
    bool narrow;
};

// Channels of a small site: simplex channels, two through a repeater, a few with tones.
constexpr PlausibleChannel kChannels[] = {
    {"460.12500", "460.12500", "67.0", "67.0", false},   {"462.56250", "462.56250", "", "", true},
    {"462.58750", "462.58750", "D023N", "D023N", true},  {"462.61250", "462.61250", "", "", true},
    {"451.02500", "456.02500", "100.0", "100.0", false}, {"453.50000", "458.50000", "131.8", "131.8", false},
    {"464.50000", "464.50000", "", "", false},           {"467.56250", "467.56250", "D754I", "D754I", true},
};

struct RadioSlot {
    std::unique_ptr<sim::Radio> radio;
    bool attached = true;
};

RadioSlot& SlotOf(int number) {
    static std::array<RadioSlot, kSimulatedRadios> radios;
    return radios.at(static_cast<std::size_t>(std::clamp(number, 1, kSimulatedRadios) - 1));
}

bool SameLetters(const std::string& text, const std::string& upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(),
                      [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

int SimulatedRadioNumber(const std::string& portName) {
    for (int n = 1; n <= kSimulatedRadios; ++n)
        if (SameLetters(portName, SimulatedPortName(n))) return n;
    return 0;
}

bool IsSimulatedPort(const std::string& portName) { return SimulatedRadioNumber(portName) > 0; }

std::string SimulatedPortName(int number) {
    return number <= 1 ? std::string(kSimulatedPortName)
                       : kSimulatedPortName + ("-" + std::to_string(number));
}

sim::Memory PlausibleRadioMemory() {
    TALL radio;
    SelectModel(radio, ProductCatalogue().Models.Get(0)->ModelCode, 0, false);
    NewImageAt(radio, "2024-05-02 14:12:05");
    radio.Image[static_cast<std::size_t>(InfoField("IdentTag").offset)] = 'P';
    const MemoryField& model = InfoField("ModelCode");
    for (int i = 0; i < model.bytes; ++i)
        radio.Image[static_cast<std::size_t>(model.offset + i)] = static_cast<std::uint8_t>(
            i < static_cast<int>(radio.ModelCode.size()) ? radio.ModelCode[i] : ' ');
    int n = 1;
    for (const PlausibleChannel& c : kChannels) {
        std::uint8_t* slot = &radio.Image[static_cast<std::size_t>(SlotFirst(n++))];
        std::fill(slot, slot + kSlotBytes, std::uint8_t{0xFF});
        WriteBytes(slot, SlotField(cfRxFreq), FreqTextToBcd(c.rx).data());
        WriteBytes(slot, SlotField(cfTxFreq), FreqTextToBcd(c.tx).data());
        WriteBytes(slot, SlotField(cfRxTone), ToneTextToCode(c.rxTone).data());
        WriteBytes(slot, SlotField(cfTxTone), ToneTextToCode(c.txTone).data());
        // High power, busy lock off, scan add on, compander and scrambler off.
        const std::pair<TChannelField, int> items[] = {
            {cfPower, 2},    {cfBusyLock, 1},  {cfBandwidth, c.narrow ? 1 : 0},
            {cfScanAdd, 0},  {cfCompander, 1}, {cfScrambler, 1},
            {cfEpilogue, 0}, {cfOverTone, 0},
        };
        for (const auto& [field, value] : items) WriteBits(slot, SlotField(field), value);
    }
    std::uint8_t* const image = radio.Image.data();
    const std::string area = SplitAreaRow(AreaRowText(1)).Code;  // Beijing
    const std::array<std::uint8_t, 2> areaCode = {HexByte(area.substr(0, 2)), HexByte(area.substr(2, 2))};
    WriteBytes(image, InfoField("AreaCode"), areaCode.data());
    WriteBytes(image, InfoField("Password"), sim::EncodeRadioPassword("", 0x5B).data());
    const MemoryField& serialField = InfoField("SerialNumber");
    WriteBytes(image, serialField, nullptr);
    const std::string serial = "LM418T-2404A0117";
    std::copy(serial.begin(), serial.end(), radio.Image.begin() + serialField.offset);
    // A time stamp fills the start of its block; the rest of the block stays erased.
    const std::pair<const char*, const char*> stamps[] = {{"WriteStamp", "2024-05-02 14:12:05"},
                                                          {"FactoryStamp", "2024-03-18 09:30:00"}};
    for (const auto& [name, text] : stamps) {
        const int first = InfoField(name).offset;
        std::fill(image + first, image + first + kBlockBytes, std::uint8_t{0xFF});
        PackTimestamp(radio.Image, text, first);
    }

    sim::Memory memory{};
    std::copy(radio.Image.begin() + 1, radio.Image.end(), memory.begin());
    return memory;
}

sim::Radio& SimulatedRadio(int number) {
    auto& radio = SlotOf(number).radio;
    if (!radio) radio = std::make_unique<sim::Radio>(PlausibleRadioMemory(), sim::Faults{});
    return *radio;
}

void ResetSimulatedRadio(const sim::Memory& memory, const sim::Faults& faults, int number) {
    SlotOf(number).radio = std::make_unique<sim::Radio>(memory, faults);
    SlotOf(number).attached = true;
}

void SetSimulatedRadioAttached(int number, bool attached) {
    RadioSlot& slot = SlotOf(number);
    if (attached && !slot.attached && slot.radio) slot.radio->LineQuiet();  // an unfinished frame is lost
    slot.attached = attached;
}

SimulatedLink::SimulatedLink(QObject* parent) : RadioLink(parent) {}

double SimulatedLink::NowMs() {
    // One clock for the process: the radio's own frame timing spans the dialogs.
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

bool SimulatedLink::Open(const std::string& portName, std::string&) {
    number_ = std::max(1, SimulatedRadioNumber(portName));
    SimulatedRadio(number_);
    open_ = true;
    ++session_;
    return true;
}

void SimulatedLink::Close() {
    if (open_) NoteClosed();
    open_ = false;
    ++session_;
}

bool SimulatedLink::Purge() {
    if (!open_) return false;
    ++session_;
    rxFree_ = NowMs();
    return true;
}

void SimulatedLink::At(double dueMs, std::function<void()> call) {
    const int wait = std::max(0, static_cast<int>(std::ceil(dueMs - NowMs())));
    const int session = session_;
    QTimer::singleShot(wait, Qt::PreciseTimer, this, [this, session, call = std::move(call)] {
        if (session == session_ && open_) call();
    });
}

bool SimulatedLink::Write(std::span<const std::uint8_t> bytes) {
    if (!open_) return false;
    txFree_ = std::max(NowMs(), txFree_) + kByteMs * static_cast<double>(bytes.size());
    const double onWire = txFree_;
    sim::Bytes frame(bytes.begin(), bytes.end());
    // The bytes reach the radio once they have been on the wire, whatever a later purge does.
    const int session = session_;
    QTimer::singleShot(std::max(0, static_cast<int>(std::ceil(onWire - NowMs()))), Qt::PreciseTimer, this,
                       [this, session, onWire, frame = std::move(frame)] {
                           if (!open_) return;
                           // Off its cable the radio hears nothing; the bytes still leave the port.
                           const auto answer = SlotOf(number_).attached
                                                   ? SimulatedRadio(number_).Receive(
                                                         frame, static_cast<std::uint64_t>(onWire))
                                                   : std::vector<sim::Bytes>{};
                           if (session == session_) {
                               double ready = onWire;
                               for (const sim::Bytes& piece : answer) {
                                   Deliver(piece, ready);
                                   ready = rxFree_;
                               }
                           }
                           emit drained();
                       });
    return true;
}

void SimulatedLink::Deliver(sim::Bytes bytes, double readyMs) {
    rxFree_ = std::max(readyMs, rxFree_) + kByteMs * static_cast<double>(bytes.size());
    At(rxFree_, [this, bytes = std::move(bytes)] {
        emit received(
            QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    });
}

}  // namespace lm
