#include "app/startup/startup.h"

namespace pekto::startup_message {

Message StartMaskNotCreated() {
  return {"PEKTO Fehler!",
          JoinLines({"Die Startmaske konnte nicht ge-", "öffnet werden.", "Starten Sie das Programm erneut",
                     "direkt unter dem gewählten In-", "stallationspfad."}),
          MessageIcon::Stop, MessageButtons::Ok};
}

Message SystemFileMissing(const std::string& path) {
  return {"System Fehler !",
          JoinLines({"Es wurde keine SYSTEMDATEI unter dem Pfad", "(" + path + ") gefunden!", "",
                     "Starten Sie das Programm unter dem gewählten", "Installationspfad oder installieren Sie zuerst",
                     "die Anwendung (INSTALL.EXE).", "", "Falls Sie das Programm von einer Windows-",
                     "gruppe (ab Version 3.1) aus gestartet haben,", "ist als Arbeitsverzeichnis der Installations-",
                     "pfad einzutragen."}),
          MessageIcon::Stop, MessageButtons::Ok};
}

Message SystemFileDamaged(const std::string& path) {
  return {"System Fehler !",
          JoinLines({"Die SYSTEMDATEI unter dem Pfad", "(" + path + ")", "ist beschädigt oder unvollständig!", "",
                     "Installieren Sie die Anwendung erneut", "(INSTALL.EXE)."}),
          MessageIcon::Stop, MessageButtons::Ok};
}

Message InstallationElsewhere(const std::string& system_file_path, const std::string& named_root) {
  return {"System Fehler !",
          JoinLines({"Die SYSTEMDATEI unter dem Pfad", "(" + system_file_path + ")", "nennt als Installationspfad",
                     "(" + named_root + ").", "", "Wurde die Installation verschoben oder",
                     "kopiert, installieren Sie die Anwendung", "erneut (INSTALL.EXE) oder berichtigen Sie",
                     "den Installationspfad in der SYSTEMDATEI.", "", "Es wurden keine Dateien verändert."}),
          MessageIcon::Stop, MessageButtons::Ok};
}

Message FewerThanTwoWageTypes() {
  return {"Kontrolle",
          JoinLines({"Die Lohnartendatei ist nicht vorhanden", "oder enthält weniger als zwei Lohnarten.", "",
                     "Installieren Sie das Programm erneut", "(Lohnartendatei überschreiben), oder",
                     "richten Sie mindestens zwei Lohnarten", "(Lohnartendatei bearbeiten) ein."}),
          MessageIcon::Exclamation, MessageButtons::Ok};
}

Message WageTypeFileIncomplete(const std::string& path) {
  return {"Kontrolle",
          JoinLines({"Die Lohnartendatei " + path, "ist unvollständig. Die letzte Lohnart", "wurde nicht übernommen.",
                     "", "Prüfen Sie die Lohnarten (Lohnarten-", "datei bearbeiten)."}),
          MessageIcon::Exclamation, MessageButtons::Ok};
}

Message WageTypeNamesWithForeignCharacters(const std::vector<std::string>& running_numbers) {
  std::string numbers;
  for (const auto& number : running_numbers) numbers += (numbers.empty() ? "" : ", ") + number;
  return {"Kontrolle",
          JoinLines({"Die Lohnartendatei enthält Bezeichnungen", "mit unzulässigen Zeichen (laufende",
                     "Nummer " + numbers + ").", "", "Bitte berichtigen Sie die Bezeichnungen",
                     "(Lohnartendatei bearbeiten)."}),
          MessageIcon::Exclamation, MessageButtons::Ok};
}

Message DataFilesWriteProtected() {
  return {"Kontrolle !",
          JoinLines({"Die Programmausführung wird abge-", "brochen, da der Schreibschutz für",
                     "einige Dateien aktiviert ist..."}),
          MessageIcon::Stop, MessageButtons::Ok};
}

}  // namespace pekto::startup_message
