// The area table against the reference list in tests/link/data/area_list.txt, and the area lookup.
#include "link/area_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/memory_map.h"
#include "core/state.h"

namespace lm {
namespace {

struct ListRow {
    std::string code, range, english, chinese;
};

std::string Strip(const std::string& s) {
    const auto b = s.find_first_not_of(' ');
    const auto e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

std::vector<std::string> Cut(const std::string& s, const std::string& sep) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(sep, from)) != std::string::npos; from = at + sep.size())
        parts.push_back(s.substr(from, at - from));
    parts.push_back(s.substr(from));
    return parts;
}

std::string Three(int n) {
    char buf[4] = {char('0' + n / 100), char('0' + n / 10 % 10), char('0' + n % 10), 0};
    return buf;
}

// Reads "| row | code | range | English | Chinese |" lines and
// "- Region (rows a–b): code NAME (CHINESE); ..." lines into rows by number.
std::map<int, ListRow> ReadList() {
    std::ifstream in(std::string(LM_SOURCE_DIR) + "/tests/link/data/area_list.txt");
    EXPECT_TRUE(in.good());
    std::map<int, ListRow> rows;
    std::vector<std::string> regionLines;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("| ", 0) == 0) {
            auto f = Cut(line, "|");  // "", row, code, range, English, Chinese, ""
            EXPECT_EQ(f.size(), 7u) << line;
            if (f.size() != 7) continue;
            rows[std::stoi(Strip(f[1]))] = {Strip(f[2]), Strip(f[3]), Strip(f[4]), Strip(f[5])};
        } else if (line.rfind("- ", 0) == 0) {
            regionLines.push_back(line);
        }
    }
    for (const auto& line : regionLines) {
        const auto open = line.find(" (rows ");
        const auto colon = line.find("): ");
        const auto dash = line.find("\u2013", open);
        EXPECT_TRUE(open != std::string::npos && colon != std::string::npos && dash < colon) << line;
        if (colon == std::string::npos || dash > colon) continue;
        const std::string region = line.substr(2, open - 2);
        const int first = std::stoi(line.substr(open + 7, dash - open - 7));
        const int last = std::stoi(line.substr(dash + 3, colon - dash - 3));
        int parent = -1;
        for (const auto& [n, r] : rows)
            if (n < 36 && r.english == region && r.range == Three(first) + "-" + Three(last)) parent = n;
        EXPECT_GT(parent, 0) << "no region row for " << region;

        std::string cities = line.substr(colon + 3);
        EXPECT_EQ(cities.back(), '.') << line;
        if (cities.back() == '.') cities.pop_back();
        const auto items = Cut(cities, "; ");
        EXPECT_EQ(static_cast<int>(items.size()), last - first + 1) << region;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const std::string& it = items[i];
            const auto paren = it.find(" (");
            EXPECT_TRUE(paren != std::string::npos && paren > 5 && it.back() == ')') << it;
            if (paren == std::string::npos || paren <= 5) continue;
            const int n = first + static_cast<int>(i);
            EXPECT_EQ(rows.count(n), 0u) << "row " << n << " listed twice";
            rows[n] = {it.substr(0, 4), Three(parent) + "-" + Three(static_cast<int>(i) + 1),
                       it.substr(5, paren - 5), it.substr(paren + 2, it.size() - paren - 3)};
        }
    }
    return rows;
}

TEST(AreaTable, EveryRowMatchesTheReferenceList) {
    const auto list = ReadList();
    ASSERT_EQ(list.size(), static_cast<std::size_t>(kAreaRowCount));
    for (int n = 0; n < kAreaRowCount; ++n) {
        ASSERT_EQ(list.count(n), 1u) << "row " << n << " missing from the list";
        const ListRow& want = list.at(n);
        const TAreaRow got = SplitAreaRow(AreaRowText(n));
        EXPECT_EQ(got.Code, want.code) << "row " << n;
        EXPECT_EQ(got.Range, want.range) << "row " << n;
        EXPECT_EQ(got.English, want.english) << "row " << n;
        EXPECT_EQ(got.Chinese, want.chinese) << "row " << n;
    }
    EXPECT_EQ(AreaRowText(-1), "");
    EXPECT_EQ(AreaRowText(kAreaRowCount), "");
}

TEST(AreaTable, SplitTrimsBlanksAndControlsAndToleratesMissingFields) {
    TAreaRow r = SplitAreaRow(" 0310 |\t003-001 | HAN DAN  |邯郸市 \r\n");
    EXPECT_EQ(r.Code, "0310");
    EXPECT_EQ(r.Range, "003-001");
    EXPECT_EQ(r.English, "HAN DAN");
    EXPECT_EQ(r.Chinese, "邯郸市");

    r = SplitAreaRow("A1|B2|C3|D|4");  // everything after the third bar is the Chinese field
    EXPECT_EQ(r.Chinese, "D|4");

    r = SplitAreaRow("0100|000-000");
    EXPECT_EQ(r.Code, "0100");
    EXPECT_EQ(r.Range, "000-000");
    EXPECT_EQ(r.English, "");
    EXPECT_EQ(r.Chinese, "");
    EXPECT_EQ(SplitAreaRow("").Code, "");
}

TEST(AreaTable, CodeTextIsFourUppercaseHexDigits) {
    EXPECT_EQ(AreaCodeText(0x03, 0x10), "0310");
    EXPECT_EQ(AreaCodeText(0xAB, 0xCD), "ABCD");
    EXPECT_EQ(AreaCodeText(0x0F, 0xF0), "0FF0");
    EXPECT_EQ(AreaCodeText(0xFF, 0xFF), "FFFF");
    EXPECT_EQ(AreaCodeText(0x00, 0x00), "0000");
}

TEST(AreaTable, LookupOfCitiesRegionsAndUserCodes) {
    EXPECT_EQ(LookupAreaName("0310", false), "Hebei - HAN DAN");
    EXPECT_EQ(LookupAreaName("0310", true), "河北省 - 邯郸市");
    EXPECT_EQ(LookupAreaName("0999", false), "Xinjiang - YI LI");
    EXPECT_EQ(LookupAreaName("0029", false), "Shanxi - XI AN");  // the second Shanxi region
    EXPECT_EQ(LookupAreaName("0029", true), "陕西省 - 西安市");
    EXPECT_EQ(LookupAreaName("0100", false), "Beijing");
    EXPECT_EQ(LookupAreaName("0100", true), "北京市");
    EXPECT_EQ(LookupAreaName("A852", false), "HongKong");
    EXPECT_EQ(LookupAreaName("A310", false), "HAN DAN - Hebei");  // a region with cities names its first city
    EXPECT_EQ(LookupAreaName("0000", false), "User-Defined");
    EXPECT_EQ(LookupAreaName("0000", true), "自定义");
    EXPECT_EQ(LookupAreaName("1234", false), "User-Defined - 1234");
    EXPECT_EQ(LookupAreaName("9000", true), "自定义 - 9000");
}

TEST(AreaTable, UnknownAndMalformedCodes) {
    for (const char* code : {"1A34", "123F", "FFFF", "X036", "a310", "0FF0", "0301", "031 "}) {
        EXPECT_EQ(LookupAreaName(code, false), "Unknown Area") << code;
        EXPECT_EQ(LookupAreaName(code, true), "未知区域") << code;
    }
    for (const char* code : {"", "031", "03100", "12345", "FFFFF"})
        EXPECT_EQ(LookupAreaName(code, false), "") << code;
}

TEST(AreaTable, DecodeReadsTheAreaBytesInTheInterfaceLanguage) {
    TALL state;
    state.Image.fill(0x55);
    state.Image[img::kAreaCodeFirst] = 0x03;
    state.Image[img::kAreaCodeFirst + 1] = 0x10;

    DecodeAreaCode(state, 0);
    EXPECT_EQ(state.AreaCode, "0310");
    EXPECT_EQ(state.AreaText, "Hebei - HAN DAN");

    DecodeAreaCode(state, 2);  // any translated interface shows the Chinese names
    EXPECT_EQ(state.AreaText, "河北省 - 邯郸市");

    state.Image[img::kAreaCodeFirst] = 0x12;
    state.Image[img::kAreaCodeFirst + 1] = 0x34;
    DecodeAreaCode(state, 0);
    EXPECT_EQ(state.AreaCode, "1234");
    EXPECT_EQ(state.AreaText, "User-Defined - 1234");

    state.Image[img::kAreaCodeFirst] = 0xFF;
    state.Image[img::kAreaCodeFirst + 1] = 0xFF;
    DecodeAreaCode(state, 1);
    EXPECT_EQ(state.AreaCode, "FFFF");
    EXPECT_EQ(state.AreaText, "未知区域");
}

}  // namespace
}  // namespace lm
