#include "record/mask_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pekto {
namespace {

// The Up/Down cycle in the mask's reading order, as the program lists it.
const std::vector<int> kCycle = {1,  2,  3,  4,  5,  6,  26, 7,  8,  24, 57, 12, 13, 9,  10, 11, 14, 15, 16, 17,
                                 19, 59, 20, 21, 22, 29, 23, 60, 30, 58, 25, 27, 28, 33, 34, 36, 37, 18, 31, 38,
                                 39, 40, 41, 35, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 32, 52, 53, 54, 55, 56};

TEST(MaskFieldCycle, DownFollowsTheListedOrderAndWrapsAround) {
  std::vector<int> visited;
  MaskField field = MaskField::BirthDate;
  for (int step = 0; step < kMaskFieldCount; ++step) {
    visited.push_back(NumberOf(field));
    field = NextInCycle(field, +1);
  }
  EXPECT_EQ(visited, kCycle);
  EXPECT_EQ(field, MaskField::BirthDate);
}

TEST(MaskFieldCycle, UpOnTheFirstFieldGoesToTheLast) {
  EXPECT_EQ(NextInCycle(MaskField::BirthDate, -1), MaskField::GarnishClaims);
  EXPECT_EQ(NextInCycle(MaskField::TaxDays, -1), MaskField::GrossTotal);
}

struct JumpRow {
  const char* name;
  std::vector<int> from;
  int to;
};
void PrintTo(const JumpRow& c, std::ostream* os) { *os << c.name; }

std::vector<int> Range(int first, int last) {
  std::vector<int> numbers;
  for (int n = first; n <= last; ++n) numbers.push_back(n);
  return numbers;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<int> kFirstRow = {1, 2, 3, 4, 5, 6, 26, 7, 8, 24, 57, 12, 13, 9, 10, 11, 14, 15};
const std::vector<int> kSecondRow = {16, 17, 19, 59, 20, 21, 22, 29, 23, 60, 30, 58, 25, 27, 28, 33};

const std::vector<JumpRow> kPageDown = {
    {"FirstRowToPeriod", Join(Range(1, 15), {23, 24, 26, 57, 58}), 16},
    {"SecondRowToGrossTotal", Join({16, 17}, Join(Range(19, 22), Join({25}, Join(Range(27, 30), {33, 59, 60})))), 34},
    {"GrossTotalToTaxDays", {34}, 36},
    {"TaxLineToPensionLine", {36, 37}, 18},
    {"PensionLineToSvLine", {18, 31}, 38},
    {"SvLineToOneOffLine", {38, 39}, 40},
    {"OneOffLineToKv", Join({35}, Range(40, 42)), 43},
    {"KvToRv", {43, 44}, 45},
    {"RvToAv", {45, 46}, 47},
    {"AvToLevy", {47, 48}, 49},
    {"LevyToExpectedIncome", {49, 50}, 51},
    {"ExpectedIncomeToPensionOneOff", {51}, 32},
    {"PensionOneOffToDependants", {32}, 52},
    {"DependantsAndDaysToDays", {52, 53}, 53},
    {"MonthsToIncome", {54}, 55},
    {"LastLineBackToTheFirstField", {55, 56}, 1},
};

const std::vector<JumpRow> kPageUp = {
    {"FirstRowToIncome", kFirstRow, 55},
    {"SecondRowToTheFirstField", kSecondRow, 1},
    {"GrossTotalToPeriod", {34}, 16},
    {"TaxLineToGrossTotal", {36, 37}, 34},
    {"PensionLineToTaxDays", {18, 31}, 36},
    {"SvLineToPensionMonths", {38, 39}, 18},
    {"OneOffLineToSvDays", Join({35}, Range(40, 42)), 38},
    {"KvToOneOffLine", {43, 44}, 40},
    {"RvToKv", {45, 46}, 43},
    {"AvToRv", {47, 48}, 45},
    {"LevyToAv", {49, 50}, 47},
    {"ExpectedIncomeToLevy", {51}, 49},
    {"PensionOneOffToExpectedIncome", {32}, 51},
    {"DependantsToPensionOneOff", {52}, 32},
    {"DaysAndMonthsToDependants", {53, 54}, 52},
    {"LastLineToDays", {55, 56}, 53},
};

class PageDownTest : public testing::TestWithParam<JumpRow> {};
class PageUpTest : public testing::TestWithParam<JumpRow> {};

TEST_P(PageDownTest, JumpsToTheListedLineStart) {
  for (const int from : GetParam().from) {
    EXPECT_EQ(NumberOf(PageDownTarget(static_cast<MaskField>(from))), GetParam().to) << "from " << from;
  }
}

TEST_P(PageUpTest, JumpsToTheListedLineStart) {
  for (const int from : GetParam().from) {
    EXPECT_EQ(NumberOf(PageUpTarget(static_cast<MaskField>(from))), GetParam().to) << "from " << from;
  }
}

const auto kRowName = [](const testing::TestParamInfo<JumpRow>& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Lines, PageDownTest, testing::ValuesIn(kPageDown), kRowName);
INSTANTIATE_TEST_SUITE_P(Lines, PageUpTest, testing::ValuesIn(kPageUp), kRowName);

TEST(MaskFieldJumps, TheListsCoverEveryFieldOnce) {
  for (const auto* rows : {&kPageDown, &kPageUp}) {
    std::vector<int> all;
    for (const JumpRow& row : *rows) all = Join(all, row.from);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, Range(1, kMaskFieldCount));
  }
}

TEST(MaskFieldControls, AreTwoHundredNinetyNinePlusTheFieldNumber) {
  EXPECT_EQ(ControlIdOf(MaskField::BirthDate), 300);
  EXPECT_EQ(ControlIdOf(MaskField::TaxDays), 335);
  EXPECT_EQ(ControlIdOf(MaskField::PkvBasicPremium), 359);
  EXPECT_EQ(FieldOfControl(316), MaskField::StateCode);
  EXPECT_FALSE(FieldOfControl(299).has_value());
  EXPECT_FALSE(FieldOfControl(360).has_value());
}

}  // namespace
}  // namespace pekto
