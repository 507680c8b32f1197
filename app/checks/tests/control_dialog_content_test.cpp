#include "app/checks/control_dialog_content.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

TEST(ControlDialog, SummationNamesTheMonthAndReplacesTheButtons) {
  const ControlDialogContent content =
      ControlDialogContentOf(ControlDialogMode::Summation, {"0324", "MAIER", "15.03.2024", "0224"});
  EXPECT_EQ(content.caption, "Abschluss des Abrechnungszeitraumes März 2024");
  EXPECT_EQ(content.yes_caption, "Ja, die Abrechnung ist OK");
  EXPECT_EQ(content.no_caption, "Nein, erneut abrechnen");
  ASSERT_EQ(content.lines.size(), 11u);
  EXPECT_EQ(content.lines[0], "Arbeitnehmer/Dateiname: MAIER");
  EXPECT_EQ(content.lines[1], "Datum der letzten Abrechnung: 15.03.2024");
  EXPECT_EQ(content.lines[2], "Letzter Abrechnungszeitraum:.. 0224");
  EXPECT_EQ(content.lines[5], "die Abrechnung bevor Sie auf Ja, die Abrechnung ist OK klicken.");
  EXPECT_EQ(content.lines.back(), "Sollen die aufgelaufenen Jahreszahlen jetzt gebildet werden?");
}

TEST(ControlDialog, TheOtherModesKeepCaptionAndButtons) {
  for (const auto mode : {ControlDialogMode::AnnualBasis, ControlDialogMode::PayslipOutput}) {
    const ControlDialogContent content = ControlDialogContentOf(mode);
    EXPECT_EQ(content.caption, "Kontrolle");
    EXPECT_EQ(content.yes_caption, "&Ja");
    EXPECT_EQ(content.no_caption, "&Nein");
  }
  const auto basis = ControlDialogContentOf(ControlDialogMode::AnnualBasis);
  EXPECT_EQ(basis.lines.front(), "Es ist unbedingt darauf zu achten, daß vor Auswertung");
  EXPECT_EQ(basis.lines.back(), "wiesen werden?");
  const auto payslip = ControlDialogContentOf(ControlDialogMode::PayslipOutput);
  EXPECT_EQ(payslip.lines.back(), "Abrechnung trotzdem zeigen?");
  EXPECT_EQ(payslip.Text().substr(0, payslip.lines[0].size() + 2),
            "Falls Sie die Leistungserfassung zu einem früheren\r\n");
}

TEST(ControlDialog, MonthNames) {
  EXPECT_EQ(MonthName("0124"), "Januar");
  EXPECT_EQ(MonthName("0324"), "März");
  EXPECT_EQ(MonthName("1224"), "Dezember");
  EXPECT_EQ(MonthName("1324"), "");
  EXPECT_EQ(MonthName("0024"), "");
  EXPECT_EQ(MonthName(""), "");
}

}  // namespace
}  // namespace pekto
