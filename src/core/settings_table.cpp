#include "core/settings_table.h"

#include "core/memory_map.h"
#include "core/state.h"

namespace lm {

namespace {

using W = SettingWindow;
using E = SettingEncoding;
using Items = std::vector<std::string>;

// "first", "first + step", ... count numbers, after the texts in front.
Items Numbers(int first, int step, int count, Items front = {}) {
    for (int i = 0; i < count; ++i) front.push_back(std::to_string(first + i * step));
    return front;
}

const Items kShortPressList = {"Off",     "Monmome",   "H/L Power", "Scan", "Alarm",      "Light",
                               "Whisper", "Scrambler", "Compander", "Vox",  "Electricity"};
const Items kLongPressList = {"Off",   "Monmome", "Transient Monmome", "H/L Power", "Scan", "Alarm",
                              "Light", "Whisper", "Scrambler",         "Compander", "Vox",  "Electricity",
                              "SOS Tx"};
// Only the delays and time-outs that the range check of the image keeps are offered.
const Items kHalfSeconds = {"0.5", "1.0", "1.5", "2.0", "2.5"};
const Items kOffOn = {"Off", "On"};

// A setting whose value is the memory map's field `field`.
Setting At(std::string_view field, Setting s) {
    const MemoryField& f = SettingField(field);
    s.field = field;
    s.byte = f.offset;
    s.shift = f.shift;
    s.width = f.width;
    return s;
}

Setting Item(W w, std::string_view component, std::string_view label, std::string_view key,
             std::string_view field, Items items) {
    return At(field, {w, component, label, key, E::ItemIndex, 0, 0, 8, std::move(items)});
}
Setting Bits(W w, std::string_view component, std::string_view label, std::string_view key,
             std::string_view field, Items items) {
    return At(field, {w, component, label, key, E::BitField, 0, 0, 8, std::move(items)});
}
Setting Rule(W w, std::string_view component, std::string_view label, std::string_view key, E rule,
             std::string_view field, Items items) {
    if (field.empty()) return {w, component, label, key, rule, 0, 0, 8, std::move(items)};
    return At(field, {w, component, label, key, rule, 0, 0, 8, std::move(items)});
}
// A code's digits are the field `field`; its digit count is the field `lengthField` (none for the ID code).
Setting Code(W w, std::string_view component, std::string_view label, std::string_view key, E rule,
             std::string_view field, std::string_view lengthField) {
    Setting s = At(field, {w, component, label, key, rule, 0, 0, 8, {}});
    s.lengthByte = lengthField.empty() ? 0 : SettingField(lengthField).offset;
    s.maxDigits = SettingField(field).max;
    return s;
}
Setting Hidden(Setting s) {
    s.hidden = true;
    return s;
}

constexpr std::string_view kAutodialKeys[img::kAutodialCount] = {"autodial-1", "autodial-2", "autodial-3",
                                                                 "autodial-4", "autodial-5", "autodial-6",
                                                                 "autodial-7", "autodial-8"};
constexpr std::string_view kAutodialCells[img::kAutodialCount] = {
    "gvData.1", "gvData.2", "gvData.3", "gvData.4", "gvData.5", "gvData.6", "gvData.7", "gvData.8"};

struct LabelOf {
    W window;
    std::string_view component, label, group, groupLabel;
};

// The label of each shown control in its window: the windows name their labels from it, and the sheet finds
// the translated texts by it.
constexpr LabelOf kLabels[] = {
    {W::KeyFunction, "cxLongTime", "L7", "", ""},
    {W::KeyFunction, "cxKey1_S", "L1", "Lkey1", "Key - 1"},
    {W::KeyFunction, "cxKey1_L", "L2", "Lkey1", "Key - 1"},
    {W::KeyFunction, "cxKey2_S", "L3", "Lkey2", "Key - 2"},
    {W::KeyFunction, "cxKey2_L", "L4", "Lkey2", "Key - 2"},
    {W::VoxFunction, "cxVox", "L1", "", ""},
    {W::VoxFunction, "cxVoxDely", "L2", "", ""},
    {W::VoxFunction, "cxRxDis", "L3", "", ""},
    {W::OptionalFunction, "cxSQL", "L1", "", ""},
    {W::OptionalFunction, "cxWavs", "L2", "", ""},
    {W::OptionalFunction, "cxTone", "L3", "", ""},
    {W::OptionalFunction, "cxTxInhibit", "L4", "", ""},
    {W::OptionalFunction, "cxWhisper", "L5", "", ""},
    {W::OptionalFunction, "cxTot", "L6", "", ""},
    {W::OptionalFunction, "cxRate", "L7", "", ""},
    {W::OptionalFunction, "cxAlt", "L8", "", ""},
    {W::OptionalFunction, "cxSOS", "L9", "", ""},
    {W::OptionalFunction, "cxWavsChs", "L10", "", ""},
    {W::ScanInformation, "cxScanSpeed", "L1", "", ""},
    {W::ScanInformation, "cxScanDely", "L2", "", ""},
    {W::ScanInformation, "cxPriCh", "L4", "", ""},
    {W::ScanInformation, "cxScanMode", "L3", "", ""},
    {W::ScanInformation, "cxFM_Min", "L6", "", ""},
    {W::ScanInformation, "cxFM_Max", "L6", "", ""},
    {W::Dtmf, "cxSpeed", "L1", "", ""},
    {W::Dtmf, "cxFirstTime", "L2", "", ""},
    {W::Dtmf, "cxFirstDelay", "L3", "", ""},
    {W::Dtmf, "cxefTone", "LB", "", ""},
    {W::Dtmf, "cxDCode", "LC", "", ""},
    {W::Dtmf, "cxSideTone", "cxSideTone", "", ""},
    {W::Dtmf, "cxStunType", "L9", "", ""},
    {W::Dtmf, "cxPttID", "L4", "", ""},
    {W::Dtmf, "cxEnt", "L6", "", ""},
    {W::Dtmf, "cxEnd", "L7", "", ""},
    {W::Dtmf, "cxIDCode", "LE", "", ""},
    {W::Dtmf, "cxGroup", "LF", "", ""},
    {W::Dtmf, "cxReset_T", "LG", "", ""},
    {W::Dtmf, "cxAck", "LH", "", ""},
    {W::Dtmf, "cxStunCode", "LA", "", ""},
};

void AddLabels(std::vector<Setting>& table) {
    for (Setting& s : table) {
        if (s.encoding == E::Autodial) {
            s.labelComponent = "cxAuto";
            continue;
        }
        for (const LabelOf& l : kLabels) {
            if (l.window != s.window || l.component != s.component) continue;
            s.labelComponent = l.label;
            s.groupComponent = l.group;
            s.groupLabel = l.groupLabel;
        }
    }
}

std::vector<Setting> BuildTable() {
    std::vector<Setting> t = {
        Item(W::KeyFunction, "cxLongTime", "Long Press Time[s]", "long-press-time", "LongPressTime",
             kHalfSeconds),
        Rule(W::KeyFunction, "cxKey1_S", "Short Press", "key1-short", E::KeyList, "Key1Short",
             kShortPressList),
        Rule(W::KeyFunction, "cxKey2_S", "Short Press", "key2-short", E::KeyList, "Key2Short",
             kShortPressList),
        Rule(W::KeyFunction, "cxKey1_L", "Long Press", "key1-long", E::KeyList, "Key1Long", kLongPressList),
        Rule(W::KeyFunction, "cxKey2_L", "Long Press", "key2-long", E::KeyList, "Key2Long", kLongPressList),

        Rule(W::VoxFunction, "cxVox", "VOX Gain Level", "vox-level", E::VoxLevel, "VoxLevel",
             Numbers(1, 1, 9, {"OFF"})),
        Item(W::VoxFunction, "cxVoxDely", "VOX Delay Time[s]", "vox-delay", "VoxDelay", kHalfSeconds),
        Bits(W::VoxFunction, "cxRxDis", "Vox Inhibit on Receive", "vox-inhibit-on-receive", "VoxInhibit",
             {"No", "Yes"}),

        Item(W::OptionalFunction, "cxSQL", "Squelch level", "squelch", "Squelch", Numbers(0, 1, 10)),
        Item(W::OptionalFunction, "cxTot", "TX Time Out", "tx-time-out", "TimeOut",
             Numbers(15, 15, 30, {"Off"})),
        Item(W::OptionalFunction, "cxRate", "Battery Save", "battery-save", "BatterySave",
             {"OFF", "1:1", "1:2", "1:3", "1:4"}),
        Rule(W::OptionalFunction, "cxWavs", "Voice", "voice", E::Voice, "Voice", {"Off", "English", "China"}),
        Bits(W::OptionalFunction, "cxWavsChs", "Chs Wavs", "chs-wavs", "ChsWavs", {"Add", "None"}),
        Bits(W::OptionalFunction, "cxTone", "Tone", "tone", "Tone", kOffOn),
        Bits(W::OptionalFunction, "cxTxInhibit", "Vol Inhibit Tx", "vol-inhibit-tx", "VolInhibitTx",
             {"Off", "Low Inhibit", "High Inhibit", "Both"}),
        Bits(W::OptionalFunction, "cxAlt", "Incept Alarm", "incept-alarm", "InceptAlarm", kOffOn),
        Bits(W::OptionalFunction, "cxSOS", "1750 Time[s]", "1750-time", "Sos1750Time",
             [] {
                 Items i = Numbers(1, 1, 15);
                 i.push_back("Durative");
                 return i;
             }()),
        Bits(W::OptionalFunction, "cxWhisper", "Whisper", "whisper", "Whisper", {"On", "Off"}),
        Hidden(Item(W::OptionalFunction, "cxVol", "Vol", "", "Volume", Numbers(0, 1, 16))),
        Hidden(Item(W::OptionalFunction, "cxFMVol", "Fm Vol", "", "FmVolume", Numbers(0, 1, 16))),
        Hidden(
            Rule(W::OptionalFunction, "cxFM", "FM Function", "", E::Unbound, "", {"Interdict", "Turn on"})),

        Item(W::ScanInformation, "cxScanSpeed", "Scan Speed[ms]", "scan-speed", "ScanSpeed",
             Numbers(50, 50, 10)),
        Item(W::ScanInformation, "cxScanDely", "Dropout Delay Time[s]", "dropout-delay", "DropoutDelay",
             Numbers(3, 1, 28)),
        Item(W::ScanInformation, "cxPriCh", "Priority Channel", "priority-channel", "PriorityChannel",
             Numbers(1, 1, 16, {"Off"})),
        Item(W::ScanInformation, "cxScanMode", "Scan Mode", "scan-mode", "ScanMode", {"TE", "SO", "CO"}),
        Hidden(
            Rule(W::ScanInformation, "cxFM_Min", "FM Scan bound[MHz]", "", E::FmBound, "FmLowerBound", {})),
        Hidden(
            Rule(W::ScanInformation, "cxFM_Max", "FM Scan bound[MHz]", "", E::FmBound, "FmUpperBound", {})),

        Item(W::Dtmf, "cxSpeed", "DTMF Speed[digit/s]", "dtmf-speed", "DtmfSpeed", Numbers(4, 1, 12)),
        Item(W::Dtmf, "cxFirstTime", "First Digit Time[ms]", "first-digit-time", "FirstDigitTime",
             Numbers(100, 100, 10, {"0"})),
        Item(W::Dtmf, "cxFirstDelay", "First Digit Delay[ms]", "first-digit-delay", "FirstDigitDelay",
             Numbers(100, 50, 19)),
        Rule(W::Dtmf, "cxefTone", "* and # Tone[ms]", "star-hash-tone", E::StarHashTone, "StarHashTone",
             {"0", "100", "500", "1000"}),
        Rule(W::Dtmf, "cxDCode", "Code Space Time", "code-space-time", E::CodeSpaceTime, "CodeSpaceTime",
             [] {
                 Items i = Numbers(0, 1, 16);
                 for (auto& s : i) s += "s";
                 return i;
             }()),
        Bits(W::Dtmf, "cxSideTone", "DTMF Side Tone", "side-tone", "SideTone", kOffOn),
        Rule(W::Dtmf, "cxStunType", "Stun Type", "stun-type", E::StunType, "StunType",
             {"Tx Inhibit", "Tx/Rx Inhibit"}),
        Item(W::Dtmf, "cxPttID", "PTT ID", "ptt-id", "PttId", {"BOT", "EOT", "BOTH"}),
        Code(W::Dtmf, "cxEnt", "Begin of Tx", "begin-of-tx", E::DigitCode, "BotCode", "BotLength"),
        Code(W::Dtmf, "cxEnd", "End of Tx", "end-of-tx", E::DigitCode, "EotCode", "EotLength"),
        Code(W::Dtmf, "cxIDCode", "ID Code", "id-code", E::IdCode, "IdCode", ""),
        Item(W::Dtmf, "cxGroup", "Group Code", "group-code", "GroupCode",
             {"Off", "A", "B", "C", "D", "#", "*"}),
        Item(W::Dtmf, "cxReset_T", "Auto Reset Time[s]", "auto-reset-time", "AutoResetTime",
             Numbers(1, 1, 15, {"Off"})),
        Item(W::Dtmf, "cxAck", "Transpond", "transpond", "Transpond", {"Off", "Alert", "ID Code"}),
        Code(W::Dtmf, "cxStunCode", "Stun Code", "stun-code", E::DigitCode, "StunCode", "StunLength"),
    };
    for (int m = 0; m < img::kAutodialCount; ++m) {
        t.push_back(Code(W::Dtmf, kAutodialCells[m], "Autodial Memory", kAutodialKeys[m], E::Autodial,
                         kAutodialFields[m], kAutodialLengthFields[m]));
    }
    AddLabels(t);
    return t;
}

}  // namespace

std::span<const Setting> SettingsTable() {
    static const std::vector<Setting> table = BuildTable();
    return table;
}

std::vector<const Setting*> WindowSettings(SettingWindow window) {
    std::vector<const Setting*> list;
    for (const Setting& s : SettingsTable())
        if (s.window == window) list.push_back(&s);
    return list;
}

std::string_view WindowCaption(SettingWindow window) {
    switch (window) {
        case W::KeyFunction:
            return "Key Function";
        case W::VoxFunction:
            return "Vox Function";
        case W::OptionalFunction:
            return "Optional Function";
        case W::ScanInformation:
            return "Scan Information";
        case W::Dtmf:
            return "DTMF";
    }
    return {};
}

const Setting* FindSettingByKey(std::string_view key) {
    if (key.empty()) return nullptr;
    for (const Setting& s : SettingsTable())
        if (s.key == key) return &s;
    return nullptr;
}

const Setting* FindSettingByComponent(SettingWindow window, std::string_view component) {
    for (const Setting& s : SettingsTable())
        if (s.window == window && s.component == component) return &s;
    return nullptr;
}

bool IsCode(const Setting& setting) {
    return setting.encoding == E::DigitCode || setting.encoding == E::IdCode ||
           setting.encoding == E::Autodial;
}

}  // namespace lm
