// U1, U2 and the Insolvenzgeldumlage.
#include "calc/levies.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pekto {
namespace {

struct LevyCase {
  std::string name;
  LevyInput in;
  std::int64_t u1, u2, insolvency;
};

void PrintTo(const LevyCase& c, std::ostream* os) { *os << c.name; }

class LevyOfMonth : public ::testing::TestWithParam<LevyCase> {};

TEST_P(LevyOfMonth, RoundsHalfToEven) {
  const LevyCase& c = GetParam();
  const Levies levies = ComputeLevies(c.in);
  EXPECT_EQ(levies.u1.Value(), c.u1);
  EXPECT_EQ(levies.u2.Value(), c.u2);
  EXPECT_EQ(levies.insolvency.Value(), c.insolvency);
}

// Base 3000.00 and one-off 1000.00 unless stated; U1 1.60 %, U2 0.44 %,
// insolvency 0.06 %: U1 48.00, U2 13.20, insolvency 2.40 (on 4000.00).
const LevyCase kLevyCases[] = {
    {"KeyOneU1Only", {"1", "", Cents(300000), Cents(100000), 160, 44, 6}, 4800, 0, 240},
    {"KeyTwoU2Only", {"2", "", Cents(300000), Cents(100000), 160, 44, 6}, 0, 1320, 240},
    {"KeyThreeBoth", {"3", "", Cents(300000), Cents(100000), 160, 44, 6}, 4800, 1320, 240},
    {"NoKeyNeither", {"", "", Cents(300000), Cents(100000), 160, 44, 6}, 0, 0, 240},
    {"KeyZeroNeither", {"0", "", Cents(300000), Cents(100000), 160, 44, 6}, 0, 0, 240},
    {"PrivateHouseholdWithoutInsolvencyLevy", {"3", "1", Cents(300000), Cents(100000), 160, 44, 6}, 4800, 1320, 0},
    // U1 2.50 % of 2500.20 = 62.505 -> 62.50; insolvency 0.06 % of
    // 5075.00 = 3.045 -> 3.04 (both halves to the even cent)
    {"HalvesToTheEvenCent", {"1", "", Cents(250020), Cents(257480), 250, 0, 6}, 6250, 0, 304},
    // U1 2.50 % of 2500.60 = 62.515 -> 62.52
    {"HalfUpToTheEvenCent", {"1", "", Cents(250060), Cents(0), 250, 0, 0}, 6252, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, LevyOfMonth, ::testing::ValuesIn(kLevyCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace pekto
