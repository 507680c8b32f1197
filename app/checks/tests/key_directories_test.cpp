#include "app/checks/key_directories.h"

#include <gtest/gtest.h>

#include <set>

namespace pekto {
namespace {

using F = MaskField;

MaskFields MaskIn(std::string_view state_code, std::string_view period) {
  MaskFields mask;
  mask[F::StateCode] = std::string(state_code);
  mask[F::Period] = std::string(period);
  return mask;
}

std::vector<MaskField> KeyButtonFields() {
  std::vector<MaskField> fields;
  for (int id = 550; id <= 567; ++id) fields.push_back(*FieldOfKeyButton(id));
  return fields;
}

// Whether the field's input filter lets the key be typed.
bool FilterAllows(MaskField field, std::string_view key) {
  const MaskFieldSpec& spec = SpecOf(field);
  if (key.empty() || static_cast<int>(key.size()) > spec.max_length) return false;
  for (const char c : key) {
    if (c < '0' || c > '9') return false;
    if (spec.allowed == AllowedKeys::KeyList && spec.key_digits.find(c) == std::string_view::npos) return false;
  }
  return true;
}

TEST(KeyDirectories, EveryEntryWritesAKeyTheFieldsFilterAllows) {
  for (int land = 1; land <= 17; ++land) {
    for (const int year : {2007, 2008, 2019, 2020, 2024}) {
      const std::string period = "01" + std::to_string(year % 100 + 100).substr(1);
      const MaskFields mask = MaskIn(std::to_string(land), period);
      for (const MaskField field : KeyButtonFields()) {
        const auto directory = KeyDirectoryOf(field, mask);
        ASSERT_TRUE(directory.has_value()) << SpecOf(field).name;
        for (const KeyEntry& entry : directory->entries) {
          EXPECT_TRUE(FilterAllows(field, entry.key)) << SpecOf(field).name << " " << entry.text;
          const auto command = CommandOfEntry(field, entry.key);
          ASSERT_TRUE(command.has_value()) << entry.text;
          EXPECT_EQ(KeyOfCommand(*command), std::string(entry.key)) << entry.text;
        }
      }
    }
  }
}

TEST(KeyDirectories, TheEighteenKeyButtonsOpenEighteenDirectories) {
  const auto fields = KeyButtonFields();
  EXPECT_EQ(std::set<MaskField>(fields.begin(), fields.end()).size(), 18u);
  EXPECT_EQ(FieldOfKeyButton(550), F::NetWageAgreement);
  EXPECT_EQ(FieldOfKeyButton(567), F::KvRate);
  EXPECT_FALSE(FieldOfKeyButton(549).has_value());
  EXPECT_FALSE(FieldOfKeyButton(568).has_value());
  EXPECT_FALSE(KeyDirectoryOf(F::TaxDays, MaskFields{}).has_value());
}

TEST(KeyDirectories, ChoosingNordrheinWestfalenWrites11) {
  const auto directory = KeyDirectoryOf(F::StateCode, MaskFields{});
  ASSERT_TRUE(directory.has_value());
  ASSERT_EQ(directory->entries.size(), 17u);
  EXPECT_EQ(directory->entries[10], (KeyEntry{"11=Nordrhein-&Westfalen", "11"}));
  EXPECT_EQ(CommandOfEntry(F::StateCode, "11"), 7230);
  EXPECT_EQ(KeyOfCommand(7230), "11");
}

TEST(KeyDirectories, CommandsWriteTheirKeys) {
  EXPECT_EQ(KeyOfCommand(7220), "01");
  EXPECT_EQ(KeyOfCommand(7236), "17");
  EXPECT_EQ(KeyOfCommand(640), "0");
  EXPECT_EQ(KeyOfCommand(800), "1");
  EXPECT_EQ(KeyOfCommand(808), "9");
  EXPECT_EQ(KeyOfCommand(608), "01");
  EXPECT_EQ(KeyOfCommand(616), "09");
  EXPECT_EQ(KeyOfCommand(kEmptyFieldCommand), "");
  EXPECT_FALSE(KeyOfCommand(7237).has_value());
  EXPECT_FALSE(KeyOfCommand(617).has_value());
}

TEST(KeyDirectories, HeadingsNotesAndTheHealthRateExplanation) {
  const MaskFields mask;
  EXPECT_EQ(KeyDirectoryOf(F::NetWageAgreement, mask)->heading.front(), "Achtung:");
  EXPECT_EQ(KeyDirectoryOf(F::PvChildren, mask)->heading.size(), 1u);
  EXPECT_EQ(KeyDirectoryOf(F::RvKey, mask)->notes.size(), 4u);
  const auto rate = KeyDirectoryOf(F::KvRate, mask);
  ASSERT_TRUE(rate.has_value());
  EXPECT_TRUE(rate->entries.empty());
  ASSERT_EQ(rate->heading.size(), 12u);
  EXPECT_EQ(rate->heading.front(), "E  r  l  ä  u  t  e  r u n  g");
  EXPECT_EQ(rate->heading[8],
            "15,50% = einzutragender allgemeiner Satz für die Jahre 2011-2014 (14,60% paritätischer Beitragsstz + "
            "0,90% Zusatzbeitrag)");
}

std::vector<std::string_view> ChurchKeys(std::string_view land, std::string_view period) {
  const auto directory = KeyDirectoryOf(F::ChurchEmployee, MaskIn(land, period));
  std::vector<std::string_view> keys;
  for (const KeyEntry& entry : directory->entries) keys.push_back(entry.key);
  return keys;
}

struct ChurchCase {
  const char* name;
  std::string_view land;
  std::string_view period;
  std::vector<std::string_view> keys;
};
void PrintTo(const ChurchCase& c, std::ostream* os) { *os << c.name; }

class ChurchDirectory : public ::testing::TestWithParam<ChurchCase> {};

TEST_P(ChurchDirectory, OffersTheLandsCommunities) {
  const ChurchCase& c = GetParam();
  EXPECT_EQ(ChurchKeys(c.land, c.period), c.keys);
}

INSTANTIATE_TEST_SUITE_P(
    Lands, ChurchDirectory,
    ::testing::Values(ChurchCase{"BadenWuerttemberg", "01", "0324", {"01", "02", "03", "04", "05", "09"}},
                      ChurchCase{"Bayern", "2", "0324", {"01", "02", "03", "04"}},
                      ChurchCase{"BerlinWest", "04", "0324", {"01", "02", "03", "07"}},
                      ChurchCase{"Hamburg2007", "07", "0107", {"01", "02", "03"}},
                      ChurchCase{"Hamburg2008", "07", "0108", {"01", "02", "03", "07"}},
                      ChurchCase{"Hessen", "08", "0324", {"01", "02", "03", "04", "06", "10"}},
                      ChurchCase{"RheinlandPfalz", "12", "0324", {"01", "02", "03", "04", "08", "11", "12"}},
                      ChurchCase{"Saarland", "13", "0324", {"01", "02", "03", "04"}},
                      ChurchCase{"Thueringen", "17", "0324", {"01", "02", "03", "07"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChurchDirectory, TextsDependOnLandAndYear) {
  const auto bayern = KeyDirectoryOf(F::ChurchSpouse, MaskIn("02", "0324"));
  EXPECT_EQ(bayern->entries.front().text, "0&1=Evangelisch lt/rf");
  const auto hessen = KeyDirectoryOf(F::ChurchSpouse, MaskIn("08", "0324"));
  EXPECT_EQ(hessen->entries.front().text, "0&1=Evangelisch");
  EXPECT_EQ(KeyDirectoryOf(F::ChurchEmployee, MaskIn("12", "0324"))->entries[4].text,
            "0&8=Freie Religionsgemeinschaft Alzey");
  EXPECT_EQ(KeyDirectoryOf(F::ChurchEmployee, MaskIn("12", "1219"))->entries[4].text,
            "0&8=Unitarische Religionsgem. Fr.Protestanten");
  EXPECT_EQ(KeyDirectoryOf(F::ChurchEmployee, MaskIn("16", "0324"))->entries[3].text,
            "0&7=Jüdische Kultus- Gemeindesteuer (zulässig ab 2008)");
}

TEST(ChurchDirectory, WithoutLandOrPeriodShowsTheNote) {
  for (const auto& [land, period] :
       {std::pair<std::string_view, std::string_view>{"", "0324"}, {"18", "0324"}, {"08", ""}, {"08", "1324"}}) {
    const auto directory = KeyDirectoryOf(F::ChurchEmployee, MaskIn(land, period));
    ASSERT_TRUE(directory.has_value());
    EXPECT_TRUE(directory->entries.empty());
    EXPECT_EQ(directory->heading,
              (std::vector<std::string_view>{"Der entsprechende Kirchensteuerschlüssel",
                                             "kann erst nach Eintrag des zutreffenden",
                                             "Bundeslandes und des Abrechnungszeitrau-", "mes ausgewiesen werden."}));
  }
}

TEST(ChurchDirectory, KeysAreCheckedAgainstTheDirectory) {
  EXPECT_TRUE(IsChurchTaxKey("01", "08", "0324"));
  EXPECT_TRUE(IsChurchTaxKey("1", "8", "0324"));
  EXPECT_TRUE(IsChurchTaxKey("10", "08", "0324"));
  EXPECT_FALSE(IsChurchTaxKey("05", "08", "0324"));
  EXPECT_FALSE(IsChurchTaxKey("00", "08", "0324"));
  EXPECT_FALSE(IsChurchTaxKey("01", "", "0324"));
  EXPECT_FALSE(IsChurchTaxKey("01", "08", "13xx"));
}

TEST(KeyDirectories, LandAndPeriodTexts) {
  EXPECT_EQ(LandOf("8"), 8);
  EXPECT_EQ(LandOf("08"), 8);
  EXPECT_EQ(LandOf("17"), 17);
  EXPECT_FALSE(LandOf("0").has_value());
  EXPECT_FALSE(LandOf("18").has_value());
  EXPECT_FALSE(LandOf("008").has_value());
  EXPECT_FALSE(LandOf(" 8").has_value());
  EXPECT_EQ(PeriodYearOf("0324"), 2024);
  EXPECT_FALSE(PeriodYearOf("0024").has_value());
  EXPECT_FALSE(PeriodYearOf("324").has_value());
}

}  // namespace
}  // namespace pekto
