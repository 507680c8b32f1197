// The places both sides of an online update agree on: the main program
// writes the hand-over file and the update program unpacks the update into
// C:\LHWUEKT; the installer started from there in update mode reads both.
#pragma once

#include <string_view>

namespace pekto {

inline constexpr std::string_view kHandOverDir = "C:\\AUTOHWKTMP.TMP";
inline constexpr std::string_view kHandOverFile = "C:\\AUTOHWKTMP.TMP\\AUTOHWKTMP.TMP";
inline constexpr std::string_view kUnpackDir = "C:\\LHWUEKT";

}  // namespace pekto
