// pekto-calc over stored employee files: --file and --all.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "app/files/employee_files.h"
#include "platform/atomic_file.h"
#include "tools/calc_command.h"
#include "tools/json.h"
#include "tools/mask_input.h"
#include "tools/stored_month.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

struct CalcRun {
  int code = 0;
  std::string out;
  std::string err;
};

CalcRun Calc(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  CalcRun r;
  r.code = RunCalcCommand(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

using Fields = std::vector<std::pair<std::string, std::string>>;

const Fields kMaier = {{"period", "0324"},
                       {"birth_date", "05061980"},
                       {"file_name", "MAIER"},
                       {"state_code", "11"},
                       {"tax_class", "1"},
                       {"church_employee", "01"},
                       {"kv_key", "1"},
                       {"rv_key", "1"},
                       {"av_key", "1"},
                       {"pv_key", "1"},
                       {"kv_rate", "16,30"},
                       {"tax_days", "30"},
                       {"sv_days", "30"},
                       {"gross_total", "3250,00"},
                       {"taxable_gross", "3250,00"},
                       {"sv_gross", "3250,00"}};

std::vector<std::string> Arguments(const Fields& fields) {
  std::vector<std::string> args;
  for (const auto& [name, value] : fields) args.push_back(name + "=" + value);
  return args;
}

// A data folder C:\PEKTO\01 under a drives root named by PEKTO_DRIVES.
class StoredFileCalc : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(root_);
    fs::create_directories(folder_);
    ::setenv("PEKTO_DRIVES", root_.c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("PEKTO_DRIVES");
    fs::remove_all(root_);
  }
  // Saves the employee as the main mask does (amounts in cents, DOS umlauts).
  void Store(const std::string& name, const Fields& fields) {
    auto record = std::make_unique<EmployeeRecord>();
    for (const auto& [field, value] : fields) ASSERT_FALSE(SetMaskField(*record, field, value)) << field;
    CopyMaskToRecord(*record);
    Put(name, SerializeRecordFile(StoredBlockOf(*record)));
  }
  void Put(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(ReplaceFileAtomically(folder_ / name, bytes).ok);
  }

  fs::path root_ = fs::path(testing::TempDir()) / ("pekto_calc_files_" + std::to_string(::getpid()));
  fs::path folder_ = root_ / "drive_c" / "PEKTO" / "01";
};

TEST_F(StoredFileCalc, AFileGivesTheSameResultAsItsFields) {
  Store("MAIER.050", kMaier);
  auto args = Arguments(kMaier);
  args.push_back("--json");
  const CalcRun fields = Calc(args);
  ASSERT_EQ(fields.code, 0) << fields.err;
  const CalcRun dos = Calc({"--file", "C:\\PEKTO\\01\\MAIER.050", "--json"});
  ASSERT_EQ(dos.code, 0) << dos.err;
  EXPECT_EQ(dos.out, fields.out);
  const CalcRun host = Calc({"--file", (folder_ / "MAIER.050").string(), "--json"});
  EXPECT_EQ(host.out, fields.out);
  const CalcRun lower_case = Calc({"--file", "c:/pekto/01/maier.050", "--json"});
  EXPECT_EQ(lower_case.out, fields.out);
  const CalcRun table = Calc({"--file", "C:\\PEKTO\\01\\MAIER.050"});
  EXPECT_NE(table.out.find("Ihre Abrechnungsergebnisse in der Übersicht"), std::string::npos);
}

TEST_F(StoredFileCalc, TheStoredBookingTotalsCount) {
  Store("MAIER.050", kMaier);
  auto record = std::make_unique<EmployeeRecord>();
  ASSERT_FALSE(LoadStoredMonthFile(folder_ / "MAIER.050", *record));
  record->month_record[69] = "-100,00";  // a booked deduction after net
  CopyRecordToMask(*record, LoadVariant::Complete);
  Put("MAIER.050", SerializeRecordFile(StoredBlockOf(*record)));
  auto args = Arguments(kMaier);
  args.push_back("--json");
  const auto fields = ParseJson(Calc(args).out);
  const CalcRun stored = Calc({"--file", "C:\\PEKTO\\01\\MAIER.050", "--json"});
  ASSERT_EQ(stored.code, 0) << stored.err;
  const auto parsed = ParseJson(stored.out);
  ASSERT_TRUE(parsed.ok && fields.ok);
  const auto payout = [](const JsonValue& v) { return v.Find("arbeitnehmer")->Find("ausbezahlt")->text; };
  EXPECT_NE(payout(parsed.value), payout(fields.value));
}

struct FileError {
  const char* name;
  std::vector<std::string> args;
  const char* message_part;
};
void PrintTo(const FileError& c, std::ostream* os) { *os << c.name; }

class StoredFileErrors : public StoredFileCalc, public testing::WithParamInterface<FileError> {};

TEST_P(StoredFileErrors, EndWithExitCodeTwo) {
  Put("BAD.010", std::string(3000, '\0'));
  const CalcRun r = Calc(GetParam().args);
  EXPECT_EQ(r.code, 2);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find(GetParam().message_part), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredFileErrors,
    testing::Values(FileError{"Missing", {"--file", "C:\\PEKTO\\01\\KEINER.010"}, "wurde nicht gefunden"},
                    FileError{"Damaged", {"--file", "C:\\PEKTO\\01\\BAD.010"}, "beschädigt"},
                    FileError{"NoPath", {"--file"}, "fehlt der Pfad"},
                    FileError{
                        "FieldsBeside", {"--file", "C:\\PEKTO\\01\\BAD.010", "tax_class=1"}, "schließen einander aus"},
                    FileError{"FolderMissing", {"--all", "C:\\PEKTO\\07"}, "wurde nicht gefunden"}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<JsonValue> JsonLines(const std::string& text) {
  std::vector<JsonValue> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const auto parsed = ParseJson(line);
    EXPECT_TRUE(parsed.ok) << line;
    lines.push_back(parsed.value);
  }
  return lines;
}

TEST_F(StoredFileCalc, AllComputesEveryEmployeeFileOfTheFolder) {
  Store("MAIER.050", kMaier);
  Fields schulz = kMaier;
  schulz[1].second = "12011970";
  schulz[2].second = "SCHULZ";
  schulz[14].second = "4100,00";
  Store("SCHULZ.120", schulz);
  Store("MAIER~~~.050", kMaier);
  Put("MAIER@@@_050.24", "\"\"\r\n");
  Put("AG.DAT", "\"Firma\"\r\n");
  Put("BAD.010", std::string(3000, '\0'));
  Fields no_period = kMaier;
  no_period[0].second = "";
  Store("OHNE.150", no_period);

  const CalcRun r = Calc({"--all", "C:\\PEKTO\\01"});
  EXPECT_EQ(r.code, 2) << "a damaged file and a failing check";
  const std::vector<JsonValue> lines = JsonLines(r.out);
  ASSERT_EQ(lines.size(), 4u) << r.out;
  EXPECT_EQ(lines[0].Find("id")->text, "BAD.010");
  EXPECT_EQ(lines[0].Find("error")->kind, JsonValue::Kind::String);
  EXPECT_EQ(lines[1].Find("id")->text, "MAIER.050");
  ASSERT_NE(lines[1].Find("result"), nullptr);
  EXPECT_EQ(lines[2].Find("id")->text, "OHNE.150");
  EXPECT_EQ(lines[2].Find("error")->Find("field")->text, "16");
  EXPECT_EQ(lines[3].Find("id")->text, "SCHULZ.120");
  const auto maier_tax = lines[1].Find("result")->Find("laufende_an")->Find("lohnsteuer")->text;
  const auto schulz_tax = lines[3].Find("result")->Find("laufende_an")->Find("lohnsteuer")->text;
  EXPECT_LT(std::stoll(maier_tax), std::stoll(schulz_tax));

  const CalcRun host = Calc({"--all", folder_.string()});
  EXPECT_EQ(host.out, r.out);
}

// Files an older installation named in Windows-1252 or with the DOS
// umlauts are listed with their decoded names; a folder and a FIFO named
// like employee files are reported, not skipped.
TEST_F(StoredFileCalc, AllListsOldCodePageNamesAndReportsWhatIsNoFile) {
  Fields jaeger = kMaier;
  jaeger[2].second = "JÄGER";
  Store("J\xC4GER.031", jaeger);
  Store("J\x8EGER.041", jaeger);
  fs::create_directories(folder_ / "ORDNER.050");
  ASSERT_EQ(::mkfifo((folder_ / "ROHR.050").c_str(), 0600), 0);
  const CalcRun r = Calc({"--all", "C:\\PEKTO\\01"});
  EXPECT_EQ(r.code, 2);
  const std::vector<JsonValue> lines = JsonLines(r.out);
  ASSERT_EQ(lines.size(), 4u) << r.out;
  EXPECT_EQ(lines[0].Find("id")->text, "JÄGER.031");
  EXPECT_NE(lines[0].Find("result"), nullptr) << r.out;
  EXPECT_EQ(lines[1].Find("id")->text, "JÄGER.041");
  EXPECT_NE(lines[1].Find("result"), nullptr) << r.out;
  EXPECT_EQ(lines[2].Find("id")->text, "ORDNER.050");
  EXPECT_EQ(lines[2].Find("error")->text, "Datei ORDNER.050 ist keine Datei.");
  EXPECT_EQ(lines[3].Find("error")->text, "Datei ROHR.050 ist keine Datei.");
  const CalcRun one = Calc({"--file", "C:\\PEKTO\\01\\JÄGER.031", "--json"});
  EXPECT_EQ(one.code, 0) << one.err;
  const CalcRun folder = Calc({"--file", (folder_ / "ORDNER.050").string()});
  EXPECT_NE(folder.err.find("ist keine Datei"), std::string::npos) << folder.err;
}

TEST_F(StoredFileCalc, AllOverGoodFilesExitsZero) {
  Store("MAIER.050", kMaier);
  const CalcRun r = Calc({"--all", folder_.string()});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(JsonLines(r.out).size(), 1u);
  fs::create_directories(root_ / "empty");
  const CalcRun empty = Calc({"--all", (root_ / "empty").string()});
  EXPECT_EQ(empty.code, 0);
  EXPECT_TRUE(empty.out.empty());
}

TEST(StoredMonthPaths, TellDosFromHostPaths) {
  EXPECT_TRUE(LooksLikeDosPath("C:\\PEKTO"));
  EXPECT_TRUE(LooksLikeDosPath("c:/pekto"));
  EXPECT_FALSE(LooksLikeDosPath("/tmp/x"));
  EXPECT_FALSE(LooksLikeDosPath("MAIER.050"));
  const DosFileSystem no_root(std::nullopt);
  EXPECT_FALSE(HostPathOfArgument(no_root, "C:\\PEKTO").has_value());
  EXPECT_EQ(HostPathOfArgument(no_root, "/tmp/x"), fs::path("/tmp/x"));
}

}  // namespace
}  // namespace pekto
