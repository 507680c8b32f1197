// pekto-calc --account: the payroll account of a stored month's year, with
// the year file beside the employee file, as text, into a file or as PDF;
// and the refusals of incomplete calls.
#include <gtest/gtest.h>

#include <sstream>

#include "app/files/tests/file_command_support.h"
#include "bookings/account/account_sheet.h"
#include "platform/atomic_file.h"
#include "tools/calc_command.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
using testing_support::FileCommandTest;

class AccountCommand : public FileCommandTest {
 protected:
  AccountCommand() : FileCommandTest("account_cmd") {}
  void SetUp() override {
    for (int m = 1; m <= 3; ++m) {
      const std::string period = "0" + std::to_string(m) + "24";
      if (m == 1) {
        Enter(testing_support::kMaier);
        Enter({{MaskField::Period, period.c_str()}});
      } else {
        NextMonth("MAIER.050", period.c_str());
      }
      (void)Calculate();
      ASSERT_EQ(Save().result, FileCommandResult::Done);
    }
  }
  int Run(std::vector<std::string> args, const PdfExport& pdf = {}) {
    std::istringstream in;
    std::ostringstream out, err;
    const int code = RunCalcCommand(args, in, out, err, pdf);
    out_ = out.str();
    err_ = err.str();
    return code;
  }
  [[nodiscard]] std::string File() const { return (folder_.root / "drive_c" / "PEKTO" / "01" / "MAIER.050").string(); }
  [[nodiscard]] std::string Expected() {
    const AccountYear year = AccountMonthsFromFolder(*record_, folder_.files, "C:\\PEKTO\\01");
    return DocumentText(BuildAccountSheet({*record_, year, SheetDate(TodayAsTtmmjj()), YearGarnishments(year)}));
  }
  std::string out_, err_;
};

TEST_F(AccountCommand, TextIsTheAccountTheViewerShows) {
  ASSERT_EQ(Run({"--file", File(), "--account", "text"}), 0) << err_;
  EXPECT_EQ(out_, Expected());
  EXPECT_NE(out_.find("│ Abrechnung vom . . . . bis . . . .│  Jan. 2024 │  Feb. 2024 │       Summen │"), std::string::npos)
      << out_;
  EXPECT_NE(out_.find("Mär"), std::string::npos) << "March on the second sheet";
}

TEST_F(AccountCommand, OutWritesTheTextIntoTheFileAndPdfGoesThroughTheWriter) {
  const fs::path text = folder_.root / "lohnkonto.txt";
  ASSERT_EQ(Run({"--file", File(), "--account", "text", "--out", text.string()}), 0) << err_;
  EXPECT_TRUE(out_.empty());
  EXPECT_EQ(ReadWholeFile(text).value_or(""), Expected());

  std::size_t lines = 0;
  const PdfExport writer = [&](const OutputPages& pages, const std::string&) -> std::optional<std::string> {
    lines = pages.Lines().size();
    return std::nullopt;
  };
  ASSERT_EQ(Run({"--file", File(), "--account", "pdf", "--out", "/tmp/k.pdf"}, writer), 0) << err_;
  EXPECT_EQ(lines, static_cast<std::size_t>(3 * kSheetLines)) << "two month sheets and the annual sums";
}

TEST_F(AccountCommand, ADamagedYearFileIsNamedAndNothingIsWritten) {
  ASSERT_TRUE(ReplaceFileAtomically(folder_.root / "drive_c" / "PEKTO" / "01" / "MAIER@@@_050.24",
                                    std::string("\0\0\0binary", 9)).ok);
  EXPECT_EQ(Run({"--file", File(), "--account", "text"}), 2);
  EXPECT_NE(err_.find("MAIER@@@_050.24: Die Jahresdatei ist beschädigt."), std::string::npos) << err_;
  EXPECT_TRUE(out_.empty());
}

struct Refusal {
  const char* name;
  std::vector<std::string> args;  // "FILE" stands for the employee file
  const char* message;
};
void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class AccountRefusal : public AccountCommand, public testing::WithParamInterface<Refusal> {};

TEST_P(AccountRefusal, IsRefusedWithItsMessage) {
  std::vector<std::string> args = GetParam().args;
  for (std::string& arg : args) {
    if (arg == "FILE") arg = File();
  }
  EXPECT_EQ(Run(args), 2);
  EXPECT_NE(err_.find(GetParam().message), std::string::npos) << err_;
  EXPECT_TRUE(out_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PektoCalc, AccountRefusal,
    testing::Values(Refusal{"WithoutFile", {"period=0124", "--account", "text"}, "--account braucht --file PFAD"},
                    Refusal{"UnknownFormat", {"--file", "FILE", "--account", "html"}, "--account text oder"},
                    Refusal{"PdfWithoutOut", {"--file", "FILE", "--account", "pdf"}, "braucht --out DATEI.pdf"},
                    Refusal{"WithPayslip", {"--file", "FILE", "--account", "text", "--payslip", "text"},
                            "schließen einander aus"},
                    Refusal{"MissingValue", {"--file", "FILE", "--account"}, "Nach --account fehlt text oder pdf"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pekto
