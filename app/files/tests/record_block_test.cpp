#include "app/files/record_block.h"

#include <gtest/gtest.h>

#include <memory>

namespace pekto {
namespace {

constexpr std::size_t kAnnual = kMonthRecordSlots;
constexpr std::size_t kBookings = kMonthRecordSlots + kAnnualBlockSlots;

std::unique_ptr<EmployeeRecord> NewRecord() { return std::make_unique<EmployeeRecord>(); }

std::string& Month(EmployeeRecord& r, int slot) { return r.month_record[static_cast<std::size_t>(slot)]; }

TEST(RecordBlock, HasTheMonthTheAnnualBlockAndTheBookingsInOrder) {
  auto record = NewRecord();
  Month(*record, 0) = "08";
  Month(*record, 100) = "last month slot";
  record->annual_block[0] = "010124";
  record->annual_block[50] = "annual 50";
  record->booking_table[0][0] = "row 0 col 0";
  record->booking_table[0][12] = "row 0 col 12";
  record->booking_table[1][0] = "row 1 col 0";
  record->booking_table[100][12] = "last cell";
  const BlockValues block = StoredBlockOf(*record);
  ASSERT_EQ(block.size(), 1465u);
  EXPECT_EQ(block[0], "08");
  EXPECT_EQ(block[100], "last month slot");
  EXPECT_EQ(block[kAnnual], "010124");
  EXPECT_EQ(block[kAnnual + 50], "annual 50");
  EXPECT_EQ(block[kBookings], "row 0 col 0");
  EXPECT_EQ(block[kBookings + 12], "row 0 col 12");
  EXPECT_EQ(block[kBookings + 13], "row 1 col 0");
  EXPECT_EQ(block.back(), "last cell");
}

TEST(RecordBlock, IsWrittenAsQuotedLinesWithCrLf) {
  BlockValues block = EmptyBlock();
  block[0] = "08";
  std::string out;
  AppendBlock(out, block);
  EXPECT_EQ(out.substr(0, 10), "\"08\"\r\n\"\"\r\n");
  EXPECT_EQ(out.size(), 6u + 1464u * 4u);
}

struct StoredAmount {
  const char* name;
  int slot;
  const char* typed;
  const char* stored;
  const char* shown_again;
};
void PrintTo(const StoredAmount& c, std::ostream* os) { *os << c.name; }

class RecordBlockAmounts : public testing::TestWithParam<StoredAmount> {};

TEST_P(RecordBlockAmounts, AreCentsInTheFileAndCommaTextsInMemory) {
  const StoredAmount& c = GetParam();
  auto record = NewRecord();
  Month(*record, c.slot) = c.typed;
  const BlockValues block = StoredBlockOf(*record);
  EXPECT_EQ(block[static_cast<std::size_t>(c.slot)], c.stored);
  auto loaded = NewRecord();
  DecodeBlock(block, *loaded);
  EXPECT_EQ(Month(*loaded, c.slot), c.shown_again);
  EXPECT_EQ(Month(*record, c.slot), c.typed) << "the record itself is not changed";
}

INSTANTIATE_TEST_SUITE_P(Slots, RecordBlockAmounts,
                         testing::Values(StoredAmount{"Plain", 15, "1234,56", "123456", "1234,56"},
                                         StoredAmount{"FiveCents", 15, "0,05", "05", "0,05"},
                                         StoredAmount{"FiftyCents", 17, "0,50", "050", "0,50"},
                                         StoredAmount{"Negative", 13, "-12,30", "-1230", "-12,30"},
                                         StoredAmount{"EmptyStaysEmpty", 13, "", "", ""},
                                         StoredAmount{"WholeEurosWithoutComma", 15, "5", "500", "5,00"},
                                         StoredAmount{"ChildAllowances", 4, "1,5", "1.5", "1,5"},
                                         StoredAmount{"NotAnAmountSlot", 14, "30", "30", "30"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordBlock, NameAndEmployerTextsUseTheDosCodePageAndOthersWindows1252) {
  auto record = NewRecord();
  Month(*record, 11) = "Jürgö";
  Month(*record, 70) = "Bäckerei Müller";
  Month(*record, 81) = "ÄÖÜß";
  Month(*record, 25) = "Jürgö";
  record->annual_block[3] = "Ökokasse";
  const BlockValues block = StoredBlockOf(*record);
  EXPECT_EQ(block[11], "J\x81rg\x94");
  EXPECT_EQ(block[70],
            "B\x84"
            "ckerei M\x81ller");
  EXPECT_EQ(block[81], "\x8E\x99\x9A\xDF");
  EXPECT_EQ(block[25], "J\xFCrg\xF6");
  EXPECT_EQ(block[kAnnual + 3], "\xD6kokasse");
  auto loaded = NewRecord();
  DecodeBlock(block, *loaded);
  EXPECT_EQ(Month(*loaded, 11), "Jürgö");
  EXPECT_EQ(Month(*loaded, 70), "Bäckerei Müller");
  EXPECT_EQ(Month(*loaded, 81), "ÄÖÜß");
  EXPECT_EQ(Month(*loaded, 25), "Jürgö");
  EXPECT_EQ(loaded->annual_block[3], "Ökokasse");
}

TEST(RecordBlock, AnEntryDateOfValueZeroIsWrittenAndReadAsEmpty) {
  auto record = NewRecord();
  record->annual_block[0] = "000000";
  EXPECT_EQ(StoredBlockOf(*record)[kAnnual], "");
  BlockValues block = EmptyBlock();
  block[kAnnual] = "0";
  DecodeBlock(block, *record);
  EXPECT_EQ(record->annual_block[0], "");
  block[kAnnual] = "150324";
  DecodeBlock(block, *record);
  EXPECT_EQ(record->annual_block[0], "150324");
}

TEST(RecordBlock, ALineBreakInsideAValueCannotSplitTheBlock) {
  auto record = NewRecord();
  Month(*record, 72) = "Zeile 1\r\nZeile 2";
  record->booking_table[3][4] = std::string("a\0b", 3);
  std::string file;
  AppendBlock(file, StoredBlockOf(*record));
  ValueLineReader reader(file);
  BlockReadStats stats;
  const BlockValues read = ReadBlockValues(reader, stats);
  EXPECT_EQ(stats.lines, 1465u);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(read[72], "Zeile 1  Zeile 2");
  EXPECT_EQ(read[kBookings + 3 * 13 + 4], "a b");
}

TEST(RecordBlock, AShortFileLeavesTheRestEmpty) {
  const std::string file = "\"08\"\r\n\"\"\r\n\"1\"";
  ValueLineReader reader(file);
  BlockReadStats stats;
  const BlockValues read = ReadBlockValues(reader, stats);
  EXPECT_EQ(stats.lines, 3u);
  ASSERT_EQ(read.size(), 1465u);
  EXPECT_EQ(read[0], "08");
  EXPECT_EQ(read[2], "1");
  EXPECT_EQ(read[3], "");
  EXPECT_TRUE(IsUsableBlock(stats));
}

TEST(RecordBlock, ReadsNoMoreThanOneBlock) {
  std::string file;
  for (int i = 0; i < 1500; ++i) AppendQuotedLine(file, std::to_string(i));
  ValueLineReader reader(file);
  BlockReadStats stats;
  const BlockValues read = ReadBlockValues(reader, stats);
  EXPECT_EQ(stats.lines, 1465u);
  EXPECT_EQ(read.back(), "1464");
  EXPECT_EQ(*reader.Next(), "\"1465\"");
}

struct Damage {
  const char* name;
  std::string bytes;
  bool usable;
};
void PrintTo(const Damage& c, std::ostream* os) { *os << c.name; }

class RecordBlockDamage : public testing::TestWithParam<Damage> {};

TEST_P(RecordBlockDamage, IsJudgedFromWhatWasRead) {
  ValueLineReader reader(GetParam().bytes);
  BlockReadStats stats;
  (void)ReadBlockValues(reader, stats);
  EXPECT_EQ(IsUsableBlock(stats), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(Files, RecordBlockDamage,
                         testing::Values(Damage{"Empty", "", false},
                                         Damage{"Nul", std::string("\"a\"\r\n\"\0\"\r\n", 9), false},
                                         Damage{"OverlongLine", "\"" + std::string(5000, 'x') + "\"\r\n", false},
                                         Damage{"AllBare", "a\r\nb\r\nc\r\n", false},
                                         Damage{"SomeBare", "\"a\"\r\nb\r\n\"c\"\r\n", true},
                                         Damage{"LfOnly", "\"a\"\n\"b\"\n", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordBlock, ControlCharactersDoNotReachTheRecord) {
  BlockValues block = EmptyBlock();
  block[11] = "MA\x01IER\t";
  auto record = NewRecord();
  DecodeBlock(block, *record);
  EXPECT_EQ(Month(*record, 11), "MAIER");
}

}  // namespace
}  // namespace pekto
