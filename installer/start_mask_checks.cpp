#include "installer/start_mask_checks.h"

#include <cctype>

#include "installer/installer_files.h"
#include "platform/dos_path.h"
#include "platform/utf8.h"

namespace pekto {

namespace {

constexpr std::string_view kCaption = "Kontrolle!";
constexpr std::string_view kForbidden = "<>:\"/|?*";

bool Refuse(MessageBoxes& boxes, const std::string& text, std::string_view caption = kCaption) {
  MessageBoxCentered(boxes, text, caption, kMbIconExclamation);
  return false;
}

bool Ask(MessageBoxes& boxes, const std::string& text, std::string_view caption = kCaption) {
  return MessageBoxCentered(boxes, text, caption, kMbYesNo | kMbIconQuestion) == MessageResult::Yes;
}

std::string WithoutTrailingBackslash(std::string_view path) {
  std::string text(path);
  while (text.size() > 3 && text.back() == '\\') text.pop_back();
  if (text.size() == 3 && text.back() == '\\') text.pop_back();  // "C:\" is the drive "C:"
  return text;
}

// The folder as a DOS path the file system takes ("C:" -> "C:\").
std::string Folder(const std::string& dir) { return dir.size() == 2 ? dir + "\\" : dir; }

bool CheckForm(std::string_view typed, MessageBoxes& boxes) {
  if (typed.empty()) return Refuse(boxes, JoinLines({"Bitte geben Sie ein Instal-", "lationsverzeichnis an.", "Z.B. C:\\PEKTO"}));
  if (HasInstallPathForm(typed)) return true;
  std::string text = JoinLines({"Bitte geben Sie das Instal-", "lationsverzeichnis im gefor-", "derten Format an."});
  if (typed.starts_with("\\\\")) text += "\r\n\r\nUngültig: \\\\";
  return Refuse(boxes, text);
}

bool CheckDrive(char drive, InstallerServices& services) {
  if (services.target.FreeSpace(drive)) return true;
  return Refuse(services.boxes, JoinLines({"Die Festplatte/Laufwerk auf", "der Sie installieren möchten",
                                           "kann nicht gelesen werden.", "(Frei: 0)", "", "Z.B. C:\\PEKTO angeben."}));
}

bool CheckLength(const std::string& dir, MessageBoxes& boxes) {
  if (CodePointCount(dir) + 5 <= kMaxInstallPathLength + 3) return true;
  return Refuse(boxes, JoinLines({"Die Länge des Installationspfades darf max-", "imal 124 Zeichen betragen.", "",
                                  "Wählen Sie bitte einen kürzeren Installa-",
                                  "tionspfad oder kopieren Sie die Quelldatei-", "en in ein anderes Verzeichnis."}));
}

bool CheckLastInstallation(const std::string& dir, const InstallerState& state, MessageBoxes& boxes) {
  if (state.last_install_dir.empty() || SameDosPath(state.last_install_dir, dir)) return true;
  return Ask(boxes, JoinLines({"Das Programm wurde zuletzt unter dem Verzeichnis",
                               state.last_install_dir + " installiert.",
                               "Beachten Sie das bereits erfasste Daten nicht mehr",
                               "abgerufen werden können, da der Zugriff auf das", "Verzeichnis " + dir + " erfolgt.",
                               "Soll die Installation trotzdem durchgeführt", "werden ?"}));
}

bool CheckAlreadyInstalled(const std::string& dir, InstallerServices& services) {
  if (!services.files.FileExists(JoinDos(Folder(dir), kProgramFile))) return true;
  return Ask(services.boxes, JoinLines({"Das Programm wurde bereits", "installiert.", "Soll die Installation trotz-",
                                        "dem durchgeführt werden ?"}));
}

bool CheckFreeSpace(const std::string& dir, InstallerServices& services) {
  const auto free = services.target.FreeSpace(dir[0]);
  if (free && *free >= kRequiredFreeBytes) return true;
  return Refuse(services.boxes,
                JoinLines({"Der freie Speicherplatz auf Lauf-", "werk/Festplatte " + dir.substr(0, 1) + " ist nicht aus-",
                           "reichend. Sie benötigen min-", "destens 1300 KB freien Speicher."}));
}

bool CreateDirectory(const std::string& dir, InstallerServices& services) {
  const auto parsed = ParseDosPath(dir);
  if (parsed && parsed->components.size() > kMaxDirectoryLevels) {
    return Refuse(services.boxes, JoinLines({"Der Pfadnamen ist zu umfangreich.", "Bitte weniger Unterpfade angeben."}));
  }
  if (services.files.CreateDirectories(Folder(dir)) && services.files.DirectoryExists(Folder(dir))) return true;
  return Refuse(services.boxes, JoinLines({"Das Installationsverzeichnis", dir, "konnte nicht angelegt werden.", "",
                                           "Vermutlich ist das Laufwerk schreibgeschützt oder",
                                           "Sie besitzen keine ausreichenden Rechte."}));
}

// Check 9; nullopt continues, otherwise the outcome.
std::optional<StartMaskOutcome> CheckWriteProtection(const std::string& dir, InstallerServices& services) {
  const std::vector<std::string> names = services.files.ListFiles(Folder(dir));
  bool protected_files = false;
  for (const auto& name : names) protected_files = protected_files || services.files.IsWriteProtected(JoinDos(Folder(dir), name));
  if (!protected_files) return std::nullopt;
  const bool clear = Ask(services.boxes,
                         JoinLines({"Die Systemkontrolle hat ergeben, dass Dateien",
                                    "unter Ihrem Installationsverzeichnis mit einem", "Schreibschutz versehen wurden.",
                                    "(Verzeichnis: " + dir + "\\)", "Wahrscheinlich haben Sie Dateien von einer CD",
                                    "manuell übertragen.", "Um die Installation korrekt durchzuführen, ist",
                                    "es zwingend notwendig, den Schreibschutz für",
                                    "unter dem o.g. Verzeichnis vorhandenen Dateien", "aufzuheben.",
                                    "Soll der Schreibschutz programmgesteuert aufge-", "hoben werden ?"}));
  if (!clear) {
    MessageBoxCentered(services.boxes,
                       JoinLines({"Die Programmausführung wird abge-", "brochen, da der Schreibschutz für",
                                  "einige Dateien aktiviert ist..."}),
                       "Kontrolle !", kMbIconStop);
    return StartMaskOutcome::EndInstaller;
  }
  for (const auto& name : names) services.target.ClearWriteProtection(JoinDos(Folder(dir), name));
  return std::nullopt;
}

enum class ArchiveStep { Unpacked, Skipped, Refused };

// Checks 10 and 11: a missing archive asks whether to go on without it; a
// damaged one or a failed write refuses, with nothing changed.
ArchiveStep UnpackFromSource(std::string_view archive, const std::string& dir, const InstallerState& state,
                             InstallerServices& services) {
  const std::string path = JoinDos(state.source_dir, archive);
  const std::string label(archive.substr(0, archive.find('.')));
  const UnpackResult result =
      services.files.FileExists(path) ? services.target.Unpack(path, Folder(dir)) : UnpackResult{UnpackCode::Missing, {}, {}};
  switch (result.code) {
    case UnpackCode::Ok:
      return ArchiveStep::Unpacked;
    case UnpackCode::Missing:
      return Ask(services.boxes, JoinLines({"Das Archiv " + label + " wurde nicht", "gefunden......",
                                            "Installation fortsetzen ?"}))
                 ? ArchiveStep::Skipped
                 : ArchiveStep::Refused;
    case UnpackCode::Damaged:
      MessageBoxCentered(services.boxes,
                         JoinLines({"Das Archiv " + label + " ist beschädigt und kann", "nicht entpackt werden.",
                                    "(" + result.detail + ")", "", "Es wurden keine Dateien verändert.",
                                    "Bitte verwenden Sie ein vollständiges", "Installationsmedium."}),
                         kCaption, kMbIconStop);
      return ArchiveStep::Refused;
    case UnpackCode::WriteFailed:
      MessageBoxCentered(services.boxes,
                         JoinLines({"Die Dateien des Archivs " + label + " konnten nicht", "nach " + dir +
                                    " geschrieben werden.", "(" + result.detail + ")", "",
                                    "Vermutlich ist der Datenträger voll oder", "schreibgeschützt.",
                                    "Es wurden keine Dateien verändert."}),
                         kCaption, kMbIconStop);
      return ArchiveStep::Refused;
  }
  return ArchiveStep::Refused;
}

bool AskOverwriteWageTypes(const std::string& dir, InstallerServices& services) {
  if (!services.files.FileExists(JoinDos(Folder(dir), kWageTypeFile))) return true;
  return Ask(services.boxes,
             JoinLines({"Die Lohnartendatei existiert bereits.", "Es ist zu beachten, daß eventuell von",
                        "Ihnen eingerichtete Lohnarten verloren-", "gehen, wenn Ihre Lohnartendatei über-",
                        "schrieben wird !", "Soll Ihre Lohartendatei überschrieben", "werden ?"}),
             "Kontrolle");
}

}  // namespace

bool HasInstallPathForm(std::string_view path) {
  if (path.size() < 3 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' || path[2] != '\\') {
    return false;
  }
  std::string_view rest = path.substr(3);
  while (!rest.empty() && rest.back() == '\\') rest.remove_suffix(1);
  if (rest.empty()) return true;
  std::size_t start = 0;
  while (start <= rest.size()) {
    auto end = rest.find('\\', start);
    if (end == std::string_view::npos) end = rest.size();
    const std::string_view part = rest.substr(start, end - start);
    if (part.empty() || part.find_first_not_of('.') == std::string_view::npos) return false;
    if (part.front() == ' ' || part.back() == ' ') return false;
    for (const char c : part) {
      if (static_cast<unsigned char>(c) < 0x20 || kForbidden.find(c) != std::string_view::npos) return false;
    }
    start = end + 1;
  }
  return true;
}

StartMaskOutcome ContinueFromStartMask(std::string_view typed, InstallerState& state, InstallerServices& services) {
  constexpr auto back = StartMaskOutcome::BackToField;
  if (!CheckForm(typed, services.boxes)) return back;
  std::string dir = WithoutTrailingBackslash(typed);
  dir[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(dir[0])));
  if (!CheckDrive(dir[0], services)) return back;
  if (!CheckLength(dir, services.boxes)) return back;
  if (!CheckLastInstallation(dir, state, services.boxes)) return back;
  if (!CheckAlreadyInstalled(dir, services)) return back;
  if (!CheckFreeSpace(dir, services)) return back;
  if (!CreateDirectory(dir, services)) return back;
  if (const auto outcome = CheckWriteProtection(dir, services)) return *outcome;

  const ArchiveStep program = UnpackFromSource(kProgramArchive, dir, state, services);
  if (program == ArchiveStep::Refused) return back;
  state.program_archive_unpacked = program == ArchiveStep::Unpacked;
  if (!state.update_mode && AskOverwriteWageTypes(dir, services)) {
    if (UnpackFromSource(kDataArchive, dir, state, services) == ArchiveStep::Refused) return back;
  }
  state.install_dir = dir;
  return StartMaskOutcome::OpenUserMask;
}

}  // namespace pekto
