// The employer's levies on pay: U1 (continued pay in sickness) and U2
// (maternity) after the Aufwendungsausgleichsgesetz, and the
// Insolvenzgeldumlage after § 358 SGB III.
#pragma once

#include <string_view>

#include "calc/money.h"

namespace pekto {

// "Umlageversicherung gemäß Schlüsselverzeichnis": "1" U1 only, "2" U2
// only, "3" both; any other key (empty, "0") neither.
[[nodiscard]] bool LevyKeyHasU1(std::string_view levy_key);
[[nodiscard]] bool LevyKeyHasU2(std::string_view levy_key);

struct LevyInput {
  std::string_view levy_key;
  // "1": private household or Wohnungseigentümergemeinschaft, no
  // Insolvenzgeldumlage.
  std::string_view insolvency_exception;
  Cents base;          // levy-relevant current pay
  Cents base_one_off;  // levy-relevant part of one-off payments
  int u1_rate = 0;     // 1/100 percent
  int u2_rate = 0;
  int insolvency_rate = 0;
};

struct Levies {
  Cents u1;          // "  UV1"
  Cents u2;          // "  UV2"
  Cents insolvency;  // "U-Insol."
};

// Each levy is its base x rate, rounded half to even to whole cents.
// U1 and U2 leave one-off payments out (§ 7 Abs. 2 AAG); the
// Insolvenzgeldumlage is levied on all pay that the pension contribution is
// measured by (§ 358 Abs. 2 SGB III), one-off payments included.
[[nodiscard]] Levies ComputeLevies(const LevyInput& in);

}  // namespace pekto
