#include "installer/installer_start.h"

#include "installer/installer_files.h"
#include "platform/dos_path.h"

namespace pekto {

namespace {

constexpr std::string_view kErrorCaption = "PEKTO Fehler!";
constexpr std::string_view kUpdateAborted = "Die Installation des Updates wird abgebrochen.";

void ReportDamagedHandOver(const InstallerHandOver& hand_over, MessageBoxes& boxes) {
  MessageBoxCentered(boxes,
                     JoinLines({"Die Datei AUTOHWKTMP.TMP ist Fehlerhaft.", kUpdateAborted, "",
                                "AUFRVERZ$: " + hand_over.calling_dir, "AUFZINLAUF$: " + hand_over.drive,
                                "AUFABA2$: " + hand_over.dir}),
                     kErrorCaption, kMbIconStop);
}

bool SameInstallation(const InstallerHandOver& hand_over, std::string_view last_dir) {
  return !last_dir.empty() && SameDosPath(hand_over.calling_dir, last_dir) &&
         SameDosPath(hand_over.RecordedInstallDir(), last_dir);
}

// Start steps 2 and 3: false when the update cannot be installed.
bool CheckUpdate(const InstallerStartInput& input, InstallerState& state, InstallerServices& services) {
  const auto bytes = services.files.ReadFile(kHandOverFile);
  const InstallerHandOver hand_over = ParseInstallerHandOver(bytes.value_or(""));
  if (!bytes || !hand_over.complete) {
    ReportDamagedHandOver(hand_over, services.boxes);
    return false;
  }
  if (!SameInstallation(hand_over, state.last_install_dir)) {
    MessageBoxCentered(services.boxes,
                       JoinLines({"Das Verzeichnis vom dem die Updateprüfung aufgerufen",
                                  "wurde, ist mit dem Verzeichnis Ihrer letzten Instal-", "lation nicht identisch.", "",
                                  "Aufrufendes Verzeichnis: " + hand_over.calling_dir,
                                  "Installationverzeichnis: " + state.last_install_dir,
                                  "Winpfad: " + std::string(DosFileSystem::kWindowsDirectory),
                                  "Aktuell: " + input.current_dir, "", kUpdateAborted}),
                       kErrorCaption, kMbIconStop);
    return false;
  }
  const std::string program = JoinDos(hand_over.calling_dir, kProgramFile);
  if (!services.files.FileExists(program)) {
    MessageBoxCentered(services.boxes,
                       JoinLines({"Die automatische Installation des Updates kann", "nicht durchgeführt werden.",
                                  program + " (nicht gefunden)", kUpdateAborted}),
                       kErrorCaption, kMbIconStop);
    return false;
  }
  return true;
}

}  // namespace

std::optional<InstallerState> StartInstaller(const InstallerStartInput& input, InstallerServices& services) {
  InstallerState state;
  state.last_install_dir = ReadLastInstallDir(services.files);
  state.update_mode = services.files.FileExists(kHandOverFile);
  if (state.update_mode && !CheckUpdate(input, state, services)) return std::nullopt;
  const bool from_update = input.arguments.size() == 1 && input.arguments[0] == "-ncd";
  state.source_dir = from_update ? std::string(kUpdateSourceDir) : input.own_dir;
  return state;
}

}  // namespace pekto
