#include "core/tones.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace lm {

namespace {

bool In(const std::vector<std::string>& set, const std::string& item) {
    return std::find(set.begin(), set.end(), item) != set.end();
}

std::vector<std::string> Without(const std::vector<std::string>& all, const std::vector<std::string>& out) {
    std::vector<std::string> r;
    for (const auto& s : all)
        if (!In(out, s)) r.push_back(s);
    return r;
}

// The tone boxes leave these out of the standard sets.
const std::vector<std::string> kBoxCtcssOut{"159.8", "165.5", "171.3", "177.3", "183.5", "189.9",
                                            "196.6", "199.5", "206.5", "229.1", "254.1"};
const std::vector<std::string> kBoxDcsOut{"036", "053", "122", "145", "212", "225", "246",
                                          "252", "255", "266", "274", "325", "332", "356",
                                          "446", "452", "454", "455", "462", "523", "526"};

std::vector<std::string> BoxCtcss() { return Without(StandardCtcssTones(), kBoxCtcssOut); }
std::vector<std::string> BoxDcs() { return Without(StandardDcsCodes(), kBoxDcsOut); }

}  // namespace

const std::vector<std::string>& StandardCtcssTones() {
    static const std::vector<std::string> k{
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
        "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
        "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
        "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    return k;
}

const std::vector<std::string>& StandardDcsCodes() {
    static const std::vector<std::string> k{
        "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
        "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
        "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
        "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
        "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
        "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
        "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
        "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};
    return k;
}

const std::vector<std::string>& ToneBoxItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> r{"None"};
        for (const auto& t : BoxCtcss()) r.push_back(t);
        const auto dcs = BoxDcs();
        for (const auto& c : dcs) r.push_back("D" + c + "N");
        // The inverted list has D145I in the place of D245I and no D351I.
        for (const auto& c : dcs) {
            if (c == "351") continue;
            r.push_back("D" + (c == "245" ? std::string("145") : c) + "I");
        }
        return r;
    }();
    return items;
}

const std::vector<std::string>& TonePickerEntries() {
    static const std::vector<std::string> entries = [] {
        static const std::array<const char*, 42> kCodes{
            "XZ", "WZ", "XA", "WA", "XB", "WB", "YZ", "YA", "YB", "ZZ", "ZA", "ZB", "1Z", "1A",
            "1B", "2Z", "2A", "2B", "3Z", "3A", "3B", "4Z", "4A", "4B", "5Z", "5A", "5B", "6Z",
            "6A", "6B", "7Z", "7A", "M1", "8Z", "M2", "M3", "M4", "9Z", "M5", "M6", "M7", "0Z"};
        std::vector<std::string> r;
        std::vector<std::string> ctcss = BoxCtcss();
        for (const char* extra : {"206.5", "229.1", "254.1"}) ctcss.push_back(extra);
        std::sort(ctcss.begin(), ctcss.end(), [](const std::string& a, const std::string& b) {
            // plain "dd.d" / "ddd.d" texts: a shorter one is the smaller number
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        for (size_t i = 0; i < ctcss.size(); ++i) {
            char index[3];
            std::snprintf(index, sizeof index, "%02X", static_cast<unsigned>(i + 1));
            r.push_back(std::string(index) + "-" + ctcss[i] + "-" + kCodes[i]);
        }
        r.insert(r.end(), 3, std::string());
        std::vector<std::string> dcs = BoxDcs();
        dcs.push_back("525");
        dcs.push_back("645");
        std::sort(dcs.begin(), dcs.end());
        for (size_t i = 0; i < dcs.size(); ++i) r.push_back(std::to_string(i + 1) + "-D" + dcs[i]);
        r.insert(r.end(), 3, std::string());
        return r;
    }();
    return entries;
}

}  // namespace lm
