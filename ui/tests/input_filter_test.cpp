#include "ui/input_filter.h"

#include <gtest/gtest.h>

#include "ui/field_state.h"

namespace pekto {
namespace {

const FieldInputRule kTaxDays{std::u32string(kDigitKeys), 3};
const FieldInputRule kTaxClass{U"123456", 1};
const FieldInputRule kName{std::u32string(kLetterKeys), 30};

struct KeyRow {
  const char* name;
  const FieldInputRule* rule;
  char32_t typed;
  int length;
  int selected;
  KeyVerdict verdict;
};
void PrintTo(const KeyRow& c, std::ostream* os) { *os << c.name; }

class FilterKeyTest : public testing::TestWithParam<KeyRow> {};

TEST_P(FilterKeyTest, Classifies) {
  const auto& row = GetParam();
  EXPECT_EQ(FilterKey(*row.rule, row.typed, row.length, row.selected), row.verdict);
}

INSTANTIATE_TEST_SUITE_P(Keys, FilterKeyTest,
                         testing::Values(KeyRow{"DigitIntoDigits", &kTaxDays, U'7', 0, 0, KeyVerdict::Pass},
                                         KeyRow{"FourthDigitRefused", &kTaxDays, U'7', 3, 0, KeyVerdict::Refuse},
                                         KeyRow{"FourthDigitOverSelection", &kTaxDays, U'7', 3, 1, KeyVerdict::Pass},
                                         KeyRow{"LetterIntoKeyField", &kTaxClass, U'a', 0, 0, KeyVerdict::Refuse},
                                         KeyRow{"DigitNotInKeyList", &kTaxClass, U'7', 0, 0, KeyVerdict::Refuse},
                                         KeyRow{"DigitInKeyList", &kTaxClass, U'3', 0, 0, KeyVerdict::Pass},
                                         KeyRow{"BackspaceInFullField", &kTaxDays, U'\b', 3, 0, KeyVerdict::Pass},
                                         KeyRow{"KeyWithoutCharacter", &kTaxDays, 0, 3, 0, KeyVerdict::Pass},
                                         KeyRow{"ReturnPasses", &kTaxClass, U'\r', 1, 0, KeyVerdict::Pass},
                                         KeyRow{"CommaAlwaysPasses", &kTaxDays, U',', 0, 0, KeyVerdict::Pass},
                                         KeyRow{"BlankAlwaysPasses", &kName, U' ', 5, 0, KeyVerdict::Pass},
                                         KeyRow{"CommaStillObeysMaxLength", &kTaxDays, U',', 3, 0, KeyVerdict::Refuse},
                                         KeyRow{"UmlautInName", &kName, U'ö', 5, 0, KeyVerdict::Pass},
                                         KeyRow{"SharpSInName", &kName, U'ß', 5, 0, KeyVerdict::Pass},
                                         KeyRow{"DigitInName", &kName, U'1', 5, 0, KeyVerdict::Refuse},
                                         KeyRow{"AccentedLetterInName", &kName, U'é', 5, 0, KeyVerdict::Refuse}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextObeysRule, PastedTextIsCheckedWhole) {
  EXPECT_TRUE(TextObeysRule(kTaxDays, "360"));
  EXPECT_FALSE(TextObeysRule(kTaxDays, "3600"));
  EXPECT_FALSE(TextObeysRule(kTaxDays, "3a"));
  EXPECT_TRUE(TextObeysRule(kName, "Müller, Jürgen"));
  EXPECT_FALSE(TextObeysRule(kName, "Tab\there"));
  EXPECT_TRUE(TextObeysRule(FieldInputRule{}, "anything 123"));
}

TEST(FieldStateStack, ASecondaryDialogRestoresTheMasksState) {
  FieldStateStack stack;
  FieldState current{335, kTaxDays, 184};
  {
    SavedFieldState saved(stack, current);
    current = FieldState{300, kName, 140};
    {
      SavedFieldState nested(stack, current);
      current = FieldState{};
      EXPECT_EQ(stack.Depth(), 2u);
    }
    EXPECT_EQ(current.current_field, 300);
  }
  EXPECT_EQ(current, (FieldState{335, kTaxDays, 184}));
  EXPECT_EQ(stack.Depth(), 0u);
  EXPECT_EQ(stack.Pop(), std::nullopt);
}

}  // namespace
}  // namespace pekto
