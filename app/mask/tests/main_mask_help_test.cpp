#include "app/mask/main_mask_help.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

TEST(MainMaskHelp, TopicsFrom370OnOpenTheStartPage) {
  EXPECT_EQ(ShownTopic(184), 184);
  EXPECT_EQ(ShownTopic(369), 369);
  EXPECT_EQ(ShownTopic(370), 0);
  EXPECT_EQ(ShownTopic(0), 0);
}

TEST(MainMaskHelp, OnlyTheYearsWithAHelpPageCanBeChosen) {
  const auto years = LegalChangesYears();
  ASSERT_EQ(years.size(), 8u);
  EXPECT_EQ(years[0].text, "201&9");
  EXPECT_FALSE(years[0].Selectable());
  for (std::size_t i = 1; i < years.size(); ++i) {
    ASSERT_TRUE(years[i].Selectable());
    EXPECT_EQ(HelpPageOfCommand(years[i].command), (HelpPage{kLawHelpFile, 49 + static_cast<int>(i)}));
  }
  EXPECT_EQ(years.back().text, "202&6");
  EXPECT_EQ(years.back().command, 534);
}

}  // namespace
}  // namespace pekto
