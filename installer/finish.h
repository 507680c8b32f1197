// The finish of an installation: the closing message, removal of the
// archives and the update's unpack folder, the desktop link and the group
// creator after a new installation, the restart of the main program after
// an update.
#pragma once

#include <string>

#include "installer/installer_state.h"

namespace pekto {

[[nodiscard]] std::string FinishMessageText(bool update_mode);

// Steps before the masks close: the message and the archives.
void FinishWithMessage(const InstallerState& state, InstallerServices& services);
// Steps after the masks closed; in update mode waits for the main program.
void FinishAfterClose(const InstallerState& state, InstallerServices& services);

}  // namespace pekto
