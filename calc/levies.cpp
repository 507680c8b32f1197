#include "calc/levies.h"

namespace pekto {
namespace {

Cents Levy(Cents base, int rate) {
  if (rate <= 0) return Cents(0);
  return RoundHalfToEven((base.ToDecimal() * Decimal::FromInt(rate)).DivideExact(Decimal::FromInt(10000)));
}

}  // namespace

// Key "1" keeps U1 as the calculation has always done, although the key
// directory describes it as an employment of at most four weeks.
bool LevyKeyHasU1(std::string_view levy_key) { return levy_key == "1" || levy_key == "3"; }

bool LevyKeyHasU2(std::string_view levy_key) { return levy_key == "2" || levy_key == "3"; }

Levies ComputeLevies(const LevyInput& in) {
  Levies levies;
  if (LevyKeyHasU1(in.levy_key)) levies.u1 = Levy(in.base, in.u1_rate);
  if (LevyKeyHasU2(in.levy_key)) levies.u2 = Levy(in.base, in.u2_rate);
  if (in.insolvency_exception != "1") levies.insolvency = Levy(in.base + in.base_one_off, in.insolvency_rate);
  return levies;
}

}  // namespace pekto
