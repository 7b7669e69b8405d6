#include "core/csv_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lm {
namespace {

using Fields = std::vector<std::string>;

// Quoted fields, doubled quotes, both line ends, a byte order mark; each record knows its first line.
TEST(CsvTextTest, ReadsRecordsWithTheirLines) {
    struct Case {
        std::string text;
        std::vector<Fields> records;
        std::vector<int> lines;
    };
    const Case cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"\xEF\xBB\xBF"
         "x,\"y,z\"\n",
         {{"x", "y,z"}},
         {1}},
        {"\"say \"\"hi\"\"\",\"\"\n", {{"say \"hi\"", ""}}, {1}},
        {"\"two\nlines\",b\r\nnext\n", {{"two\nlines", "b"}, {"next"}}, {1, 3}},
        {"a\n\nb\n", {{"a"}, {""}, {"b"}}, {1, 2, 3}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        const CsvTable table = ReadCsv(c.text);
        ASSERT_FALSE(table.error) << c.text;
        ASSERT_EQ(table.records.size(), c.records.size()) << c.text;
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            EXPECT_EQ(table.records[i].fields, c.records[i]) << c.text;
            EXPECT_EQ(table.records[i].line, c.lines[i]) << c.text;
        }
    }
}

// Text that is no CSV, or no text, is refused with the line it goes wrong on.
TEST(CsvTextTest, RefusesBadTextWithItsLine) {
    struct Case {
        std::string text;
        int line;
        std::string message;
    };
    const Case cases[] = {
        {"a,b\n\"open,c\nd\n", 2, "unbalanced quotes"},
        {"a\nb\"c\n", 2, "a quote inside an unquoted field"},
        {"\"a\"b\n", 1, "text after a closing quote"},
        {std::string("a\nb\nc\0d\n", 8), 3, "not a text file"},
        {"a\n\xFF\xFE\n", 2, "not a text file"},
        {"a\n\xC0\xAF\n", 2, "not a text file"},  // an overlong "/"
    };
    for (const Case& c : cases) {
        const CsvTable table = ReadCsv(c.text);
        ASSERT_TRUE(table.error) << c.text;
        EXPECT_EQ(table.error->line, c.line) << c.text;
        EXPECT_EQ(table.error->message, c.message) << c.text;
        EXPECT_TRUE(table.records.empty());
    }
}

TEST(CsvTextTest, WritesFieldsQuotedWhenNeeded) {
    EXPECT_EQ(CsvLine({"a", "b,c", "say \"hi\"", "two\nlines", ""}),
              "a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
    const Fields fields = {"x,y", "\"", "", "z"};
    EXPECT_EQ(ReadCsv(CsvLine(fields)).records.at(0).fields, fields);
}

}  // namespace
}  // namespace lm
