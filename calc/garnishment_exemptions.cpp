// Sources: § 850c ZPO and the Pfändungsfreigrenzenbekanntmachungen 2017,
// 2019, 2021, 2022, 2023, 2024 and 2025 of the Federal Ministry of Justice, each valid
// from 1 July of its year. The monthly amounts are those announced; the
// weekly amounts are the monthly ones x 12 / (365 / 7) = 84/365, and the
// daily amounts (per working day) a fifth of the weekly ones, each rounded
// to the cent, as the announcements derive them.
#include "calc/garnishment_exemptions.h"

#include <algorithm>
#include <array>

namespace pekto {
namespace {

constexpr ExemptAmounts Amounts(std::int64_t base, std::int64_t first, std::int64_t further, std::int64_t upper) {
  return {Cents(base), Cents(first), Cents(further), Cents(upper)};
}

constexpr std::array<GarnishmentExemptions, 7> kExemptions = {{
    {"072017", Amounts(113380, 42671, 23773, 347579), Amounts(26093, 9820, 5471, 79991),
     Amounts(5219, 1964, 1094, 15998)},
    {"072019", Amounts(117859, 44357, 24712, 361308), Amounts(27124, 10208, 5687, 83150),
     Amounts(5425, 2042, 1137, 16630)},
    {"072021", Amounts(125264, 47144, 26265, 384008), Amounts(28828, 10850, 6045, 88374),
     Amounts(5766, 2170, 1209, 17675)},
    {"072022", Amounts(133016, 50062, 27890, 407772), Amounts(30612, 11521, 6419, 93843),
     Amounts(6122, 2304, 1284, 18769)},
    {"072023", Amounts(140228, 52776, 29402, 429881), Amounts(32272, 12146, 6766, 98932),
     Amounts(6454, 2429, 1353, 19786)},
    {"072024", Amounts(149175, 56143, 31278, 457310), Amounts(34331, 12921, 7198, 105244),
     Amounts(6866, 2584, 1440, 21049)},
    // BGBl. 2025 I Nr. 110: weekly 357.87 / 134.69 / 75.04 / 1,097.05,
    // daily 71.57 / 26.94 / 15.01 / 219.42 euros.
    {"072025", Amounts(155500, 58523, 32604, 476699), Amounts(35787, 13469, 7504, 109705),
     Amounts(7157, 2694, 1501, 21942)},
}};

}  // namespace

std::span<const GarnishmentExemptions> AllGarnishmentExemptions() { return kExemptions; }

const GarnishmentExemptions* FindGarnishmentExemptions(std::string_view valid_from) {
  const auto it = std::find_if(kExemptions.begin(), kExemptions.end(),
                               [&](const GarnishmentExemptions& e) { return e.valid_from == valid_from; });
  return it == kExemptions.end() ? nullptr : &*it;
}

Cents ExemptAmount(const ExemptAmounts& amounts, int dependants) {
  const int counted = std::clamp(dependants, 0, 5);
  Cents amount = amounts.base;
  if (counted >= 1) amount += amounts.first_dependant;
  for (int i = 2; i <= counted; ++i) amount += amounts.further_dependant;
  return amount;
}

}  // namespace pekto
