#include "bookings/wage_type_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "platform/dos_file_system.h"
#include "platform/value_lines.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
namespace col = wage_column;

// One wage type as ten file lines (CR LF), name given in file bytes.
std::string Row(std::string_view running, std::string_view number, std::string_view name, std::string_view keys,
                std::string_view reserved = "") {
  std::string out;
  for (std::string_view v : {running, number, name}) AppendBareLine(out, v);
  for (std::size_t i = 0; i < 4; ++i) AppendBareLine(out, i < keys.size() && keys[i] != '.' ? keys.substr(i, 1) : "");
  AppendBareLine(out, reserved);
  AppendBareLine(out, "");
  AppendBareLine(out, "");
  return out;
}

std::string AllFixed() {
  return Row("03", "12", "EG-Pauschale (Steuerklasse)", "124.") +
         Row("04", "13", "EG-Pauschale (Pauschsteuer)", "144.") +
         Row("05", "14", "Verrechnung Bestandsschutz", "3...") + Row("06", "15", "Inflationspraemie", "144.");
}

std::string LfWithoutLastLineEnd(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  out.pop_back();
  return out;
}

TEST(LoadWageTypes, AFileWithAllFourFixedNamesStaysAsItIs) {
  WageTypeTable table;
  const std::string file = Row("01", "1", "Gehalt", "1111") + Row("02", "2", "Stundenlohn", "1111") + AllFixed();
  const WageTypeLoad load = ParseWageTypes(file, table);
  EXPECT_EQ(load.count, 6);
  EXPECT_EQ(load.appended_fixed, 0);
  EXPECT_FALSE(table.changed);
  EXPECT_EQ(SerializeWageTypes(table), file);
}

TEST(LoadWageTypes, MissingFixedNamesAreAppendedWithTheLowestFreeNumbersFrom12) {
  WageTypeTable table;
  const std::string file = Row("01", "12", "Gehalt", "1111") + Row("02", "14", "Lohn", "1111") +
                           Row("03", "5", "EG-Pauschale (Pauschsteuer)", "144.");
  const WageTypeLoad load = ParseWageTypes(file, table);
  EXPECT_EQ(load.count, 6);
  EXPECT_EQ(load.appended_fixed, 3);
  EXPECT_TRUE(table.changed);
  const auto& first = table.rows[3];
  EXPECT_EQ(first[col::kRunningNumber], "04");
  EXPECT_EQ(first[col::kNumber], "13");
  EXPECT_EQ(first[col::kName], "EG-Pauschale (Steuerklasse)");
  EXPECT_EQ((std::array{first[3], first[4], first[5], first[6]}), (std::array<std::string, 4>{"1", "2", "4", ""}));
  EXPECT_EQ(table.rows[4][col::kNumber], "15");
  EXPECT_EQ(table.rows[4][col::kName], "Verrechnung Bestandsschutz");
  EXPECT_EQ(table.rows[5][col::kNumber], "16");
  EXPECT_EQ(table.rows[5][col::kName], "Inflationspraemie");
}

TEST(LoadWageTypes, AnEmptyOrMissingFileGetsNoFixedNames) {
  WageTypeTable table;
  EXPECT_EQ(ParseWageTypes("", table).count, 0);
  const DosFileSystem files(fs::path(testing::TempDir()) / "none");
  const WageTypeLoad load = LoadWageTypes(files, "C:\\PEKTO\\LOHNAR.DAT", table);
  EXPECT_FALSE(load.file_found);
  EXPECT_EQ(load.count, 0);
}

struct DamagedRow {
  const char* name;
  std::string file;
  int count;
  bool incomplete;
  std::vector<std::string> foreign;
};
void PrintTo(const DamagedRow& c, std::ostream* os) { *os << c.name; }

class DamagedFileTest : public testing::TestWithParam<DamagedRow> {};

TEST_P(DamagedFileTest, ReadsWhatIsWholeAndSaysWhatIsNot) {
  WageTypeTable table;
  const WageTypeLoad load = ParseWageTypes(GetParam().file, table);
  EXPECT_EQ(load.count, GetParam().count);
  EXPECT_EQ(load.incomplete_last_row, GetParam().incomplete);
  EXPECT_EQ(load.foreign_names, GetParam().foreign);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFileTest,
    testing::Values(
        DamagedRow{
            "OddNumberOfLines", Row("01", "1", "Gehalt", "1111") + AllFixed() + "01\r\n2\r\nLohn\r\n", 5, true, {}},
        DamagedRow{"LfLineEndsAndNoLastLineEnd",
                   LfWithoutLastLineEnd(Row("01", "1", "Gehalt", "1111") + AllFixed()),
                   5,
                   false,
                   {}},
        DamagedRow{"TrailingBlankLines", Row("01", "1", "Gehalt", "1111") + AllFixed() + "\r\n\r\n", 5, false, {}},
        DamagedRow{"ControlBytesInAName",
                   Row("01", "1",
                       "Geh\x01"
                       "alt",
                       "1111") +
                       AllFixed(),
                   5,
                   false,
                   {"01"}},
        DamagedRow{"SemicolonInAName", Row("07", "1", "Lohn;Gehalt", "1111") + AllFixed(), 5, false, {"07"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadWageTypes, NamesComeBackFromTheDosUmlauts) {
  WageTypeTable table;
  ParseWageTypes(Row("01", "3",
                     "\x9A"
                     "berstunden Zuschl\x84"
                     "ge",
                     "1111") +
                     AllFixed(),
                 table);
  EXPECT_EQ(table.rows[0][col::kName], "Überstunden Zuschläge");
}

class SaveWageTypesTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(testing::TempDir()) / ("wage_" + std::to_string(::getpid()));
    fs::create_directories(root_ / "drive_c" / "PEKTO");
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string Read() { return files_.ReadFile(kPath).value_or("<missing>"); }

  static constexpr const char* kPath = "C:\\PEKTO\\LOHNAR.DAT";
  fs::path root_;
  DosFileSystem files_{fs::path(testing::TempDir()) / ("wage_" + std::to_string(::getpid()))};
};

TEST_F(SaveWageTypesTest, SortsByNumberAndRewritesTheRunningNumbers) {
  WageTypeTable table;
  ParseWageTypes(Row("01", "5", "Urlaubsgeld", "1221", "r") + Row("02", "12", "Gehalt", "1111") +
                     Row("03", "3",
                         "Stra\xDF"
                         "enbahn Zusch\x81\xDF",
                         "1330"),
                 table);
  ASSERT_EQ(SaveWageTypes(files_, kPath, table).code, WageTypeSaveCode::Saved);
  EXPECT_FALSE(table.changed);
  const std::vector<std::string> lines = SplitValueLines(Read());
  ASSERT_GE(lines.size(), 30u);
  EXPECT_EQ((std::array{lines[0], lines[1], lines[2]}), (std::array<std::string, 3>{"01", "3",
                                                                                    "Stra\xDF"
                                                                                    "enbahn Zusch\x81\xDF"}));
  EXPECT_EQ((std::array{lines[10], lines[11], lines[17]}), (std::array<std::string, 3>{"02", "5", "r"}));
  EXPECT_EQ((std::array{lines[20], lines[21]}), (std::array<std::string, 2>{"03", "12"}));
}

TEST_F(SaveWageTypesTest, AnUmlautIsWrittenAsItsDosByte) {
  WageTypeTable table;
  table.rows[0] = {"01", "1", "Zuschläge", "1", "1", "1", "1", "", "", ""};
  table.count = 1;
  ASSERT_EQ(SaveWageTypes(files_, kPath, table).code, WageTypeSaveCode::Saved);
  EXPECT_EQ(SplitValueLines(Read())[2], "Zuschl\x84ge");
  EXPECT_EQ(Read().substr(0, 4), "01\r\n");
  WageTypeTable again;
  LoadWageTypes(files_, kPath, again);
  EXPECT_EQ(again.rows[0][col::kName], "Zuschläge");
}

TEST_F(SaveWageTypesTest, ADuplicateNumberWritesNothing) {
  ASSERT_TRUE(files_.ReplaceFile(kPath, "old").ok);
  WageTypeTable table;
  ParseWageTypes(Row("01", "5", "A", "1111") + Row("02", "05", "B", "1111"), table);
  const WageTypeSave save = SaveWageTypes(files_, kPath, table);
  EXPECT_EQ(save.code, WageTypeSaveCode::DuplicateNumber);
  EXPECT_EQ(save.message_text,
            "Sie haben die Lohnarten-nummer 5 doppelt ver-\r\ngeben.\r\nBitte berichtigen Sie ent-\r\nsprechend.");
  EXPECT_EQ(Read(), "old");
}

TEST_F(SaveWageTypesTest, AnUnwritableFolderIsReportedAndKeepsTheFile) {
  WageTypeTable table;
  ParseWageTypes(Row("01", "5", "A", "1111"), table);
  const DosFileSystem nowhere(root_ / "missing");
  const WageTypeSave save = SaveWageTypes(nowhere, kPath, table);
  EXPECT_EQ(save.code, WageTypeSaveCode::WriteFailed);
  EXPECT_NE(save.error_number, 0);
}

TEST_F(SaveWageTypesTest, DeletingEmptiesTheTableAndRemovesTheFile) {
  ASSERT_TRUE(files_.ReplaceFile(kPath, Row("01", "5", "A", "1111")).ok);
  WageTypeTable table;
  LoadWageTypes(files_, kPath, table);
  EXPECT_TRUE(DeleteWageTypeFile(files_, kPath, table));
  EXPECT_EQ(table.count, 0);
  EXPECT_EQ(LoadWageTypes(files_, kPath, table).count, 0);
}

TEST(ShippedWageTypes, TheDefaultFileHasEveryFixedNameNoDuplicateAndIsInSavedForm) {
  const auto bytes = ReadWholeFile(fs::path(PEKTO_SOURCE_DIR) / "resources" / "data" / "LOHNAR.DAT");
  ASSERT_TRUE(bytes.has_value());
  WageTypeTable table;
  const WageTypeLoad load = ParseWageTypes(*bytes, table);
  EXPECT_GE(load.count, 10);
  EXPECT_EQ(load.appended_fixed, 0);
  EXPECT_TRUE(load.foreign_names.empty());
  EXPECT_FALSE(load.incomplete_last_row);
  EXPECT_EQ(FindDuplicateNumber(table), std::nullopt);
  SortWageTypes(table);
  EXPECT_EQ(SerializeWageTypes(table), *bytes);
}

}  // namespace
}  // namespace pekto
