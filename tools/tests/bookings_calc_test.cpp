// pekto-calc --file/--all --bookings: the stored booking lines evaluated
// into the month and calculated, as the main mask does after the booking
// mask.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/files/employee_files.h"
#include "app/mask/mask_calculation.h"
#include "bookings/booking_evaluation.h"
#include "platform/atomic_file.h"
#include "tools/calc_command.h"
#include "tools/mask_input.h"
#include "tools/result_output.h"
#include "tools/stored_month.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
using F = MaskField;

struct CalcRun {
  int code = 0;
  std::string out, err;
};

CalcRun Calc(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out, err;
  CalcRun r;
  r.code = RunCalcCommand(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

class BookingsCalc : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(root_);
    fs::create_directories(folder_);
    ::setenv("PEKTO_DRIVES", root_.c_str(), 1);
    fs::copy_file(fs::path(PEKTO_SOURCE_DIR) / "resources" / "data" / "LOHNAR.DAT", folder_.parent_path() / "LOHNAR.DAT");
  }
  void TearDown() override {
    ::unsetenv("PEKTO_DRIVES");
    fs::remove_all(root_);
  }
  // A month with its personal data and booking lines, no typed totals.
  void Store(const std::string& name, std::string_view period, const std::vector<BookingRow>& lines,
             const std::vector<std::pair<std::string, std::string>>& extra = {}) {
    auto record = std::make_unique<EmployeeRecord>();
    const std::pair<const char*, std::string_view> fields[] = {
        {"period", period},   {"birth_date", "05061980"}, {"file_name", "MAIER"}, {"state_code", "11"},
        {"tax_class", "1"},   {"church_employee", "01"},   {"kv_key", "1"},       {"rv_key", "1"},
        {"av_key", "1"},      {"pv_key", "1"},             {"kv_rate", "16,30"}};
    for (const auto& [field, value] : fields) ASSERT_FALSE(SetMaskField(*record, field, std::string(value))) << field;
    for (const auto& [field, value] : extra) ASSERT_FALSE(SetMaskField(*record, field, value)) << field;
    for (std::size_t i = 0; i < lines.size(); ++i) record->booking_table[i] = lines[i];
    CopyMaskToRecord(*record);
    ASSERT_TRUE(ReplaceFileAtomically(folder_ / name, SerializeRecordFile(StoredBlockOf(*record))).ok);
  }
  // What the main mask computes for the stored file after the evaluation.
  std::string MaskResult(const std::string& name) {
    auto record = std::make_unique<EmployeeRecord>();
    EXPECT_FALSE(LoadStoredMonthFile(folder_ / name, *record));
    EvaluateBookings(*record);
    WageTypeTable wage_types;
    LoadWageTypes(DosFileSystem(root_), "C:\\PEKTO\\LOHNAR.DAT", wage_types);
    CalculationSettings settings;
    settings.bookings = BookedWageTypes(record->booking_table, wage_types);
    RecordingMessageBoxes boxes;
    const MaskCalculation outcome = CalculateMask(*record, boxes, settings);
    EXPECT_TRUE(outcome.calculated);
    return outcome.result ? ResultJson(*outcome.result) : std::string();
  }

  fs::path root_ = fs::path(testing::TempDir()) / ("pekto_calc_bookings_" + std::to_string(::getpid()));
  fs::path folder_ = root_ / "drive_c" / "PEKTO" / "01";
};

BookingRow Line(std::string running, std::string number, std::string category, std::string quantity,
                std::string amount, std::string total, std::string tax, std::string sv) {
  return {running, number, category, "", quantity, amount, total, tax, sv, "", "", "", ""};
}

const std::vector<BookingRow> kMonth = {
    Line("01", "1", "1", "1", "2800,00", "2800,00", "1", "1"),
    Line("02", "3", "1", "4", "50,00", "200,00", "1", "1"),
    Line("03", "44", "9", "30", "", "", "", ""),
    Line("04", "45", "0", "30", "", "", "", ""),
};

TEST_F(BookingsCalc, TheFileGivesWhatTheMaskComputesAfterTheBookingMask) {
  Store("MAIER.050", "0324", kMonth);
  const CalcRun run = Calc({"--file", "C:\\PEKTO\\01\\MAIER.050", "--bookings", "--json"});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string mask = MaskResult("MAIER.050");
  ASSERT_FALSE(mask.empty());
  ASSERT_TRUE(run.out.starts_with(mask.substr(0, mask.size() - 1) + ",\"evaluated\":{")) << run.out;
  EXPECT_NE(run.out.find("\"gross_total\":\"3000,00\""), std::string::npos);
  EXPECT_NE(run.out.find("\"tax_days\":\" 30\""), std::string::npos);
  EXPECT_NE(run.out.find("\"lohnsteuer\":31708"), std::string::npos) << "3000,00 in March 2024, class 1";
}

TEST_F(BookingsCalc, WithoutBookingsTheTotalsOfTheFileAreEmpty) {
  Store("MAIER.050", "0324", kMonth);
  const CalcRun run = Calc({"--file", "C:\\PEKTO\\01\\MAIER.050", "--json", "--no-checks"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("\"lohnsteuer\":0"), std::string::npos);
  EXPECT_EQ(run.out.find("evaluated"), std::string::npos);
}

TEST_F(BookingsCalc, AllFilesAreEvaluatedAndTheBookedWageTypesChecked) {
  Store("MAIER.050", "0324", kMonth);
  std::vector<BookingRow> allowance = kMonth;
  allowance.push_back(Line("05", "12", "1", "1", "200,00", "200,00", "2", "4"));
  Store("SCHULZ.311", "1022", allowance, {{"other_years", "1"}, {"birth_date", "31011990"}, {"file_name", "SCHULZ"}});
  const CalcRun run = Calc({"--all", "C:\\PEKTO\\01", "--bookings"});
  EXPECT_EQ(run.code, 2);
  std::istringstream lines(run.out);
  std::string maier, schulz;
  std::getline(lines, maier);
  std::getline(lines, schulz);
  EXPECT_TRUE(maier.starts_with("{\"id\":\"MAIER.050\",\"result\":")) << maier;
  EXPECT_NE(maier.find("\"evaluated\":{\"gross_total\":\"3000,00\""), std::string::npos) << maier;
  EXPECT_NE(schulz.find("Die EG-Pauschale Steuerklasse muss 300,00 Euro"), std::string::npos) << schulz;
}

TEST_F(BookingsCalc, BookingsNeedAFile) {
  const CalcRun run = Calc({"period=0324", "--bookings"});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("--bookings gilt nur mit --file oder --all"), std::string::npos);
}

}  // namespace
}  // namespace pekto
