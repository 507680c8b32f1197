// pekto-calc --payslip: the sheets of a stored month as text, and the
// refusals of incomplete calls.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "app/files/employee_files.h"
#include "bookings/payslip.h"
#include "bookings/tests/payslip_fixtures.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "tools/calc_command.h"
#include "tools/stored_month.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

class PayslipCommand : public testing::Test {
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
  // Saves the record as the main mask does and reads it back as a load does.
  std::unique_ptr<EmployeeRecord> Store(const EmployeeRecord& original) {
    auto record = std::make_unique<EmployeeRecord>(original);
    CopyMaskToRecord(*record);
    EXPECT_TRUE(ReplaceFileAtomically(folder_ / "MAIER.150", SerializeRecordFile(StoredBlockOf(*record))).ok);
    auto loaded = std::make_unique<EmployeeRecord>();
    EXPECT_FALSE(LoadStoredMonthFile(folder_ / "MAIER.150", *loaded));
    return loaded;
  }
  int Run(const std::vector<std::string>& args, const PdfExport& pdf = {}) {
    std::istringstream in;
    std::ostringstream out, err;
    const int code = RunCalcCommand(args, in, out, err, pdf);
    out_ = out.str();
    err_ = err.str();
    return code;
  }

  fs::path root_ = fs::path(testing::TempDir()) / ("pekto_payslip_cmd_" + std::to_string(::getpid()));
  fs::path folder_ = root_ / "drive_c" / "PEKTO" / "01";
  std::string out_, err_;
};

TEST_F(PayslipCommand, TextIsTheViewersSheetsDecodedToUtf8) {
  const auto loaded = Store(*testing_support::OrdinaryMonth());
  ASSERT_EQ(Run({"--file", "C:\\PEKTO\\01\\MAIER.150", "--payslip", "text"}), 0) << err_;
  EXPECT_EQ(out_, DocumentText(BuildPayslipOf(*loaded, WageTypeTable{}, false).pages));
  EXPECT_NE(out_.find("│      │    │ Nettolohn                 │ │ │          │          │   2022,89│"),
            std::string::npos);
  EXPECT_NE(out_.find("Jürgen Maier"), std::string::npos);
}

TEST_F(PayslipCommand, BookingsNameTheirWageTypesFromTheInstallation) {
  auto record = std::make_unique<EmployeeRecord>(*testing_support::OrdinaryMonth());
  BookingRow& row = record->booking_table[0];
  row[0] = "01";
  row[1] = "01";
  row[2] = "1";
  row[4] = "1";
  row[5] = "3000,00";
  row[6] = "3000,00";
  row[7] = "1";
  row[8] = "1";
  (void)Store(*record);
  ASSERT_TRUE(ReplaceFileAtomically(folder_.parent_path() / "LOHNAR.DAT",
                                    "01\r\n01\r\nGehalt\r\n1\r\n1\r\n1\r\n1\r\n\r\n\r\n\r\n").ok);
  ASSERT_EQ(Run({"--file", (folder_ / "MAIER.150").string(), "--bookings", "--payslip", "text"}), 0) << err_;
  EXPECT_NE(out_.find("│      │ 01 │ Gehalt                    │L│L│   3000,00│         1│   3000,00│"),
            std::string::npos)
      << out_;
  ASSERT_EQ(Run({"--file", (folder_ / "MAIER.150").string(), "--payslip", "text"}), 0);
  EXPECT_EQ(out_.find("Gehalt"), std::string::npos) << "without --bookings the bookings are not listed";
}

struct Refusal {
  const char* name;
  std::vector<std::string> args;
};
void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class PayslipRefusals : public PayslipCommand, public testing::WithParamInterface<Refusal> {};

TEST_P(PayslipRefusals, EndWithExitCodeTwoAndAReason) {
  EXPECT_EQ(Run(GetParam().args), 2);
  EXPECT_FALSE(err_.empty());
  EXPECT_TRUE(out_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PayslipCommand, PayslipRefusals,
    testing::Values(Refusal{"WithoutFile", {"period=0124", "--payslip", "text"}},
                    Refusal{"UnknownFormat", {"--file", "C:\\PEKTO\\01\\MAIER.150", "--payslip", "html"}},
                    Refusal{"PdfWithoutOut", {"--file", "C:\\PEKTO\\01\\MAIER.150", "--payslip", "pdf"}},
                    Refusal{"MissingFile", {"--file", "C:\\PEKTO\\01\\FEHLT.150", "--payslip", "text"}},
                    Refusal{"PdfWithoutWriter",
                            {"--file", "C:\\PEKTO\\01\\MAIER.150", "--payslip", "pdf", "--out", "/tmp/x.pdf"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PayslipCommand, PdfGoesThroughTheWriterWithTheSheets) {
  const auto loaded = Store(*testing_support::OrdinaryMonth());
  std::string written_to;
  std::size_t lines = 0;
  const PdfExport writer = [&](const OutputPages& pages, const std::string& path) -> std::optional<std::string> {
    written_to = path;
    lines = pages.Lines().size();
    return std::nullopt;
  };
  ASSERT_EQ(Run({"--file", "C:\\PEKTO\\01\\MAIER.150", "--payslip", "pdf", "--out", "/tmp/a.pdf"}, writer), 0);
  EXPECT_EQ(written_to, "/tmp/a.pdf");
  EXPECT_EQ(lines, static_cast<std::size_t>(kSheetLines));
  const PdfExport failing = [](const OutputPages&, const std::string&) -> std::optional<std::string> {
    return "Die Datei kann nicht geschrieben werden.";
  };
  EXPECT_EQ(Run({"--file", "C:\\PEKTO\\01\\MAIER.150", "--payslip", "pdf", "--out", "/x/a.pdf"}, failing), 2);
  EXPECT_NE(err_.find("Die Datei kann nicht geschrieben werden."), std::string::npos);
}

}  // namespace
}  // namespace pekto
