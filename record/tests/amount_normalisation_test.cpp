#include "record/amount_normalisation.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

struct AmountCase {
  const char* name;
  const char* typed;
  const char* stored;
  const char* shown_again;
};
void PrintTo(const AmountCase& c, std::ostream* os) { *os << c.name; }

class AmountStorage : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountStorage, StoresCentsAndShowsTheCommaFormAgain) {
  const AmountCase& c = GetParam();
  EXPECT_EQ(AmountTextToCents(c.typed), c.stored);
  EXPECT_EQ(CentsTextToAmount(c.stored), c.shown_again);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, AmountStorage,
    ::testing::Values(AmountCase{"Empty", "", "", ""},
                      AmountCase{"Thousands", "1234,56", "123456", "1234,56"},
                      AmountCase{"FiveCentsLosesOneLeadingZero", "0,05", "05", "0,05"},
                      AmountCase{"FiftyCents", "0,50", "050", "0,50"},
                      AmountCase{"Negative", "-12,30", "-1230", "-12,30"},
                      AmountCase{"LeadingBlanksRemoved", "  7,00", "700", "7,00"},
                      AmountCase{"OneTypedDecimalIsPadded", "16,5", "1650", "16,50"},
                      AmountCase{"ZeroAmount", "0,00", "00", "0,00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AmountStorage, TextsThatAreNotAmountsStayAsTheyAre) {
  EXPECT_EQ(CentsTextToAmount("12,50"), "12,50");
  EXPECT_EQ(CentsTextToAmount("abc"), "abc");
  EXPECT_EQ(AmountTextToCents("3000"), "3000");
}

TEST(RecordNormalisation, AmountSlotsAndChildAllowancesRoundTrip) {
  MonthRecord record{};
  record[15] = "3000,00";      // taxable_gross
  record[4] = "1,5";           // child allowances
  record[14] = "30";           // tax days are not an amount
  record[11] = "MAIER";
  NormaliseForStorage(record);
  EXPECT_EQ(record[15], "300000");
  EXPECT_EQ(record[4], "1.5");
  EXPECT_EQ(record[14], "30");
  RestoreForDisplay(record);
  EXPECT_EQ(record[15], "3000,00");
  EXPECT_EQ(record[4], "1,5");
  EXPECT_EQ(record[11], "MAIER");
}

TEST(RecordNormalisation, EveryAmountFieldOfTheMaskIsAnAmountSlot) {
  for (const auto& spec : kMaskFieldTable) {
    const bool amount_field =
        spec.allowed == AllowedKeys::DigitsComma || spec.allowed == AllowedKeys::DigitsCommaMinus;
    if (spec.slot == 4) continue;  // child allowances "x,x" are stored with "."
    EXPECT_EQ(IsAmountSlot(spec.slot), amount_field) << spec.name;
  }
}

}  // namespace
}  // namespace pekto
