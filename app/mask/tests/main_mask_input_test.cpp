#include "app/mask/main_mask_input.h"

#include <gtest/gtest.h>

#include <set>

namespace pekto {
namespace {

using F = MaskField;

struct TypedRow {
  const char* name;
  MaskField field;
  char32_t typed;
  int length;  // characters already in the field
  KeyVerdict verdict;
};
void PrintTo(const TypedRow& c, std::ostream* os) { *os << c.name; }

class FieldFilterTest : public testing::TestWithParam<TypedRow> {};

TEST_P(FieldFilterTest, ClassifiesTheKey) {
  const TypedRow& row = GetParam();
  EXPECT_EQ(FilterKey(FieldInputRuleOf(row.field), row.typed, row.length, 0), row.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FieldFilterTest,
    testing::Values(TypedRow{"LetterIntoKeyField", F::KvKey, U'a', 0, KeyVerdict::Refuse},
                    TypedRow{"DigitOutsideTheKeyList", F::KvKey, U'2', 0, KeyVerdict::Refuse},
                    TypedRow{"DigitOfTheKeyList", F::KvKey, U'9', 0, KeyVerdict::Pass},
                    TypedRow{"SecondDigitIntoAKeyField", F::TaxClass, U'3', 1, KeyVerdict::Refuse},
                    TypedRow{"TaxClassSeven", F::TaxClass, U'7', 0, KeyVerdict::Refuse},
                    TypedRow{"FourthDigitIntoTaxDays", F::TaxDays, U'4', 3, KeyVerdict::Refuse},
                    TypedRow{"ThirdDigitIntoTaxDays", F::TaxDays, U'6', 2, KeyVerdict::Pass},
                    TypedRow{"UmlautIntoTheFileName", F::FileName, U'Ö', 0, KeyVerdict::Pass},
                    TypedRow{"EighthCharacterOfTheFileName", F::FileName, U'x', 7, KeyVerdict::Refuse},
                    TypedRow{"LetterIntoAnAmount", F::TaxableGross, U'e', 0, KeyVerdict::Refuse},
                    TypedRow{"MinusIntoAnAmount", F::TaxableGross, U'-', 0, KeyVerdict::Refuse},
                    TypedRow{"MinusIntoTheGrossTotal", F::GrossTotal, U'-', 0, KeyVerdict::Pass},
                    TypedRow{"MinusIntoTheAllowance", F::AnnualAllowance, U'-', 0, KeyVerdict::Pass},
                    TypedRow{"CommaAlwaysPasses", F::TaxDays, U',', 0, KeyVerdict::Pass},
                    TypedRow{"PeriodTakesDigitsOnly", F::Period, U'.', 0, KeyVerdict::Refuse},
                    TypedRow{"InsolvencyExceptionOnlyOne", F::InsolvencyException, U'2', 0, KeyVerdict::Refuse}),
    [](const testing::TestParamInfo<TypedRow>& info) { return std::string(info.param.name); });

TEST(KeyFields, AreTheFieldsWithAKeyDirectoryButton) {
  std::set<MaskField> with_button;
  for (int id = 550; id <= 567; ++id) with_button.insert(*FieldOfKeyButton(id));
  std::set<MaskField> key_fields;
  for (int number = 1; number <= kMaskFieldCount; ++number) {
    if (HasKeyDirectory(static_cast<MaskField>(number))) key_fields.insert(static_cast<MaskField>(number));
  }
  EXPECT_EQ(key_fields, with_button);
  EXPECT_TRUE(HasKeyDirectory(F::TaxClass));
  EXPECT_FALSE(HasKeyDirectory(F::TaxDays));
}

TEST(KeyDirectoryPopup, TheLandEntriesWriteTheirKeysAndTheFieldCanBeEmptied) {
  const auto entries = KeyDirectoryEntries(*KeyDirectoryOf(F::StateCode, MaskFields{}));
  ASSERT_EQ(entries.size(), 19u);
  EXPECT_EQ(entries[10], (PopupEntry{"11=Nordrhein-&Westfalen", 7230, true, false}));
  EXPECT_TRUE(entries[17].separator);
  EXPECT_EQ(entries[18].command, kEmptyFieldCommand);
  EXPECT_EQ(*KeyOfCommand(entries[18].command), "");
}

TEST(KeyDirectoryPopup, HeadingAndNotesAreShownButCannotBeChosen) {
  const auto net_wage = KeyDirectoryEntries(*KeyDirectoryOf(F::NetWageAgreement, MaskFields{}));
  ASSERT_GE(net_wage.size(), 4u);
  EXPECT_EQ(net_wage[0].text, "Achtung:");
  EXPECT_FALSE(net_wage[0].Selectable());
  EXPECT_TRUE(net_wage[3].separator);
  EXPECT_EQ(net_wage[4].text, "&1=NTLV für alle gesetzlichen Abzüge");
  EXPECT_EQ(net_wage[4].command, 800);
  const auto rv = KeyDirectoryEntries(*KeyDirectoryOf(F::RvKey, MaskFields{}));
  EXPECT_FALSE(rv[4].Selectable());
  EXPECT_TRUE(rv[4].text.starts_with("     Ab dem 01.01.2013"));
}

TEST(KeyDirectoryPopup, DirectoriesWithoutEntriesOfferNothingToChoose) {
  MaskFields no_land;
  for (const MaskField field : {F::KvRate, F::ChurchEmployee}) {
    const auto entries = KeyDirectoryEntries(*KeyDirectoryOf(field, no_land));
    ASSERT_FALSE(entries.empty());
    for (const PopupEntry& entry : entries) EXPECT_FALSE(entry.Selectable()) << entry.text;
  }
}

TEST(KeyDirectoryPopup, ChurchEntriesWriteTwoDigitKeys) {
  MaskFields hessen;
  hessen[F::StateCode] = "08";
  hessen[F::Period] = "0324";
  const auto entries = KeyDirectoryEntries(*KeyDirectoryOf(F::ChurchSpouse, hessen));
  EXPECT_EQ(entries.front().text, "0&1=Evangelisch");
  EXPECT_EQ(*KeyOfCommand(entries.front().command), "01");
}

}  // namespace
}  // namespace pekto
