// Starting the accessories from the main program's menus (main mask, and
// the "&Zubehör" menus of the booking mask and the payroll account): the
// token START.DAT goes into the installation directory, and the accessory
// starts there through the platform's program starter.
#pragma once

#include <optional>
#include <string_view>

#include "app/startup/install_paths.h"
#include "record/dialog_message.h"

namespace pekto {

class DosFileSystem;
class ProgramStarter;

enum class Accessory { Calculator, Calendar };

// "FIMREL.EXE", "DORVEL.EXE".
[[nodiscard]] std::string_view AccessoryProgramName(Accessory accessory);

// Writes the token and starts the accessory, detached, in the installation
// directory. The message ("PEKTO Fehler!") when it did not start: the token
// could not be written, or the program is missing or cannot run; the token
// is then removed again, so that no later start without the main program
// finds it.
[[nodiscard]] std::optional<DialogMessage> StartAccessory(const DosFileSystem& files, ProgramStarter& programs,
                                                          const InstallPaths& paths, Accessory accessory);

}  // namespace pekto
