// Channel lists as people publish them: the common layout's older and reordered headers, lists numbered from
// 0 or longer than the radio, and the rows placed in order from a channel or chosen by number.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/channel_csv.h"
#include "core/channel_table.h"
#include "core_fixture.h"

namespace lm {
namespace {

using Row = std::map<std::string, std::string>;

// A file with these columns, a row per map (a column the map lacks is empty); sep ends each line.
std::string File(const std::vector<std::string>& header, const std::vector<Row>& rows,
                 const std::string& sep = "\r\n") {
    auto line = [&](const std::vector<std::string>& fields) {
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "," : "") + fields[i];
        return text + sep;
    };
    std::string text = line(header);
    for (const Row& row : rows) {
        std::vector<std::string> fields;
        for (const std::string& column : header) fields.push_back(row.count(column) ? row.at(column) : "");
        text += line(fields);
    }
    return text;
}

const std::vector<std::string> k14{"Location", "Name",      "Frequency", "Duplex",   "Offset",
                                   "Tone",     "rToneFreq", "cToneFreq", "DtcsCode", "DtcsPolarity",
                                   "Mode",     "TStep",     "Skip",      "Comment"};

std::vector<std::string> With(std::vector<std::string> header, const std::vector<std::string>& more) {
    header.insert(header.end(), more.begin(), more.end());
    return header;
}

// Three channels that every layout can say: a tone, a DCS code both ways, a repeater with its offset.
const std::vector<Row> kRows{
    {{"Location", "1"}, {"Frequency", "446.006250"}, {"Tone", "Tone"}, {"rToneFreq", "67.0"}, {"Mode", "FM"}},
    {{"Location", "2"},
     {"Frequency", "446.018750"},
     {"Tone", "DTCS"},
     {"DtcsCode", "023"},
     {"DtcsPolarity", "NN"},
     {"Mode", "NFM"},
     {"Skip", "S"}},
    {{"Location", "3"}, {"Frequency", "439.000000"}, {"Duplex", "-"}, {"Offset", "5.000000"}, {"Mode", "FM"}},
};

class ChannelImportTest : public CoreStateTest {
protected:
    std::vector<std::string> Cells(int n) { return ChannelTableRow(state, n).cells; }
};

TEST_F(ChannelImportTest, EveryHeaderOfTheCommonLayoutImportsTheSameChannels) {
    const std::vector<std::string> k18 = With(k14, {"URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"});
    const std::vector<std::string> k21 = CsvHeader(CsvFormat::Common);
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> ignored;
    };
    const std::vector<std::string> reordered{"Mode",     "Frequency", "Skip",   "Tone",   "DtcsCode",
                                             "Location", "rToneFreq", "Offset", "Duplex", "DtcsPolarity"};
    const Case cases[] = {
        {"21 columns", File(k21, kRows), {}},
        {"14 columns", File(k14, kRows), {}},
        {"17 columns", File(With(k14, {"URCALL", "RPT1CALL", "RPT2CALL"}), kRows), {}},
        {"18 columns", File(k18, kRows), {}},
        {"19 columns", File(With(k14, {"Power", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"}), kRows), {}},
        {"reordered", File(reordered, kRows), {}},
        {"an extra column", File(With(k14, {"Bank"}), kRows), {"Bank"}},
        {"a trailing empty column", File(With(k14, {""}), kRows), {}},
        {"a byte-order mark", "\xEF\xBB\xBF" + File(k14, kRows), {}},
        {"LF lines", File(k18, kRows, "\n"), {}},
    };
    TALL reference = state;
    ASSERT_FALSE(ImportChannelsCsv(reference, File(k21, kRows)).Refused());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewImageAt(state, kFixtureStamp);
        const ImportReport report = ImportChannelsCsv(state, c.text);
        ASSERT_FALSE(report.Refused()) << report.Text();
        EXPECT_EQ(report.channels, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(report.ignoredColumns, c.ignored);
        EXPECT_TRUE(report.skipped.empty()) << report.Text();
        EXPECT_EQ(state.Image, reference.Image);
    }
    // What a missing column means: High power, the receive code from DtcsCode, FM.
    EXPECT_EQ(ChannelTableRow(reference, 1).cells[5], "High");
    EXPECT_EQ(ChannelTableRow(reference, 2).cells[3], "D023N");
}

// Where the rows go: by Location (numbered from 1 or from 0), in order from a channel, only the rows asked
// for; and what does not fit is reported, not lost.
TEST_F(ChannelImportTest, RowsGoWhereTheirNumberingOrTheChosenPlacementSays) {
    auto list = [](int count, int firstLocation) {
        std::vector<Row> rows;
        for (int i = 0; i < count; ++i) {
            // 446.0062500 MHz, 446.0187500, ... as tenths of a hertz with the point put in
            std::string mhz = std::to_string(4460062500LL + 125000LL * i);
            rows.push_back(
                {{"Location", std::to_string(firstLocation + i)}, {"Frequency", mhz.insert(3, ".")}});
        }
        return rows;
    };
    using Placement = ImportOptions::Placement;
    struct Case {
        const char* name;
        std::string text;
        ImportOptions options;
        std::vector<int> channels;
        std::string numbering;
        std::vector<std::string> skipped;  // the Text() of each skipped row
    };
    const Case cases[] = {
        {"numbered from 1", File(k14, list(3, 1)), {}, {1, 2, 3}, "", {}},
        {"numbered from 0",
         File(k14, list(16, 0)),
         {},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
         "Locations 0\u201315 taken as channels 1\u201316",
         {}},
        {"from 0, longer than the radio",
         File(k14, list(18, 0)),
         {},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
         "Locations 0\u201317 taken as channels 1\u201318",
         {"line 18: no channel 17 on this model (channels 1 to 16)",
          "line 19: no channel 18 on this model (channels 1 to 16)"}},
        {"40 rows in order from channel 14",
         File(k14, list(40, 101)),
         {Placement::InOrder, 14, {}, {}},
         {14, 15, 16},
         "Rows taken in order from channel 14",
         [] {
             std::vector<std::string> rows;
             for (int r = 4; r <= 40; ++r)
                 rows.push_back("line " + std::to_string(r + 1) + ", row " + std::to_string(r) +
                                ": no channel left (the radio has 16)");
             return rows;
         }()},
        {"40 rows, rows 3-4 and 38 in order",
         File(k14, list(40, 101)),
         {Placement::InOrder, 1, {{3, 4}, {38, 38}}, {}},
         {1, 2, 3},
         "Rows taken in order from channel 1",
         {}},
        {"rows 2 and 5 by Location, row 5 left out",
         File(k14, list(8, 1)),
         {Placement::ByLocation, 1, {{2, 2}, {5, 5}}, {5}},
         {2},
         "",
         {}},
        {"blank Locations in order",
         File({"Frequency", "Location"}, {{{"Frequency", "446.1"}}, {{"Frequency", "446.2"}}}),
         {Placement::InOrder, 5, {}, {}},
         {5, 6},
         "Rows taken in order from channel 5",
         {}},
        {"blank Location by Location",
         File({"Frequency", "Location"}, {{{"Frequency", "446.1"}}}),
         {},
         {},
         "",
         {"line 2: no Location"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewImageAt(state, kFixtureStamp);
        const ImportReport report = ImportChannelsCsv(state, c.text, c.options);
        ASSERT_FALSE(report.Refused()) << report.Text();
        EXPECT_EQ(report.channels, c.channels);
        EXPECT_EQ(report.numbering, c.numbering);
        std::vector<std::string> skipped;
        for (const ImportNote& note : report.skipped) skipped.push_back(note.Text());
        EXPECT_EQ(skipped, c.skipped);
    }
    // In order, the first row taken lands on the first channel asked for.
    NewImageAt(state, kFixtureStamp);
    ImportChannelsCsv(state, File(k14, list(40, 101)), {Placement::InOrder, 1, {{38, 40}}, {}});
    EXPECT_EQ(Cells(1)[1], "446.46875");
    EXPECT_EQ(Cells(3)[1], "446.49375");
}

// The preview says, row by row, what an import would do, and changes nothing; a header that names no
// Location can only be placed in order.
TEST_F(ChannelImportTest, PreviewTellsEachRowsChannelWithoutChangingAnything) {
    ImportChannelsCsv(state, File(k14, {kRows[0]}));
    const ImageBytes before = state.Image;
    const std::string text =
        File(k14, {kRows[0], kRows[1], {{"Location", "4"}, {"Frequency", "446.1"}, {"Mode", "AM"}}});
    const ImportPreview preview =
        PreviewChannelsCsv(state, text, {ImportOptions::Placement::ByLocation, 1, {}, {2}});
    EXPECT_EQ(state.Image, before);
    ASSERT_EQ(preview.rows.size(), 3u);
    EXPECT_EQ(preview.rows[0].channel, 1);
    EXPECT_TRUE(preview.rows[0].replaces);
    EXPECT_EQ(preview.rows[0].cells[4], "67.0");
    EXPECT_FALSE(preview.rows[1].chosen);
    EXPECT_EQ(preview.rows[1].channel, 0);
    EXPECT_EQ(preview.rows[2].channel, 0);
    EXPECT_EQ(preview.rows[2].skipped, "Mode \"AM\" is not available on this radio (FM or NFM)");

    const std::string noLocation = File({"Frequency"}, {{{"Frequency", "446.1"}}});
    EXPECT_EQ(ImportChannelsCsv(state, noLocation).Text(),
              "line 1: unknown header row (no Location column: place the rows in order from a channel)");
    EXPECT_EQ(ImportChannelsCsv(state, noLocation, {ImportOptions::Placement::InOrder, 2, {}, {}}).channels,
              std::vector<int>{2});
    std::string reason;
    EXPECT_EQ(ParseRowRanges("1-3, 7,9-9", reason),
              (std::vector<std::pair<int, int>>{{1, 3}, {7, 7}, {9, 9}}));
    for (const char* bad : {"", "0-2", "3-1", "a", "1,,2", "2-"})
        EXPECT_FALSE(ParseRowRanges(bad, reason)) << bad;
}

}  // namespace
}  // namespace lm
