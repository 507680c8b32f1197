// The update program pektow: reads the hand-over file, checks the update
// archive's signature again, unpacks it into C:\LHWUEKT and runs the
// installer there in update mode ("-ncd"). Nothing of the installation is
// touched before the installer runs, so a damaged update leaves it as it
// was.
#pragma once

#include <string>

#include "online/update_archive.h"

namespace pekto {

class DosFileSystem;
class ProgramStarter;

enum class UpdaterOutcome { InstallerStarted, NoHandOver, NotAuthentic, UnpackFailed, InstallerNotStarted };

struct UpdaterResult {
  UpdaterOutcome outcome = UpdaterOutcome::NoHandOver;
  std::string message;  // the German text for the user; empty on success
};

[[nodiscard]] UpdaterResult RunUpdater(const DosFileSystem& files, ProgramStarter& programs, const PublicKey& key);

}  // namespace pekto
