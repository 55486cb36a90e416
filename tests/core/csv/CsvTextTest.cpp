// Reading and writing comma-separated text: what spreadsheets save, what
// other programs write, and files that are no table at all.

#include "csv/CsvText.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using Fields = std::vector<std::string>;

Fields FieldsOf(const CsvTable& t, std::size_t record) {
    return t.records.at(record).fields;
}

TEST(CsvRead, QuotedFieldsHoldSeparatorsDoubledQuotesAndLineEnds) {
    const CsvTable t =
        ReadCsv("a,b,c\r\n\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\nlast,,\r\n");
    ASSERT_EQ(t.fault, CsvFault::None);
    ASSERT_EQ(t.records.size(), 3u);
    EXPECT_EQ(FieldsOf(t, 1), (Fields{"x, y", "say \"hi\"", "two\r\nlines"}));
    EXPECT_EQ(FieldsOf(t, 2), (Fields{"last", "", ""}));
    // The record after a quoted line end starts two lines further down.
    EXPECT_EQ(t.records[1].line, 2);
    EXPECT_EQ(t.records[2].line, 4);
}

TEST(CsvRead, TakesByteOrderMarkLfAndALastLineWithoutEnd) {
    const CsvTable t = ReadCsv("\xEF\xBB\xBFLocation,Name\n1,A\n\n2,B");
    ASSERT_EQ(t.fault, CsvFault::None);
    ASSERT_EQ(t.records.size(), 3u); // the blank line is left out
    EXPECT_EQ(FieldsOf(t, 0), (Fields{"Location", "Name"}));
    EXPECT_EQ(FieldsOf(t, 2), (Fields{"2", "B"}));
    EXPECT_EQ(t.records[2].line, 4);
    EXPECT_FALSE(t.readAsLatin1);
}

TEST(CsvRead, TakesTheSeparatorTheHeaderUses) {
    const CsvTable semi = ReadCsv("Location;Frequency;Name\r\n1;446,006250;\"A;B\"\r\n");
    ASSERT_EQ(semi.fault, CsvFault::None);
    EXPECT_EQ(semi.separator, ';');
    EXPECT_EQ(FieldsOf(semi, 1), (Fields{"1", "446,006250", "A;B"}));

    const CsvTable tab = ReadCsv("Location\tName\n1\tA,B\n");
    EXPECT_EQ(tab.separator, '\t');
    EXPECT_EQ(FieldsOf(tab, 1), (Fields{"1", "A,B"}));
}

TEST(CsvRead, ReadsBytesThatAreNotUtf8AsLatin1) {
    const CsvTable t = ReadCsv("Name\nCaf\xE9\n");
    ASSERT_EQ(t.fault, CsvFault::None);
    EXPECT_TRUE(t.readAsLatin1);
    EXPECT_EQ(FieldsOf(t, 1), (Fields{"Caf\xC3\xA9"}));
    // Well-formed UTF-8 stays as it is.
    const CsvTable u = ReadCsv("Name\nCaf\xC3\xA9\n");
    EXPECT_FALSE(u.readAsLatin1);
    EXPECT_EQ(FieldsOf(u, 1), (Fields{"Caf\xC3\xA9"}));
}

TEST(CsvRead, RefusesWhatIsNoTextTable) {
    EXPECT_EQ(ReadCsv("").fault, CsvFault::Empty);
    EXPECT_EQ(ReadCsv("\r\n\n  \n").fault, CsvFault::Empty);
    EXPECT_EQ(ReadCsv(std::string("V100\0\x11\0", 7)).fault, CsvFault::NulByte);
    EXPECT_EQ(ReadCsv("\x89PNG\r\n\x1a\n" + std::string(1, '\0')).fault, CsvFault::NulByte);
    const CsvTable open = ReadCsv("a,b\n1,\"never closed\n2,3\n");
    EXPECT_EQ(open.fault, CsvFault::OpenQuote);
    EXPECT_EQ(open.faultLine, 2);
    EXPECT_TRUE(open.records.empty());
}

TEST(CsvRead, BoundsSizeRecordsAndFields) {
    EXPECT_EQ(ReadCsv(std::string(kCsvMaxBytes + 1, 'a')).fault, CsvFault::TooLarge);

    std::string rows;
    for (std::size_t i = 0; i <= kCsvMaxRecords; ++i)
        rows += "1\n";
    const CsvTable many = ReadCsv(rows);
    EXPECT_EQ(many.fault, CsvFault::TooManyRecords);
    EXPECT_TRUE(many.records.empty());

    const CsvTable wide = ReadCsv("a\n" + std::string(kCsvMaxFields, ',') + "\n");
    EXPECT_EQ(wide.fault, CsvFault::TooManyFields);
    EXPECT_EQ(wide.faultLine, 2);
    // One field short of the bound is still a record.
    EXPECT_EQ(ReadCsv("a\n" + std::string(kCsvMaxFields - 1, ',') + "x\n").fault, CsvFault::None);
}

TEST(CsvWrite, QuotesOnlyWhereNeededAndReadsBackTheSame) {
    std::string out;
    AppendCsvRecord(out, {"plain", "a,b", "say \"x\"", "two\nlines", ""});
    EXPECT_EQ(out, "plain,\"a,b\",\"say \"\"x\"\"\",\"two\nlines\",\r\n");
    AppendCsvRecord(out, {"446.006250", "-"});
    const CsvTable t = ReadCsv(out);
    ASSERT_EQ(t.fault, CsvFault::None);
    EXPECT_EQ(FieldsOf(t, 0), (Fields{"plain", "a,b", "say \"x\"", "two\nlines", ""}));
    EXPECT_EQ(FieldsOf(t, 1), (Fields{"446.006250", "-"}));
}

} // namespace
} // namespace pmr
