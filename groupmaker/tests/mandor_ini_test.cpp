#include "groupmaker/mandor_ini.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

struct PathRuleCase {
  const char* name;
  const char* value;
  const char* creator_dir;
  const char* expected;
};
void PrintTo(const PathRuleCase& c, std::ostream* os) { *os << c.name; }

class PathRuleTest : public testing::TestWithParam<PathRuleCase> {};

TEST_P(PathRuleTest, FollowsTheCreatorsDirectory) {
  EXPECT_EQ(ApplyItemPathRule(GetParam().value, GetParam().creator_dir), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ItemPaths, PathRuleTest,
    testing::Values(PathRuleCase{"RelativeJoinsTheCreatorsFolder", "\\PEKTO.EXE", "D:\\PROG\\", "D:\\PROG\\PEKTO.EXE"},
                    PathRuleCase{"RelativeWithSubFolder", "\\HILFE\\X.ICO", "C:\\PEKTO\\", "C:\\PEKTO\\HILFE\\X.ICO"},
                    PathRuleCase{"AbsoluteTakesTheCreatorsDrive", "C:\\WIN\\CALC.EXE", "E:\\PEKTO\\",
                                 "E:\\WIN\\CALC.EXE"},
                    PathRuleCase{"EmptyStaysEmpty", "", "E:\\PEKTO\\", ""}),
    [](const testing::TestParamInfo<PathRuleCase>& info) { return std::string(info.param.name); });

TEST(MandorIni, ReadsTheGroupAndItsItemsInOrder) {
  const IniFile ini = IniFile::Parse(
      "; delivered with the program\r\n[Install]\r\nprog_grp_name = Pekto Lohn\r\nNUM_ITEMS=2\r\n"
      "ITEM_PATH1=\\PEKTO.EXE\r\nITEM_NAME1=Pekto\r\nITEM_ICOPATH1=\\PEKTO.ICO\r\n"
      "ITEM_PATH2=C:\\PEKTO\\DORVEL.EXE\r\nITEM_NAME2=Kalender f\xFCr Feiertage\r\n");
  const GroupDefinition group = ReadGroupDefinition(ini, "D:\\PROG\\");
  EXPECT_EQ(group.group_name, "Pekto Lohn");
  ASSERT_EQ(group.items.size(), 2u);
  EXPECT_EQ(group.items[0], (GroupItem{"D:\\PROG\\PEKTO.EXE", "Pekto", "D:\\PROG\\PEKTO.ICO"}));
  EXPECT_EQ(group.items[1], (GroupItem{"D:\\PEKTO\\DORVEL.EXE", "Kalender für Feiertage", ""}));
}

TEST(MandorIni, DefaultsForAMissingOrEmptyFile) {
  GroupDefinition group = ReadGroupDefinition(IniFile::Parse(""), "C:\\PEKTO\\");
  EXPECT_EQ(group.group_name, "Programmgruppe");
  EXPECT_TRUE(group.items.empty());
  group = ReadGroupDefinition(IniFile::Parse("[INSTALL]\nPROG_GRP_NAME=\nNUM_ITEMS=abc\n"), "C:\\PEKTO\\");
  EXPECT_EQ(group.group_name, "Programmgruppe");
  EXPECT_TRUE(group.items.empty());
  // A count beyond any group is capped rather than looped over.
  group = ReadGroupDefinition(IniFile::Parse("[INSTALL]\nNUM_ITEMS=2147483647\n"), "C:\\PEKTO\\");
  EXPECT_EQ(group.items.size(), static_cast<std::size_t>(kMaxGroupItems));
}

TEST(MandorIni, KeysOfAnotherSectionAreNotRead) {
  const IniFile ini = IniFile::Parse("[OTHER]\nNUM_ITEMS=3\n[INSTALL]\nNUM_ITEMS=1\nNUM_ITEMS=5\nITEM_NAME1=\"A\"\n");
  EXPECT_EQ(ini.IntValue("INSTALL", "NUM_ITEMS", 0), 1);
  EXPECT_EQ(ini.Value("install", "item_name1"), "A");
  EXPECT_EQ(ini.IntValue("INSTALL", "MISSING", 7), 7);
}

TEST(MandorIni, GroupNameIsCutAt255Characters) {
  const IniFile ini = IniFile::Parse("[INSTALL]\nPROG_GRP_NAME=" + std::string(300, 'G') + "\n");
  EXPECT_EQ(ReadGroupDefinition(ini, "C:\\").group_name, std::string(255, 'G'));
}

}  // namespace
}  // namespace pekto
