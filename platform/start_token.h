// The accessories' start token START.DAT: the main program writes it into
// the installation directory before it starts an accessory there; the
// accessory takes it (deletes it) at start and refuses to run without it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pekto {

class DosFileSystem;

inline constexpr std::string_view kStartTokenName = "START.DAT";

// `dir` + "\START.DAT", without a second "\" when `dir` ends with one.
[[nodiscard]] std::string StartTokenPath(std::string_view dir);

// Writes the (empty) token into `dir`; false when it cannot be written.
[[nodiscard]] bool WriteStartToken(const DosFileSystem& files, std::string_view dir);

// True when the token was in `dir`; it is deleted then. A token that
// cannot be deleted still counts: the start came from the main program.
[[nodiscard]] bool TakeStartToken(const DosFileSystem& files, std::string_view dir);

// What an accessory shows (caption "PEKTO Fehler!", stop icon) when it was
// started without the token.
inline constexpr std::string_view kStartGuardCaption = "PEKTO Fehler!";
inline constexpr std::array<std::string_view, 3> kStartGuardLines = {"Das Programm kann ausschlies-",
                                                                     "slich unter PEKTO.EXE gestartet", "werden."};

}  // namespace pekto
