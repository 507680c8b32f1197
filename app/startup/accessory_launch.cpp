#include "app/startup/accessory_launch.h"

#include <string>

#include "platform/dos_file_system.h"
#include "platform/processes.h"
#include "platform/start_token.h"

namespace pekto {

namespace {

constexpr int kFileNotFound = 2;

std::string_view AccessoryTitle(Accessory accessory) {
  return accessory == Accessory::Calculator ? "Der Rechner" : "Der Kalender";
}

DialogMessage Failure(Accessory accessory, std::vector<std::string> reason) {
  DialogMessage message{
      "PEKTO Fehler!", {std::string(AccessoryTitle(accessory)) + " kann nicht gestartet werden."}, MessageKind::Stop};
  message.lines.insert(message.lines.end(), reason.begin(), reason.end());
  return message;
}

}  // namespace

std::string_view AccessoryProgramName(Accessory accessory) {
  return accessory == Accessory::Calculator ? "FIMREL.EXE" : "DORVEL.EXE";
}

std::optional<DialogMessage> StartAccessory(const DosFileSystem& files, ProgramStarter& programs,
                                            const InstallPaths& paths, Accessory accessory) {
  const std::string root = paths.InstallRoot();
  if (!WriteStartToken(files, root)) {
    return Failure(accessory, {"Die Startdatei " + StartTokenPath(root), "kann nicht geschrieben werden."});
  }
  const std::string program = paths.File(AccessoryProgramName(accessory));
  const LaunchResult started = programs.Start({program, {}, root, LaunchMode::Detached});
  if (started.started) return std::nullopt;
  (void)files.DeleteFile(StartTokenPath(root));
  if (started.error_code == kFileNotFound) {
    return Failure(accessory,
                   {"Das Programm " + program, "wurde nicht gefunden. Bitte prüfen", "Sie die Installation."});
  }
  return Failure(accessory,
                 {"Das Programm " + program, "meldet den Fehler " + std::to_string(started.error_code) + "."});
}

}  // namespace pekto
