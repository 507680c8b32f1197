// The installer's start: the last installation directory, update mode from
// the hand-over file with its checks, the source directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "installer/installer_state.h"

namespace pekto {

struct InstallerStartInput {
  std::vector<std::string> arguments;  // without the program itself
  std::string own_dir;                 // the installer's directory (DOS)
  std::string current_dir;             // the working directory (DOS)
};

// The state to run with, or nullopt when the installer ends after a message.
[[nodiscard]] std::optional<InstallerState> StartInstaller(const InstallerStartInput& input,
                                                           InstallerServices& services);

}  // namespace pekto
