// The social-insurance number: form and check digit of the pension
// insurance (§ 147 SGB VI, § 2 VKVV).
#include "bookings/account/sv_number.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace pekto {
namespace {

struct SvNumberCase {
  std::string_view name;
  std::string_view text;
  SvNumberFault fault;
};

void PrintTo(const SvNumberCase& c, std::ostream* os) { *os << c.name << " \"" << c.text << "\""; }

class SvNumberTest : public ::testing::TestWithParam<SvNumberCase> {};

TEST_P(SvNumberTest, IsJudgedByItsForm) { EXPECT_EQ(CheckSvNumber(GetParam().text), GetParam().fault); }

using enum SvNumberFault;

constexpr SvNumberCase kCases[] = {
    // Valid numbers; the check digits worked by hand from the weights.
    {"PublishedExample", "15070649C103", None},
    {"SecondPublishedExample", "10010490A443", None},
    {"WithBlanksAsPrinted", "12 150485 M 128", None},
    {"LowerCaseInitial", "12150485m128", None},
    {"LetterZAndFemaleSerial", "24010180Z557", None},
    {"DayRaisedBy32", "04440790K515", None},
    {"DayNotKnown", "53001286S508", None},
    {"LeapDayOfYear00", "38290200B498", None},
    {"LastAreaAndNewYearsEve", "02311299W995", None},
    {"FirstOfMonthRaisedBy64", "89650764A012", None},
    {"FirstOfMonthRaisedBy96", "13970764K021", None},
    // Invalid numbers.
    {"CheckDigitWrong", "15070649C104", CheckDigit},
    {"SerialDigitsSwapped", "15070649C013", CheckDigit},
    {"CheckDigitALetter", "15070649C10X", CheckDigit},
    {"TooShort", "15070649C10", Length},
    {"TooLong", "15070649C1033", Length},
    {"Empty", "", Length},
    {"AreaNumber00", "00070649C103", AreaNumber},
    {"AreaNumber01", "01070649C103", AreaNumber},
    {"AreaNumber90", "90070649C103", AreaNumber},
    {"AreaNotDigits", "A5070649C103", AreaNumber},
    {"Month13", "15071349C103", BirthDate},
    {"ThirtyFirstOfApril", "15310449C103", BirthDate},
    {"TwentyNinthFebruaryOfNonLeapYear", "15290285C103", BirthDate},
    {"DayRaisedBeyond96", "15990649C103", BirthDate},
    {"SecondOfMonthRaisedBy96", "13980764K027", BirthDate},
    {"DateWithLetter", "1507O649C103", BirthDate},
    {"InitialADigit", "150706491103", Initial},
    {"InitialAnUmlautIsTooLong", "15070649Ä103", Length},
    {"SerialWithLetter", "15070649CA03", SerialNumber},
};

INSTANTIATE_TEST_SUITE_P(Rows, SvNumberTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every single wrong digit in the date or serial number changes the check
// digit: the weights catch each one.
TEST(SvNumberCheckDigit, CatchesEverySingleDigitChange) {
  const std::string valid = "15070649C103";
  for (const std::size_t at : {2u, 3u, 4u, 5u, 6u, 7u, 9u, 10u}) {
    for (char digit = '0'; digit <= '9'; ++digit) {
      if (digit == valid[at]) continue;
      std::string changed = valid;
      changed[at] = digit;
      if (CheckSvNumber(changed) == SvNumberFault::BirthDate) continue;
      EXPECT_EQ(CheckSvNumber(changed), SvNumberFault::CheckDigit) << changed;
    }
  }
}

TEST(SvNumberCheckDigit, ComesFromTheFirstElevenCharacters) {
  EXPECT_EQ(SvNumberCheckDigit("15070649C10"), 3);
  EXPECT_EQ(SvNumberCheckDigit("65170839J00"), 3);
  EXPECT_EQ(SvNumberCheckDigit("1507064"), std::nullopt);
  EXPECT_EQ(SvNumberCheckDigit("150706491103"), std::nullopt);
}

TEST(SvNumberCompact, DropsBlanksAndRaisesTheLetter) {
  EXPECT_EQ(CompactSvNumber(" 15 070649 c 103 "), "15070649C103");
}

}  // namespace
}  // namespace pekto
