// The start-up of the main program, in its order: tables, system file from
// the working directory, screen class, history directory, online settings,
// start mask, then the checks that may end the program (missing or damaged
// system file, write-protected data) with the wage-type warning between
// them, the removal of installation left-overs and the check at start.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/startup/install_paths.h"
#include "ui/message_box.h"

namespace pekto {

class DosFileSystem;
class OnlineServices;
struct ProgramState;

struct StartupInputs {
  std::string working_directory;  // DOS text
  int screen_width = 1024;
};

// The program frame's part: the start mask is a dialog.
class StartMaskHost {
 public:
  virtual ~StartMaskHost() = default;
  // Creates and shows the start mask; false when it cannot be created.
  virtual bool CreateStartMask() = 0;
};

struct StartupServices {
  const DosFileSystem& files;
  MessageBoxes& messages;
  OnlineServices& online;
  StartMaskHost& host;
};

enum class StartupOutcome { EnterMessageLoop, EndProgram };

StartupOutcome RunStartup(ProgramState& state, const StartupInputs& inputs, StartupServices& services);

// The installation the system file names is the folder it was read from
// (compared as DOS paths), and not on drive Z: (the host's root).
[[nodiscard]] bool IsInstallationOf(const InstallPaths& paths, std::string_view working_directory);

// The data files whose read-only attribute ends the program, and the
// installation folder itself (files are replaced through it).
[[nodiscard]] std::vector<std::string> WriteProtectedDataFiles(const DosFileSystem& files, const ProgramState& state);

// Deletes the installer's helper files and the update work folders; the
// DOS paths of what was removed.
std::vector<std::string> DeleteInstallationLeftovers(const DosFileSystem& files, const ProgramState& state);

// The start-up's messages, as the program shows them.
namespace startup_message {
[[nodiscard]] Message StartMaskNotCreated();
[[nodiscard]] Message SystemFileMissing(const std::string& path);
[[nodiscard]] Message SystemFileDamaged(const std::string& path);
// The system file names another folder (or drive Z:) as the installation.
[[nodiscard]] Message InstallationElsewhere(const std::string& system_file_path, const std::string& named_root);
[[nodiscard]] Message FewerThanTwoWageTypes();
[[nodiscard]] Message WageTypeFileIncomplete(const std::string& path);
[[nodiscard]] Message WageTypeNamesWithForeignCharacters(const std::vector<std::string>& running_numbers);
[[nodiscard]] Message DataFilesWriteProtected();
}  // namespace startup_message

}  // namespace pekto
