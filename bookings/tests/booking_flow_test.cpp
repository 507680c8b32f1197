// The main mask in the calculation mode after the booking mask: RETURN
// leads through the booking mask to the calculation and the results
// overview, the booked fixed-name wage types are checked, and the
// energy-price allowance of September 2022 is asked for.
#include <gtest/gtest.h>

#include "app/checks/tests/check_test_support.h"
#include "app/dialogs/results_overview_dialog.h"
#include "app/dialogs/tests/main_mask_fixture.h"
#include "app/mask/results_overview.h"
#include "bookings/booking_dialog.h"
#include "bookings/wage_type_dialog.h"
#include "record/annual_block.h"
#include "record/booking_slots.h"

namespace pekto {
namespace {

using F = MaskField;
namespace col = booking_column;

class BookingFlowTest : public testing_support::MainMaskTest {
 protected:
  void OpenAfterBookingMask(MaskFields mask) {
    Open();
    dialog_->MenuActions(MainDialog::kAfterBookingMask).front()->trigger();
    for (const F f : {F::GrossTotal, F::TaxDays, F::TaxableGross, F::SvDays, F::SvGross}) mask[f].clear();
    Fill(mask);
    state_.record.annual_block[annual_slot::kEntryDate] = "010120";  // the payroll account is filled
  }
  // Books one line in the booking mask as typed.
  static void Book(BookingDialog& d, const std::string& number, const std::string& quantity,
                   const std::string& amount = "") {
    d.Focus(BookingDialog::kEditLine + col::kWageType);
    d.SetText(BookingDialog::kEditLine + col::kWageType, number);
    d.Focus(BookingDialog::kEditLine + col::kQuantity);
    d.SetText(BookingDialog::kEditLine + col::kQuantity, quantity);
    d.SetText(BookingDialog::kEditLine + col::kAmount, amount);
    d.SendCommand(kIdOk);
  }
  void ExpectOverview(std::string* lohnsteuer, std::string* note = nullptr) {
    responder_.HandleDialog([lohnsteuer, note](QWidget& widget) {
      auto& overview = dynamic_cast<ResultsOverviewDialog&>(widget);
      *lohnsteuer = overview.Text(overview_control::Grid(0, 0));
      if (note != nullptr) *note = overview.Text(overview_control::kNoteFrame);
      overview.SendCommand(overview_control::kAccept);
    });
  }
};

TEST_F(BookingFlowTest, ReturnBooksEvaluatesAndCalculates) {
  OpenAfterBookingMask(testing::ValidMask({{F::ChurchEmployee, "01"}}));
  EXPECT_TRUE(Edit(F::TaxableGross)->isReadOnly());
  responder_.HandleDialog([](QWidget& widget) {
    auto& d = dynamic_cast<BookingDialog&>(widget);
    Book(d, "1", "1", "2800,00");
    Book(d, "3", "2", "50,00");
    Book(d, "4", "1", "99,00");
    Book(d, "44", "30");
    Book(d, "45", "30");
    d.SendCommand(BookingDialog::kFirstRowButton + 1);  // change: four hours
    d.SetText(BookingDialog::kEditLine + col::kQuantity, "4");
    d.SendCommand(kIdOk);
    d.SendCommand(BookingDialog::kFirstRowButton + 2);  // delete the Aushilfslohn
    d.SendCommand(BookingDialog::kDeleteButton);
    EXPECT_EQ(d.Text(BookingDialog::CellId(1, col::kTotal)), "200,00");
    EXPECT_EQ(d.Text(BookingDialog::CellId(2, col::kWageType)), "44");
    d.SendCommand(BookingDialog::kContinue);
  });
  std::string tax, note;
  ExpectOverview(&tax, &note);
  Focus(F::BirthDate);
  Press(Qt::Key_Return);
  ASSERT_EQ(responder_.dialogs_handled, 2);
  EXPECT_EQ(responder_.unexpected, 0);
  EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text;
  // The same month as typed totals: 3000,00 in March 2024, class 1.
  EXPECT_EQ(tax, "317,08");
  EXPECT_NE(note, "Hinweis: Eine ausführliche Darstellung erfogt nicht!");
  EXPECT_EQ(TextOf(F::GrossTotal), "3000,00");
  EXPECT_EQ(TextOf(F::TaxableGross), "3000,00");
  EXPECT_EQ(TextOf(F::TaxDays), " 30");
  EXPECT_EQ(state_.record.month_record[booking_slot::kCategory1Total], "3000,00");
  EXPECT_TRUE(FilledFromBookings(state_.record));
  EXPECT_TRUE(state_.calculation.started_from_booking_mask);
}

TEST_F(BookingFlowTest, SwitchingTheModeBackKeepsTheTypedAmounts) {
  Open();
  Fill(testing::ValidMask());
  dialog_->MenuActions(MainDialog::kAfterBookingMask).front()->trigger();
  dialog_->MenuActions(MainDialog::kWithoutBookingMask).front()->trigger();
  EXPECT_EQ(TextOf(F::TaxableGross), "3000,00");
  EXPECT_EQ(TextOf(F::SvGross), "3000,00");
  EXPECT_EQ(TextOf(F::TaxDays), "30");
  EXPECT_FALSE(Edit(F::SvGross)->isReadOnly());
}

TEST_F(BookingFlowTest, TheEnergyAllowanceIsAskedForInSeptember2022AndBookedOnYes) {
  OpenAfterBookingMask(testing::ValidMask({{F::Period, "0922"}}));
  responder_.HandleDialog([](QWidget& widget) {
    auto& d = dynamic_cast<BookingDialog&>(widget);
    Book(d, "1", "1", "3000,00");
    Book(d, "44", "30");
    Book(d, "45", "30");
    d.SendCommand(BookingDialog::kContinue);
  });
  // Yes to "Möchten Sie die Energiepauschale noch buchen ?": the booking
  // mask opens again for it.
  responder_.HandleDialog([](QWidget& widget) {
    auto& d = dynamic_cast<BookingDialog&>(widget);
    Book(d, "12", "1", "300,00");
    d.SendCommand(BookingDialog::kContinue);
  });
  boxes_.answers = {MessageResult::Yes};
  Press(Qt::Key_Return);
  EXPECT_EQ(responder_.dialogs_handled, 2);
  ASSERT_EQ(boxes_.shown.size(), 2U);
  EXPECT_TRUE(boxes_.shown[0].text.ends_with("Möchten Sie die Energiepauschale noch buchen ?"));
  // The allowance is a one-off payment: the mask asks for its years.
  EXPECT_TRUE(boxes_.shown[1].text.ends_with("die Einmalzahlung angeben...."));
  EXPECT_EQ(Current(), NumberOf(F::OtherYears));
  EXPECT_EQ(TextOf(F::TaxableOther), "300,00");
  Type(F::OtherYears, "1");
  std::string tax;
  ExpectOverview(&tax);
  Press(Qt::Key_Return);  // the evaluated bookings are calculated
  EXPECT_EQ(responder_.dialogs_handled, 3);
  EXPECT_EQ(responder_.unexpected, 0);
  EXPECT_FALSE(tax.empty());
}

TEST_F(BookingFlowTest, AnEnergyAllowanceOfAnotherAmountStopsTheCalculation) {
  OpenAfterBookingMask(testing::ValidMask({{F::Period, "1022"}}));
  responder_.HandleDialog([](QWidget& widget) {
    auto& d = dynamic_cast<BookingDialog&>(widget);
    Book(d, "1", "1", "3000,00");
    Book(d, "12", "1", "200,00");
    Book(d, "44", "30");
    Book(d, "45", "30");
    d.SendCommand(BookingDialog::kContinue);
  });
  Type(F::OtherYears, "1");
  Press(Qt::Key_Return);
  EXPECT_EQ(responder_.dialogs_handled, 1) << "no overview";
  ASSERT_FALSE(boxes_.shown.empty());
  EXPECT_EQ(boxes_.shown.back().text,
            "Die EG-Pauschale Steuerklasse muss 300,00 Euro\r\nbetragen.\r\n\r\nBitte ändern Sie den Buchungsbetrsg.");
}

TEST_F(BookingFlowTest, AOneOffPaymentOfAnotherYearAsksToCheckTheExpectedIncomeFirst) {
  OpenAfterBookingMask(testing::ValidMask({{F::ExpectedAnnualIncome, "36000,00"}, {F::OtherYears, "1"}}));
  state_.record.annual_block[annual_slot::kLastSummation] = "122023";
  responder_.HandleDialog([](QWidget& widget) {
    auto& d = dynamic_cast<BookingDialog&>(widget);
    Book(d, "1", "1", "3000,00");
    Book(d, "6", "1", "1000,00");  // Weihnachtsgeld: a one-off payment
    Book(d, "44", "30");
    Book(d, "45", "30");
    d.SendCommand(BookingDialog::kContinue);
  });
  Press(Qt::Key_Return);
  ASSERT_EQ(boxes_.shown.size(), 1U);
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Überprüfen Sie, ob die Eintragung im"));
  EXPECT_EQ(Current(), NumberOf(F::ExpectedAnnualIncome));
  EXPECT_EQ(TextOf(F::TaxableOther), "1000,00");
  // RETURN now goes on with the calculation.
  std::string tax;
  ExpectOverview(&tax);
  Press(Qt::Key_Return);
  EXPECT_EQ(responder_.dialogs_handled, 2);
  EXPECT_FALSE(tax.empty());
}

TEST_F(BookingFlowTest, LohnartendateiOpensTheEditorOverTheInstallationsWageTypes) {
  Open();
  std::string first;
  responder_.HandleDialog([&first](QWidget& widget) {
    auto& editor = dynamic_cast<WageTypeDialog&>(widget);
    first = editor.Text(WageTypeDialog::CellId(0, wage_column::kName));
    editor.SendCommand(kIdCancel);
  });
  dialog_->MenuActions(MainDialog::kWageTypeFile).front()->trigger();
  EXPECT_EQ(responder_.dialogs_handled, 1);
  EXPECT_EQ(first, "Gehalt");
}

// "&Zubehör" of the booking mask starts the accessories as the main mask
// does: the token first, then the program in the installation folder.
TEST_F(BookingFlowTest, TheAccessoriesMenuOfTheBookingMaskStartsThem) {
  Open();
  responder_.HandleDialog([](QWidget& widget) {
    auto& booking = dynamic_cast<BookingDialog&>(widget);
    booking.SendCommand(BookingDialog::kCalculator);
    booking.SendCommand(kIdCancel);
  });
  dialog_->SendCommand(MainDialog::kBookingMask);
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0].program, "C:\\PEKTO\\FIMREL.EXE");
  EXPECT_TRUE(installation_.files.FileExists("C:\\PEKTO\\START.DAT"));
}

}  // namespace
}  // namespace pekto
