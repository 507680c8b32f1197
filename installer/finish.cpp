#include "installer/finish.h"

#include "installer/installer_files.h"
#include "platform/dos_path.h"

namespace pekto {

namespace {

constexpr const char* kRecommendation =
    "Unsere Empfehlung: Betriebe mit Lohnkonten, Beitragsnachweisen und Meldungen finden in PEKTO++ die "
    "vollständige Lohnbuchhaltung, und mit PEKTO Kasse führen Sie Ihr Kassenbuch in derselben gewohnten "
    "Bedienung.";

std::string Folder(const std::string& dir) { return dir.size() == 2 ? dir + "\\" : dir; }

}  // namespace

std::string FinishMessageText(bool update_mode) {
  std::string text;
  if (update_mode) {
    text = "Das Update wurde erfolgreich installiert. Das Programm PEKTO wird im Anschluss automatsch aufgerufen.";
  } else {
    text = std::string("Das Programm wurde erfolgreich installiert und kann nun mit ") +
           "PEKTO.EXE, unter dem gewählten Pfad oder der Taskleiste gestartet werden.\r\n\r\n" +
           "Welche Arbeitsschritte notwendig sind, um eine Abrechnug durchzuführen, beschreibt die Kurzanleitung " +
           "im Menü Hilfe des Programms. Bitte nehmen Sie sich vor der ersten Abrechnung die Zeit, die " +
           "K u r z a n l e i t u n g  durchzulesen.";
  }
  return text + "\r\n\r\n" + kRecommendation;
}

void FinishWithMessage(const InstallerState& state, InstallerServices& services) {
  MessageBoxCentered(services.boxes, FinishMessageText(state.update_mode), "Kontrolle !", kMbIconInformation);
  for (const std::string& dir : {Folder(state.install_dir), state.source_dir}) {
    for (const char* name : {"ARCVAI.EXE", "ARCVAA.EXE", "PEKTOW.EXE"}) {
      const std::string path = JoinDos(dir, name);
      if (services.files.FileExists(path)) services.files.DeleteFile(path);
    }
  }
}

void FinishAfterClose(const InstallerState& state, InstallerServices& services) {
  const std::string dir = Folder(state.install_dir);
  services.files.DeleteFile(JoinDos(dir, "HPEKTOWU.CDK"));
  for (const char* name : {"ARCVAA.EXE", "ARCVAI.EXE", "INSTALL.EXE", "INPEKTO.chm"}) {
    const std::string path = JoinDos(kUpdateSourceDir, name);
    if (services.files.FileExists(path)) services.files.DeleteFile(path);
  }
  if (services.files.DirectoryExists(kUpdateSourceDir)) services.files.RemoveEmptyDirectory(kUpdateSourceDir);

  const std::string program = JoinDos(dir, kProgramFile);
  if (!state.update_mode) {
    if (!state.program_archive_unpacked) return;
    services.shortcuts.CreateShortcut("PEKTO", program, dir);
    services.programs.Start({JoinDos(dir, "MANDOR.EXE"), {}, dir, LaunchMode::Detached});
    return;
  }
  // A hand-over file left behind would take the next installation into
  // update mode; the main program removes it at its start as well.
  services.files.DeleteFile(kHandOverFile);
  services.programs.Start({program, {}, dir, LaunchMode::Wait});
}

}  // namespace pekto
