// Remote maintenance: the desktop's remote-assistance program, started
// directly (never through a shell). The first of the common programs found
// on PATH is taken.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dos_file_system.h"
#include "platform/processes.h"

namespace pekto {

struct RemoteAssistanceProgram {
  std::string name;  // the executable looked for on PATH
  std::vector<std::string> arguments;
};

// RustDesk, AnyDesk, TeamViewer, then KDE's desktop sharing Krfb.
[[nodiscard]] const std::vector<RemoteAssistanceProgram>& RemoteAssistancePrograms();

// The launch of the first program found on PATH, its path as a DOS text.
[[nodiscard]] std::optional<ProgramLaunch> FindRemoteAssistance(const DosFileSystem& files,
                                                                const EnvironmentLookup& env);

// Starts it; a result with error code 2 when none is installed.
LaunchResult StartRemoteAssistance(ProgramStarter& programs, const DosFileSystem& files,
                                   const EnvironmentLookup& env);

}  // namespace pekto
