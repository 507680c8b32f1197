// The warning of the calculation run when a one-off payment in January to
// March is not fully contributory in the current period (Märzklausel,
// § 23a Abs. 4 SGB IV): the payment belongs to the last period of the
// previous year. The answer decides whether the result is shown.
#pragma once

#include <array>

#include "record/dialog_message.h"

namespace pekto {

// Branches in the order KV, RV, AV.
[[nodiscard]] DialogMessage MarchClauseWarning(const std::array<bool, 3>& branches);

}  // namespace pekto
