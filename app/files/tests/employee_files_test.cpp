#include "app/files/employee_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "app/files/tests/data_folder.h"

namespace pekto {
namespace {

using testing_support::DataFolder;

struct Names {
  const char* name;
  const char* file_name;
  const char* birth_date;
  const char* employee_file;
  const char* security_copy;
  const char* year_file_24;
};
void PrintTo(const Names& c, std::ostream* os) { *os << c.name; }

class EmployeeFileNames : public testing::TestWithParam<Names> {};

TEST_P(EmployeeFileNames, FollowNameAndBirthDate) {
  const Names& c = GetParam();
  EXPECT_EQ(EmployeeFileName(c.file_name, c.birth_date), c.employee_file);
  EXPECT_EQ(SecurityCopyName(c.file_name, c.birth_date), c.security_copy);
  EXPECT_EQ(YearFileName(c.file_name, c.birth_date, "24"), c.year_file_24);
  EXPECT_EQ(ClassifyDataFile(c.employee_file), DataFileKind::EmployeeFile);
  EXPECT_EQ(ClassifyDataFile(c.security_copy), DataFileKind::SecurityCopy);
  EXPECT_EQ(ClassifyDataFile(c.year_file_24), DataFileKind::YearFile);
}

INSTANTIATE_TEST_SUITE_P(
    Employees, EmployeeFileNames,
    testing::Values(Names{"Maier", "MAIER", "05061980", "MAIER.050", "MAIER~~~.050", "MAIER@@@_050.24"},
                    Names{"SevenLetters", "MUELLER", "31121975", "MUELLER.311", "MUELLER~.311", "MUELLER@_311.24"},
                    Names{"OneLetter", "A", "01011990", "A.010", "A~~~~~~~.010", "A@@@@@@@_010.24"},
                    Names{"Umlauts", "Jürgen", "15031985", "Jürgen.150", "Jürgen~~.150", "Jürgen@@_150.24"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EmployeeFilePaths, LieInTheUserDataDirectory) {
  EXPECT_EQ(DataFilePath({"C", "PEKTO", "01"}, "MAIER.050"), "C:\\PEKTO\\01\\MAIER.050");
  EXPECT_EQ(DataFilePath({"D", "", "02"}, "MAIER.050"), "D:\\02\\MAIER.050");
}

struct Kind {
  const char* name;
  DataFileKind kind;
};
void PrintTo(const Kind& c, std::ostream* os) { *os << c.name; }

class DataFileKinds : public testing::TestWithParam<Kind> {};

TEST_P(DataFileKinds, AreToldByTheirNames) { EXPECT_EQ(ClassifyDataFile(GetParam().name), GetParam().kind); }

INSTANTIATE_TEST_SUITE_P(
    Names, DataFileKinds,
    testing::Values(Kind{"AG.DAT", DataFileKind::EmployerList}, Kind{"ag.dat", DataFileKind::EmployerList},
                    Kind{"maier.050", DataFileKind::EmployeeFile}, Kind{"MAIER.05", DataFileKind::Other},
                    Kind{"MAIER.ABC", DataFileKind::Other}, Kind{".050", DataFileKind::Other},
                    Kind{"MAIER.050.tmpAb12Cd", DataFileKind::Other}, Kind{"MAIER~~.050", DataFileKind::Other},
                    Kind{"MAI~ER~~.050", DataFileKind::Other}, Kind{"~~~~~~~~.050", DataFileKind::Other},
                    Kind{"MAIER@@@_050.2", DataFileKind::Other}, Kind{"MAIER@@_050.24", DataFileKind::Other},
                    Kind{"LODAT2.SYS", DataFileKind::Other}, Kind{"MA IER.050", DataFileKind::Other}));

TEST(EmployeeFileListing, SeparatesEmployeeFilesCopiesAndYearFiles) {
  DataFolder folder("listing");
  for (const char* name : {"MAIER.050", "MAIER~~~.050", "MAIER@@@_050.24", "AG.DAT", "SCHULZ.120", "SCHULZ~~.120",
                           "MAIER.050.tmpXyZ123", "notes.txt"}) {
    folder.Put(name, "\"\"\r\n");
  }
  const std::string dir = folder.paths.UserDataDir();
  EXPECT_EQ(ListDataFiles(folder.files, dir, DataFileKind::EmployeeFile),
            (std::vector<std::string>{"MAIER.050", "SCHULZ.120"}));
  EXPECT_EQ(ListDataFiles(folder.files, dir, DataFileKind::SecurityCopy),
            (std::vector<std::string>{"MAIER~~~.050", "SCHULZ~~.120"}));
  EXPECT_EQ(ListDataFiles(folder.files, dir, DataFileKind::YearFile), (std::vector<std::string>{"MAIER@@@_050.24"}));
  EXPECT_TRUE(ListDataFiles(folder.files, "C:\\PEKTO\\99", DataFileKind::EmployeeFile).empty());
}

std::string ValidFile(std::size_t lines) {
  std::string out;
  for (std::size_t i = 0; i < lines; ++i) AppendQuotedLine(out, i == 11 ? "MAIER" : "");
  return out;
}

std::string Garbage(std::size_t size) {
  std::mt19937 random(42);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::string WithoutQuotes(std::size_t lines) {
  std::string out;
  for (std::size_t i = 0; i < lines; ++i) AppendBareLine(out, "x");
  return out;
}

constexpr char kBinaryBytesText[] = "\"08\"\r\n\"\x01\x02\0\xFF\"\r\n";
const std::string kBinaryBytes(kBinaryBytesText, sizeof kBinaryBytesText - 1);

struct DamagedFile {
  const char* name;
  std::string bytes;
  ReadStatus status;
  const char* slot_11;  // the file name read when loaded
};
void PrintTo(const DamagedFile& c, std::ostream* os) { *os << c.name; }

class DamagedEmployeeFile : public testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedEmployeeFile, LoadsWhatItCanOrIsRefused) {
  DataFolder folder("damaged");
  folder.Put("MAIER.050", GetParam().bytes);
  const RecordFileRead read = ReadRecordFile(folder.files, "C:\\PEKTO\\01\\MAIER.050");
  EXPECT_EQ(read.status, GetParam().status);
  if (read.status == ReadStatus::Ok) {
    ASSERT_EQ(read.values.size(), 1465u);
    EXPECT_EQ(read.values[11], GetParam().slot_11);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedEmployeeFile,
    testing::Values(DamagedFile{"Complete", ValidFile(1465), ReadStatus::Ok, "MAIER"},
                    DamagedFile{"TooFewLines", ValidFile(40), ReadStatus::Ok, "MAIER"},
                    DamagedFile{"TooManyLines", ValidFile(3000), ReadStatus::Ok, "MAIER"},
                    DamagedFile{"SomeQuotesMissing", "\"08\"\r\n1\r\n\"2\"\r\n", ReadStatus::Ok, ""},
                    DamagedFile{"AllQuotesMissing", WithoutQuotes(1465), ReadStatus::Damaged, ""},
                    DamagedFile{"BinaryBytes", kBinaryBytes, ReadStatus::Damaged, ""},
                    DamagedFile{"TenMegabytesOfGarbage", Garbage(10u << 20), ReadStatus::Damaged, ""},
                    DamagedFile{"Empty", "", ReadStatus::Damaged, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EmployeeFile, AMissingFileIsMissing) {
  DataFolder folder("missing");
  EXPECT_EQ(ReadRecordFile(folder.files, "C:\\PEKTO\\01\\MAIER.050").status, ReadStatus::Missing);
  EXPECT_EQ(ReadRecordFile(folder.files, "not a path").status, ReadStatus::Missing);
}

TEST(EmployeeFile, RoundTripsByteForByte) {
  BlockValues block = EmptyBlock();
  block[11] = "J\x81rgen";
  block[15] = "123456";
  block[1464] = "last";
  const std::string bytes = SerializeRecordFile(block);
  const RecordFileRead read = ParseRecordFile(bytes);
  ASSERT_EQ(read.status, ReadStatus::Ok);
  EXPECT_EQ(read.values, block);
  EXPECT_EQ(SerializeRecordFile(read.values), bytes);
}

TEST(YearFile, HoldsTwelveBlocksInMonthOrder) {
  YearFile file;
  for (int m = 0; m < 12; ++m) {
    file.months[static_cast<std::size_t>(m)] = EmptyBlock();
    file.months[static_cast<std::size_t>(m)][80] = (m < 9 ? "0" : "") + std::to_string(m + 1) + "24";
  }
  const std::string bytes = SerializeYearFile(file);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 12 * 1465);
  const YearFileRead read = ParseYearFile(bytes);
  ASSERT_EQ(read.status, ReadStatus::Ok);
  EXPECT_EQ(read.file.months[0][80], "0124");
  EXPECT_EQ(read.file.months[11][80], "1224");
}

TEST(YearFile, AShortFileLeavesTheLaterMonthsEmpty) {
  std::string bytes;
  BlockValues march = EmptyBlock();
  march[80] = "0324";
  AppendBlock(bytes, EmptyBlock());
  AppendBlock(bytes, EmptyBlock());
  AppendBlock(bytes, march);
  bytes += "\"0424\"\r\n";
  const YearFileRead read = ParseYearFile(bytes);
  ASSERT_EQ(read.status, ReadStatus::Ok);
  EXPECT_EQ(read.file.months[2][80], "0324");
  EXPECT_EQ(read.file.months[3][0], "0424");
  EXPECT_EQ(read.file.months[11], EmptyBlock());
}

TEST(YearFile, ABinaryMonthMakesTheFileDamaged) {
  std::string bytes;
  AppendBlock(bytes, EmptyBlock());
  bytes += Garbage(100000);
  EXPECT_EQ(ParseYearFile(bytes).status, ReadStatus::Damaged);
  DataFolder folder("year");
  EXPECT_EQ(ReadYearFile(folder.files, "C:\\PEKTO\\01\\MAIER@@@_050.24").status, ReadStatus::Missing);
  EXPECT_EQ(ReadYearFile(folder.files, "C:\\PEKTO\\01\\MAIER@@@_050.24").file.months[5], EmptyBlock());
}

EmployerEntry Employer(const char* name, const char* street, const char* town) {
  EmployerEntry entry;
  entry[0] = name;
  entry[1] = street;
  entry[2] = town;
  entry[3] = "Telefon";
  return entry;
}

TEST(EmployerList, AddsAnEmployerOnceByItsFirstThreeTexts) {
  std::vector<EmployerEntry> list;
  EXPECT_TRUE(AddEmployer(list, Employer("Firma A", "Weg 1", "Ort")));
  EXPECT_FALSE(AddEmployer(list, Employer("Firma A", "Weg 1", "Ort")));
  EmployerEntry other_phone = Employer("Firma A", "Weg 1", "Ort");
  other_phone[3] = "anders";
  EXPECT_FALSE(AddEmployer(list, other_phone));
  EXPECT_TRUE(AddEmployer(list, Employer("Firma A", "Weg 2", "Ort")));
  EXPECT_FALSE(AddEmployer(list, EmployerEntry{})) << "no empty employer";
  EXPECT_EQ(list.size(), 2u);
}

TEST(EmployerList, RoundTripsTwelveQuotedLinesPerEmployer) {
  const std::vector<EmployerEntry> list = {Employer("B\x84"
                                                    "ckerei",
                                                    "Weg 1", "Ort"),
                                           Employer("Firma", "", "")};
  const std::string bytes = SerializeEmployerList(list);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 24);
  EXPECT_EQ(bytes.substr(0, 12),
            "\"B\x84"
            "ckerei\"\r\n");
  const EmployerListRead read = ParseEmployerList(bytes);
  ASSERT_EQ(read.status, ReadStatus::Ok);
  EXPECT_EQ(read.entries, list);
  EXPECT_EQ(EmployerDisplayText(read.entries[0]), "Bäckerei, Weg 1, Ort");
  EXPECT_EQ(EmployerDisplayText(read.entries[1]), "Firma");
}

TEST(EmployerList, ACutEntryIsFilledAndBinaryBytesAreDamage) {
  const EmployerListRead cut = ParseEmployerList("\"Firma\"\r\n\"Weg\"\r\n");
  ASSERT_EQ(cut.entries.size(), 1u);
  EXPECT_EQ(cut.entries[0][1], "Weg");
  EXPECT_EQ(cut.entries[0][2], "");
  EXPECT_EQ(ParseEmployerList(std::string("\"a\0\"", 4)).status, ReadStatus::Damaged);
}

struct PvDefault {
  const char* name;
  const char* kv_key;
  const char* pv_key;
  const char* loaded_pv_key;
};
void PrintTo(const PvDefault& c, std::ostream* os) { *os << c.name; }

class PvKeyDefault : public testing::TestWithParam<PvDefault> {};

TEST_P(PvKeyDefault, FollowsTheKvKey) {
  BlockValues block = EmptyBlock();
  block[6] = GetParam().kv_key;
  block[32] = GetParam().pv_key;
  auto record = std::make_unique<EmployeeRecord>();
  ApplyLoadedBlock(block, LoadVariant::Complete, *record);
  EXPECT_EQ(record->month_record[32], GetParam().loaded_pv_key);
  EXPECT_EQ(record->mask_fields[MaskField::PvKey], GetParam().loaded_pv_key);
}

INSTANTIATE_TEST_SUITE_P(Keys, PvKeyDefault,
                         testing::Values(PvDefault{"Kv1", "1", "", "1"}, PvDefault{"Kv2", "2", "", "1"},
                                         PvDefault{"Kv3", "3", "", "1"}, PvDefault{"Kv0", "0", "", "0"},
                                         PvDefault{"Kv6", "6", "", "0"}, PvDefault{"NoKv", "", "", "0"},
                                         PvDefault{"PvKept", "1", "2", "2"}, PvDefault{"PvZeroKept", "1", "0", "0"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadedBlock, APartialLoadEmptiesTheIncomeAndTheBookings) {
  BlockValues block = EmptyBlock();
  block[10] = "05061980";
  block[11] = "MAIER";
  block[2] = "1";
  block[15] = "300000";
  block[19] = "50000";
  block[97] = "1800";
  block[1465 - 1313] = "booked";
  auto record = std::make_unique<EmployeeRecord>();
  record->modified = true;
  ApplyLoadedBlock(block, LoadVariant::Partial, *record);
  EXPECT_EQ(record->mask_fields[MaskField::FileName], "MAIER");
  EXPECT_EQ(record->mask_fields[MaskField::TaxClass], "1");
  EXPECT_EQ(record->mask_fields[MaskField::TaxableGross], "");
  EXPECT_EQ(record->mask_fields[MaskField::TaxableOther], "");
  EXPECT_EQ(record->month_record[97], "");
  EXPECT_EQ(record->booking_table[0][0], "");
  EXPECT_EQ(record->saved_mask_fields, record->mask_fields);
  EXPECT_FALSE(record->modified);
  ApplyLoadedBlock(block, LoadVariant::Complete, *record);
  EXPECT_EQ(record->mask_fields[MaskField::TaxableGross], "3000,00");
  EXPECT_EQ(record->booking_table[0][0], "booked");
}

}  // namespace
}  // namespace pekto
