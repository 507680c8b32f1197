#include "app/checks/field_text.h"

#include <gtest/gtest.h>

#include "app/checks/input_checks.h"
#include "app/checks/tests/check_test_support.h"

namespace pekto {
namespace {

using F = MaskField;
using testing::CheckedMonth;
using testing::ValidMask;

struct FileValue {
  const char* name;
  MaskField field;
  std::string text;
  int check;  // the check that refuses it; 0 when it passes
};

void PrintTo(const FileValue& row, std::ostream* out) { *out << row.name; }

class FileValueTest : public ::testing::TestWithParam<FileValue> {};

// Values as a damaged or hand-edited file brings them: each is refused by
// the field's own check, or by the check that the text could be typed.
TEST_P(FileValueTest, IsRefusedLikeTyping) {
  const FileValue& row = GetParam();
  const CheckedMonth month(ValidMask({{row.field, row.text}}));
  const auto failure = FirstFailingCheck(month.Inputs());
  if (row.check == 0) {
    EXPECT_FALSE(failure.has_value()) << failure->number;
    return;
  }
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->number, row.check);
  EXPECT_EQ(failure->focus, row.field);
  EXPECT_EQ(failure->message.caption, "Eingabe Fehler !");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileValueTest,
    ::testing::Values(FileValue{"NegativeTaxableGross", F::TaxableGross, "-10000,00", 32},
                      FileValue{"HugeNegativeSvGross", F::SvGross, "-9999999999999,99", 33},
                      FileValue{"NegativeGrossTotalIsAllowed", F::GrossTotal, "-100,00", 0},
                      FileValue{"TooLongTaxableGross", F::TaxableGross, "12345678,00", kUntypeableFieldCheck},
                      FileValue{"TooLongName", F::FileName, "MAIERMAIER", kUntypeableFieldCheck},
                      FileValue{"BlankInName", F::FileName, "MA ER", kUntypeableFieldCheck},
                      FileValue{"BrokenUtf8InName", F::FileName, "MA\xC4R", kUntypeableFieldCheck},
                      FileValue{"MinusInTaxDays", F::TaxDays, "-30", 80}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldText, FollowsTheInputFilter) {
  EXPECT_TRUE(IsTypeableText(F::FileName, "MÜLLER"));
  EXPECT_FALSE(IsTypeableText(F::FileName, "MÜLLER-X"));
  EXPECT_TRUE(IsTypeableText(F::GrossTotal, "-100,00"));
  EXPECT_FALSE(IsTypeableText(F::TaxableGross, "-100,00"));
  EXPECT_TRUE(IsTypeableText(F::TaxableGross, ""));
  // The filter lets blank and comma into every field, as the booking
  // evaluation's right-aligned day counts need.
  EXPECT_TRUE(IsTypeableText(F::TaxDays, " 30"));
  EXPECT_FALSE(IsTypeableText(F::TaxDays, "\t30"));
  EXPECT_EQ(FirstUntypeableField(ValidMask({})), std::nullopt);
}

}  // namespace
}  // namespace pekto
