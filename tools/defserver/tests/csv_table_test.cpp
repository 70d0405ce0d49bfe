// Reading comma-separated tables as data sets write them.

#include "csv_table.h"

#include <gtest/gtest.h>

namespace defserver {
namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> Read(std::string_view text) {
    const Checked<std::vector<CsvRecord>> records = ReadCsv(text);
    EXPECT_TRUE(records) << records.Error();
    std::vector<Fields> fields;
    if (records) {
        for (const CsvRecord& record : *records) {
            fields.push_back(record.fields);
        }
    }
    return fields;
}

TEST(CsvTable, QuotedFieldsKeepTheirCommasQuotesAndLineEnds) {
    struct Case {
        std::string_view text;
        std::vector<Fields> records;
    };
    const Case cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"\"a,b\",\"say \"\"hi\"\"\"\n", {{"a,b", "say \"hi\""}}},
        {"\"two\r\nlines\",x\r\ny,z\r\n", {{"two\r\nlines", "x"}, {"y", "z"}}},
        {"a,,\"\"\n", {{"a", "", ""}}},
        {"a,b\n\nc\n", {{"a", "b"}, {"c"}}},
        {"\xEF\xBB\xBF\"EXTID\",x\n", {{"EXTID", "x"}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.text), c.records) << c.text;
    }
}

TEST(CsvTable, RecordsKnowTheLineTheyStartOn) {
    const Checked<std::vector<CsvRecord>> records = ReadCsv("h\n\"a\nb\nc\"\nnext\n");
    ASSERT_TRUE(records) << records.Error();
    ASSERT_EQ(records->size(), 3u);
    EXPECT_EQ((*records)[2].line, 5u);
}

TEST(CsvTable, BrokenQuotingIsRefusedWithItsLine) {
    const Checked<std::vector<CsvRecord>> unclosed = ReadCsv("a,b\n\"never closed,x\ny\n");
    ASSERT_FALSE(unclosed);
    EXPECT_NE(unclosed.Error().find("line 2"), std::string::npos) << unclosed.Error();
    const Checked<std::vector<CsvRecord>> stray = ReadCsv("\"a\"b,c\n");
    ASSERT_FALSE(stray);
    EXPECT_NE(stray.Error().find("line 1"), std::string::npos) << stray.Error();
}

TEST(CsvTable, ColumnsAreFoundByName) {
    const CsvColumns columns(CsvRecord{1, {"EXTID", " NOTES "}});
    EXPECT_EQ(columns.Find("notes"), 1u);
    EXPECT_FALSE(columns.Find("BROWSER"));
    EXPECT_EQ(CsvColumns::Field(CsvRecord{2, {"x"}}, columns.Find("NOTES")), "");
}

}  // namespace
}  // namespace defserver
