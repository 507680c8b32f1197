// LODAT2.SYS as a crafted or damaged file: it is read, and when start-up
// would accept the installation it names, no path derived from it (the
// files start-up deletes and the folders it creates, the user and history
// folders) may leave the installation directory.
#include <string>

#include "app/startup/install_paths.h"
#include "app/startup/startup.h"
#include "app/startup/system_file.h"
#include "fuzz/fuzz_support.h"
#include "platform/dos_path.h"

namespace pekto {
namespace {

bool Inside(const std::string& path, const DosPath& root) {
  const auto parsed = ParseDosPath(path);
  if (!parsed || parsed->drive != root.drive || parsed->components.size() < root.components.size()) return false;
  for (std::size_t i = 0; i < root.components.size(); ++i) {
    if (!SameDosPath(std::string("C:\\") + parsed->components[i], std::string("C:\\") + root.components[i])) {
      return false;
    }
  }
  return true;
}

void CheckPaths(const SystemFile& file, const std::string& working_directory) {
  InstallPaths paths{file.InstallDrive(), file.InstallDir(), ""};
  if (!IsInstallationOf(paths, working_directory)) return;
  const auto root = ParseDosPath(working_directory);
  fuzz::Require(root.has_value() && root->drive != 'Z', "the installation is on a drive of ours");
  for (int user = 1; user <= kUserEntries; ++user) {
    paths.user_dir = UserDirFromNumber(user);
    for (const std::string& derived :
         {paths.File("BILDSCH."), paths.File("HIS01"), paths.File("MANDOR.EXE"), paths.File("MANDOR.INI"),
          paths.File("LOHNAR.DAT"), paths.UserDataDir(), paths.HistoryDir()}) {
      fuzz::Require(Inside(derived, *root), "a derived path stays inside the installation");
    }
  }
}

}  // namespace
}  // namespace pekto

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pekto::SystemFileRead read = pekto::ParseSystemFile(pekto::fuzz::Text(data, size));
  if (read.status != pekto::SystemFileStatus::Ok) return 0;
  const pekto::SystemFile& file = read.file;
  (void)file.PasswordQueryEnabled();
  (void)file.CalcMode();
  for (int user = 1; user <= pekto::kUserEntries; ++user) (void)file.User(user);
  pekto::CheckPaths(file, "C:\\PEKTO");
  // The root the file names itself: every derived path must stay below it.
  const pekto::InstallPaths named{file.InstallDrive(), file.InstallDir(), ""};
  pekto::CheckPaths(file, named.InstallRoot());
  const pekto::SystemFileRead again = pekto::ParseSystemFile(file.Serialize());
  pekto::fuzz::Require(again.status == pekto::SystemFileStatus::Ok, "a written system file loads");
  return 0;
}
