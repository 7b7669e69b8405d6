#include "core/channel_csv.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "core/models.h"
#include "core_fixture.h"

namespace lm {
namespace {

using Fields = std::map<std::string, std::string>;
using Cells = std::vector<std::string>;  // RX, TX, QT/DQT Dec, QT/DQT Enc, TX Power, W/N, Scan Add

// A row of the common layout: the neutral values of a simplex FM channel 1 on 460.00625 MHz, with fields
// replaced.
std::vector<std::string> CommonFields(const Fields& changed) {
    Fields f = {{"Location", "1"},      {"Frequency", "460.006250"}, {"Offset", "0.000000"},
                {"rToneFreq", "88.5"},  {"cToneFreq", "88.5"},       {"DtcsCode", "023"},
                {"DtcsPolarity", "NN"}, {"RxDtcsCode", "023"},       {"CrossMode", "Tone->Tone"},
                {"Mode", "FM"},         {"TStep", "6.25"},           {"Power", "High"}};
    for (const auto& [key, value] : changed) f[key] = value;
    std::vector<std::string> row;
    for (const std::string& column : CsvHeader(CsvFormat::Common)) row.push_back(f[column]);
    return row;
}

std::string CommonFile(const std::vector<Fields>& rows) {
    std::string text = CsvLine(CsvHeader(CsvFormat::Common));
    for (const Fields& row : rows) text += CsvLine(CommonFields(row));
    return text;
}

class ChannelCsvTest : public CoreStateTest {
protected:
    void SetChannel(int n, const Cells& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            ASSERT_TRUE(SetFieldText(state, n, static_cast<int>(i), cells[i]).Ok()) << n << " " << cells[i];
    }
    Cells CellsOf(int n) {
        const Cells all = ChannelTableRow(state, n).cells;
        return Cells(all.begin() + 1, all.begin() + 8);
    }
    std::vector<std::uint8_t> Slot(int n) {
        const auto first = state.Image.begin() + ChannelSlotFirst(state, n);
        return {first, first + kSlotBytes};
    }
    void Restart() { NewImageAt(state, kFixtureStamp); }
};

// Each way of saying a channel's transmit frequency and tones, power, mode and scan: written as expected, and
// read back into the same channel.
TEST_F(ChannelCsvTest, CommonLayoutMapsBothWays) {
    struct Case {
        Cells channel;
        Fields row;
    };
    const Case cases[] = {
        {{"460.00625", "460.00625", "None", "None", "High", "Wide", "Yes"}, {}},
        {{"460.00500", "465.00500", "None", "67.0", "Low", "Narrow", "No"},
         {{"Frequency", "460.005000"},
          {"TStep", "5.00"},
          {"Duplex", "+"},
          {"Offset", "5.000000"},
          {"Tone", "Tone"},
          {"rToneFreq", "67.0"},
          {"Mode", "NFM"},
          {"Skip", "S"},
          {"Power", "Low"}}},
        {{"460.00625", "455.00625", "88.5", "88.5", "Mid", "Wide", "Yes"},
         {{"Duplex", "-"}, {"Offset", "5.000000"}, {"Tone", "TSQL"}, {"Power", "Mid"}}},
        {{"460.00625", "", "100.0", "None", "High", "Wide", "Yes"},
         {{"Duplex", "off"}, {"Tone", "Cross"}, {"CrossMode", "->Tone"}, {"cToneFreq", "100.0"}}},
        {{"460.00625", "460.00625", "D023N", "D023N", "High", "Wide", "Yes"}, {{"Tone", "DTCS"}}},
        {{"460.00625", "460.00625", "D754I", "D754I", "High", "Wide", "Yes"},
         {{"Tone", "DTCS"}, {"DtcsCode", "754"}, {"DtcsPolarity", "RR"}}},
        {{"460.00625", "460.00625", "D023I", "D023N", "High", "Wide", "Yes"},
         {{"Tone", "Cross"}, {"CrossMode", "DTCS->DTCS"}, {"DtcsPolarity", "NR"}}},
        {{"460.00625", "460.00625", "71.9", "67.0", "High", "Wide", "Yes"},
         {{"Tone", "Cross"}, {"rToneFreq", "67.0"}, {"cToneFreq", "71.9"}}},
        {{"460.00625", "460.00625", "D114I", "67.0", "High", "Wide", "Yes"},
         {{"Tone", "Cross"},
          {"CrossMode", "Tone->DTCS"},
          {"rToneFreq", "67.0"},
          {"RxDtcsCode", "114"},
          {"DtcsPolarity", "NR"}}},
        {{"460.00625", "460.00625", "88.5", "D051N", "High", "Wide", "Yes"},
         {{"Tone", "Cross"}, {"CrossMode", "DTCS->Tone"}, {"DtcsCode", "051"}}},
        {{"460.00625", "460.00625", "D114N", "None", "High", "Wide", "Yes"},
         {{"Tone", "Cross"}, {"CrossMode", "->DTCS"}, {"RxDtcsCode", "114"}}},
        {{"460.00625", "460.00625", "None", "D051I", "High", "Wide", "Yes"},
         {{"Tone", "Cross"}, {"CrossMode", "DTCS->"}, {"DtcsCode", "051"}, {"DtcsPolarity", "RN"}}},
        {{"460.00625", "460.00625", "D125N", "D051N", "High", "Wide", "Yes"},
         {{"Tone", "Cross"}, {"CrossMode", "DTCS->DTCS"}, {"DtcsCode", "051"}, {"RxDtcsCode", "125"}}},
    };
    for (const Case& c : cases) {
        Restart();
        SetChannel(1, c.channel);
        const std::string text = ExportChannelsCsv(state, CsvFormat::Common);
        EXPECT_EQ(text, CommonFile({c.row})) << c.channel[0] << " " << c.channel[3];

        Restart();
        const ImportReport report = ImportChannelsCsv(state, text);
        EXPECT_EQ(report.Text(), "Imported 1 channel.");
        EXPECT_EQ(CellsOf(1), c.channel) << text;
    }
}

// What the common layout may say beyond what this program writes: read into the channel, told as a
// warning, or the row skipped with its reason.
TEST_F(ChannelCsvTest, CommonLayoutReadsOtherSpellingsAndSkipsWhatTheRadioLacks) {
    struct Case {
        Fields row;
        Cells channel;  // empty: the row is skipped
        std::string note;
    };
    const Cells plain = {"460.00625", "460.00625", "None", "None", "High", "Wide", "Yes"};
    const auto with = [&](std::size_t i, std::string v, std::size_t j = 99, std::string w = {}) {
        Cells cells = plain;
        cells[i] = std::move(v);
        if (j < cells.size()) cells[j] = std::move(w);
        return cells;
    };
    const Case cases[] = {
        {{{"Duplex", "split"}, {"Offset", "455.5"}}, with(1, "455.50000"), ""},
        {{{"Duplex", "SPLIT"}, {"Offset", "455.5"}, {"Mode", "nfm"}, {"Tone", "tsql"}, {"cToneFreq", "100"}},
         {"460.00625", "455.50000", "100.0", "100.0", "High", "Narrow", "Yes"},
         ""},
        {{{"Power", "4W"}}, plain, "power 4W taken as High (5.0 W)"},
        {{{"Power", "0.5W"}}, with(4, "Low"), "power 0.5W taken as Low (1.0 W)"},
        {{{"Power", "2 W"}}, with(4, "Mid"), "power 2 W taken as Mid (2.5 W)"},
        {{{"Power", "low"}}, with(4, "Low"), ""},
        {{{"Tone", "DTCS"}, {"DtcsCode", "23"}, {"DtcsPolarity", "nr"}}, with(2, "D023I", 3, "D023N"), ""},
        {{{"Duplex", "off"}, {"Tone", "Tone"}, {"rToneFreq", "67.0"}},
         with(1, ""),
         "transmit tone 67.0 left out"},
        {{{"Tone", "Tone"}, {"rToneFreq", "1000"}}, with(3, "290.0"), "QT/DQT Enc 1000: tone repaired"},
        {{{"Frequency", "460.003"}},
         {"460.00000", "460.00000", "None", "None", "High", "Wide", "Yes"},
         "RX Frequency 460.00300: moved onto the channel raster. Stored: 460.00000"},
        {{{"Frequency", "480"}},
         {"480.00000", "480.00000", "None", "None", "High", "Wide", "Yes"},
         "RX Frequency: Frequecy is Out of range. Stored: 480.00000"},
        {{{"Frequency", "700"}}, {}, "RX Frequency \"700.00000\": The frequecy number come amiss!"},
        {{{"Duplex", "-"}, {"Offset", "500"}},
         {},
         "TX Frequency \"-39.99375\": The frequecy number come amiss!"},
        {{{"Location", "17"}}, {}, "line 2: no channel 17 on this model (channels 1 to 16)"},
        {{{"Mode", "AM"}}, {}, "Mode \"AM\" is not available on this radio (FM or NFM)"},
        {{{"Tone", "TSQL-R"}}, {}, "reverse squelch (Tone TSQL-R) is not available on this radio"},
        {{{"Tone", "DTCS-R"}}, {}, "reverse squelch"},
        {{{"Tone", "Beep"}}, {}, "unknown Tone \"Beep\""},
        {{{"Tone", "Cross"}, {"CrossMode", "Tone->Beep"}}, {}, "unknown CrossMode \"Tone->Beep\""},
        {{{"Duplex", "x"}}, {}, "unknown Duplex \"x\""},
        {{{"Duplex", "+"}, {"Offset", ""}}, {}, "Duplex + without an Offset"},
        {{{"Tone", "TSQL"}, {"cToneFreq", ""}}, {}, "Tone TSQL without cToneFreq"},
        {{{"DtcsPolarity", "NX"}}, {}, "unknown DtcsPolarity \"NX\""},
        {{{"Skip", "P"}}, {}, "unknown Skip \"P\""},
        {{{"Power", "9 kW"}}, {}, "unknown Power \"9 kW\""},
        {{{"Frequency", ""}}, {}, "line 2: no Frequency"},
    };
    for (const Case& c : cases) {
        Restart();
        SetChannel(1, {"451.00000"});
        const std::vector<std::uint8_t> before = Slot(1);
        const ImportReport report = ImportChannelsCsv(state, CommonFile({c.row}));
        const std::string text = report.Text();
        ASSERT_FALSE(report.Refused()) << text;
        if (c.channel.empty()) {
            EXPECT_TRUE(report.channels.empty()) << text;
            ASSERT_EQ(report.skipped.size(), 1u) << text;
            EXPECT_EQ(Slot(1), before) << text;
        } else {
            EXPECT_EQ(report.channels, std::vector<int>{1}) << text;
            EXPECT_EQ(CellsOf(1), c.channel) << text;
            EXPECT_EQ(report.warnings.empty(), c.note.empty()) << text;
        }
        EXPECT_NE(text.find(c.note), std::string::npos) << text;
    }
}

// A file the import cannot read is refused with its line, and nothing changes.
TEST_F(ChannelCsvTest, RefusedFilesNameTheLineAndChangeNothing) {
    const std::string common = CsvLine(CsvHeader(CsvFormat::Common));
    const std::string grid = CsvLine(CsvHeader(CsvFormat::Grid));
    const std::string good = CsvLine(CommonFields({{"Location", "2"}}));
    struct Case {
        std::string text;
        std::string refusal;
    };
    const Case cases[] = {
        {"", "line 1: no header row"},
        {"\r\n,,\r\n", "line 2: no header row"},
        {"Channel,Frequency\r\n1,460\r\n", "line 1: unknown header row"},
        {common + good + "\r\n" + CsvLine(CommonFields({{"Frequency", "4x0"}})),
         "line 4: Frequency \"4x0\" is not a number"},
        {common + good + CsvLine(CommonFields({{"DtcsCode", "D23"}})),
         "line 3: DtcsCode \"D23\" is not a number"},
        {common + CsvLine(CommonFields({{"Location", "1.5"}})),
         "line 2: Location \"1.5\" is not a channel number"},
        {common + good + "3,\"Name,460\r\n", "line 3: unbalanced quotes"},
        {common + good + "1,2,3\r\n", "line 3: 3 fields where the header has 21"},
        {common + good + std::string("4,\0", 3) + "\r\n", "line 3: not a text file"},
        {grid + "1,460.00625,abc,None,None,High,Wide,Yes,No,No,No,OFF,ON\r\n",
         "line 2: TX Frequency \"abc\" is not a number"},
        {grid + "one,460.00625,,None,None,High,Wide,Yes,No,No,No,OFF,ON\r\n",
         "line 2: Channel No. \"one\" is not a number"},
    };
    for (const Case& c : cases) {
        Restart();
        SetChannel(1, {"451.00000", "", "67.0"});
        const ImageBytes before = state.Image;
        const ImportReport report = ImportChannelsCsv(state, c.text);
        ASSERT_TRUE(report.Refused()) << c.refusal;
        EXPECT_EQ(report.Text().substr(0, c.refusal.size()), c.refusal);
        EXPECT_TRUE(report.channels.empty());
        EXPECT_EQ(state.Image, before) << c.refusal;
    }
}

// Export then import gives back the same slots, in both layouts; channels the file does not name stay.
TEST_F(ChannelCsvTest, RoundTripsGiveTheSameChannelBytes) {
    using Texts = std::vector<std::string>;  // the 12 fields, in selector order
    const std::vector<std::pair<int, Texts>> channels = {
        {1,
         {"460.00625", "465.00625", "67.0", "D023N", "Low", "Narrow", "No", "Yes", "Yes", "ON", "Yes",
          "OFF"}},
        {2, {"455.5", "", "D754I", "None", "Mid", "Wide", "Yes", "No", "No", "OFF", "No", "ON"}},
        {4, {"462.1", "462.1", "None", "88.5", "High", "Wide", "Yes", "No", "Yes", "ON", "No", "Type-2"}},
        {7,
         {"450.0125", "455.0125", "D114N", "D114I", "High", "Narrow", "No", "Yes", "No", "OFF", "Yes", "ON"}},
        {16,
         {"469.99375", "469.99375", "254.1", "254.1", "Mid", "Narrow", "Yes", "No", "No", "ON", "No", "OFF"}},
    };
    for (const CsvFormat format : {CsvFormat::Grid, CsvFormat::Common}) {
        Restart();
        for (const auto& [n, texts] : channels) {
            SetChannel(n, {texts[0]});
            // The common layout has no columns for the options: they keep a new channel's values.
            const std::size_t given = format == CsvFormat::Grid ? texts.size() : 7;
            for (std::size_t field = 1; field < given; ++field)
                ASSERT_TRUE(SetFieldText(state, n, static_cast<int>(field), texts[field]).Ok())
                    << texts[field];
        }
        const ImageBytes source = state.Image;
        const std::string text = ExportChannelsCsv(state, format);

        Restart();
        SetChannel(3, {"451.00000"});
        const std::vector<std::uint8_t> kept = Slot(3);
        const ImportReport report = ImportChannelsCsv(state, text);
        EXPECT_EQ(report.Text(), "Imported 5 channels.") << text;
        EXPECT_EQ(Slot(3), kept);
        for (int n = 1; n <= 16; ++n) {
            if (n == 3) continue;
            const auto at = source.begin() + ChannelSlotFirst(state, n);
            EXPECT_EQ(Slot(n), std::vector<std::uint8_t>(at, at + kSlotBytes)) << "channel " << n << "\n"
                                                                               << text;
        }
    }
}

// The grid's layout: its rows empty a channel without a receive frequency; a cell the grid refuses skips the
// row, a channel given twice is taken once.
TEST_F(ChannelCsvTest, GridLayoutRowsReplaceTheirChannels) {
    SetChannel(5, {"451.00000"});
    SetChannel(6, {"452.00000"});
    const std::string text = CsvLine(CsvHeader(CsvFormat::Grid)) +
                             "5,,,,,,,,,,,,\r\n"
                             "6,460.00625,,None,67.0,High,Wide,Yes,No,No,No,OFF,ON\r\n"
                             "7,460.00625,460.00625,None,None,Max,Wide,Yes,No,No,No,OFF,ON\r\n"
                             "8,460.00625,460.00625,none,d023n,low,narrow,no,no,no,no,on,off\r\n"
                             "8,461.00625,460.00625,None,None,High,Wide,Yes,No,No,No,OFF,ON\r\n";
    const ImportReport report = ImportChannelsCsv(state, text);
    EXPECT_EQ(report.Text(),
              "Imported 2 channels.\n"
              "Skipped rows:\n"
              "  line 3, channel 6: QT/DQT Enc \"67.0\": the channel has no transmit frequency\n"
              "  line 4, channel 7: TX Power \"Max\": not an item of the list\n"
              "  line 6, channel 8: the channel is given on line 5 already");
    EXPECT_FALSE(ChannelTableRow(state, 5).present);
    EXPECT_EQ(CellsOf(6)[0], "452.00000");
    EXPECT_FALSE(ChannelTableRow(state, 7).present);
    EXPECT_EQ(CellsOf(8), (Cells{"460.00625", "460.00625", "None", "D023N", "Low", "Narrow", "No"}));
}

// The sample file of the documentation imports whole into a UHF radio of the 400 - 470 MHz band.
TEST_F(ChannelCsvTest, SampleFileImports) {
    SelectModel(state, "LM41", ProductCatalogue().Bands.CodeOf("400 - 470MHz"), true);
    std::ifstream file(std::string(LM_SOURCE_DIR) + "/docs/sample-channels-common.csv", std::ios::binary);
    ASSERT_TRUE(file);
    std::stringstream text;
    text << file.rdbuf();
    const ImportReport report = ImportChannelsCsv(state, text.str());
    EXPECT_EQ(report.channels.size(), 12u) << report.Text();
    EXPECT_TRUE(report.skipped.empty()) << report.Text();
    ASSERT_EQ(report.warnings.size(), 1u) << report.Text();  // the power given in watts
    EXPECT_EQ(report.warnings[0].Text(), "line 11, channel 10: power 5.0W taken as High (5.0 W)");
}

}  // namespace
}  // namespace lm
