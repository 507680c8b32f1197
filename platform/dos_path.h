// DOS path texts as the program forms them ("C:\PEKTO\01\MAIER.050"): the
// program builds and compares these texts; only the file system below maps
// them onto the host.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pekto {

struct DosPath {
  char drive = 'C';  // upper case
  std::vector<std::string> components;

  [[nodiscard]] std::string Text() const;  // "C:\" for the root
  bool operator==(const DosPath&) const = default;
};

// An absolute DOS path ("C:\A\B", "c:/a", "C:"): "\" or "/" separate, empty
// and "." components vanish, ".." climbs but never above the drive's root,
// and trailing dots and blanks of a component are dropped as Windows does
// ("BILDSCH." is "BILDSCH"). Anything else is nullopt.
[[nodiscard]] std::optional<DosPath> ParseDosPath(std::string_view text);

// `name` appended to `dir` with exactly one "\" between them, also when
// `dir` is a drive's root with its trailing "\" ("C:\" + "LODAT2.SYS").
[[nodiscard]] std::string JoinDos(std::string_view dir, std::string_view name);

// Compares two DOS path texts as Windows does, without regard to case.
[[nodiscard]] bool SameDosPath(std::string_view a, std::string_view b);

}  // namespace pekto
