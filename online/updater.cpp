#include "online/updater.h"

#include <filesystem>

#include "online/online_files.h"
#include "platform/dos_file_system.h"
#include "platform/dos_path.h"
#include "platform/processes.h"
#include "platform/value_lines.h"
#include "ui/message_box.h"

namespace pekto {

namespace {

constexpr std::string_view kUnpackListName = "PEKTOW.LST";

UpdaterResult Failed(UpdaterOutcome outcome, std::initializer_list<std::string_view> lines) {
  return {outcome, JoinLines(lines)};
}

bool WriteEntry(const DosFileSystem& files, const ArchiveEntry& entry) {
  const std::string path = JoinDos(kUnpackDir, entry.name);
  if (!files.ReplaceFile(path, entry.bytes).ok) return false;
  if (!entry.executable) return true;
  const auto host = files.HostPath(path);
  if (!host) return false;
  std::error_code error;
  namespace fs = std::filesystem;
  fs::permissions(*host, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, error);
  return !error;
}

}  // namespace

UpdaterResult RunUpdater(const DosFileSystem& files, ProgramStarter& programs, const PublicKey& key) {
  const auto hand_over_bytes = files.ReadFile(kHandOverFile);
  const auto hand_over = hand_over_bytes ? ParseHandOver(*hand_over_bytes) : std::nullopt;
  if (!hand_over) {
    return Failed(UpdaterOutcome::NoHandOver,
                  {"Die Übergabedatei des Updates (" + std::string(kHandOverFile) + ") fehlt oder", "ist beschädigt.",
                   "", "Bitte starten Sie das Update aus PEKTO heraus erneut."});
  }
  const auto archive = files.ReadFile(JoinDos(hand_over->install_root, kUpdateArchiveName));
  const auto signature = files.ReadFile(JoinDos(hand_over->install_root, kUpdateSignatureName));
  const auto entries = archive && signature ? VerifiedArchive(*archive, *signature, key) : std::nullopt;
  if (!entries || FindEntry(*entries, kInstallerName) == nullptr) {
    return Failed(UpdaterOutcome::NotAuthentic,
                  {"Das Update ist beschädigt oder trägt keine gültige", "Signatur des Herstellers.", "",
                   "Ihre Installation bleibt unverändert.", "Bitte führen Sie das Update erneut durch."});
  }
  files.CreateDirectories(kUnpackDir);
  std::string list;
  for (const auto& entry : *entries) AppendBareLine(list, entry.name);
  bool unpacked = files.ReplaceFile(JoinDos(kUnpackDir, kUnpackListName), list).ok;
  for (const auto& entry : *entries) unpacked = unpacked && WriteEntry(files, entry);
  if (!unpacked) {
    return Failed(UpdaterOutcome::UnpackFailed,
                  {"Das Update konnte nicht nach " + std::string(kUnpackDir) + " entpackt werden.", "",
                   "Ihre Installation bleibt unverändert."});
  }
  const std::string installer = JoinDos(kUnpackDir, kInstallerName);
  const LaunchResult started = programs.Start({installer, {"-ncd"}, std::string(kUnpackDir), LaunchMode::Detached});
  if (!started.started) {
    return Failed(UpdaterOutcome::InstallerNotStarted,
                  {"Das Installationsprogramm " + installer + " konnte nicht", "gestartet werden (Fehler " +
                   std::to_string(started.error_code) + ").", "", "Ihre Installation bleibt unverändert."});
  }
  return {UpdaterOutcome::InstallerStarted, {}};
}

}  // namespace pekto
