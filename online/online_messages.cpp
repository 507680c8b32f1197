#include "online/online_messages.h"

namespace pekto::online_message {

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string AsAdministratorSteps() {
  return JoinLines({"1) PEKTO schliessen", "2) Mit der Maus auf die Verknüpfung (Desktop) zeigen.",
                    "3) Rechte Maustaste klicken.", "4) Auf " + Quoted("Als Adminitrator ausführen") + " klicken."});
}

std::string LoadDirectly(std::string_view web_address) {
  return JoinLines({"Bitte laden Sie das Update direkt aus dem Internet",
                    "(" + std::string(web_address) + "). Im Anschluss muss das Update", "installiert werden."});
}

}  // namespace

Message VersionFileNotRead() {
  return MessageFromFlags(JoinLines({"Die Versionsdatei konnten nicht gelesen", "werden.", "",
                                     "Entweder ist Ihre Internetverbindung nicht",
                                     "geöffnet oder Ihre Firewall verhindert den", "Zugriff."}),
                          "PEKTO Fehler!", kMbIconStop);
}

Message DownloadedVersionFileMissing() {
  return MessageFromFlags(JoinLines({"Die Versionsdatei aus dem Internet konnte", "nicht gelesen.", "",
                                     "Die Versionsprüfung wird abgebrochen."}),
                          "Versionskontrolle", kMbIconStop);
}

Message VersionIsCurrent(std::string_view version, std::string_view date) {
  return MessageFromFlags(JoinLines({"Ihre Programmversion ist aktuell.", "", "Version: " + std::string(version), "",
                                     "Stand:   " + std::string(date)}),
                          "Versionskontrolle", kMbIconInformation);
}

Message UpdateIncomplete(std::size_t bytes) {
  return MessageFromFlags(JoinLines({"Das Update wurde nicht vollständig übertragen.", "",
                                     "Übertragung: " + std::to_string(bytes), "",
                                     "Die Installation des Updates wird abgebrochen."}),
                          "PEKTO Fehler!", kMbIconStop);
}

Message UpdateNotAuthentic() {
  return MessageFromFlags(JoinLines({"Das Update trägt keine gültige Signatur des Herstellers.", "",
                                     "Es wurde unterwegs verändert oder stammt nicht von uns.",
                                     "Die übertragenen Dateien wurden gelöscht.", "",
                                     "Die Installation des Updates wird abgebrochen."}),
                          "PEKTO Fehler!", kMbIconStop);
}

Message HandOverNotWritten(std::string_view web_address) {
  return MessageFromFlags(JoinLines({"Die temporäre Konfigurationsdatei konnte nicht",
                                     "geschrieben werden. Vermutlich besitzen Sie keine", "ausreichenden Rechte.", "",
                                     LoadDirectly(web_address)}),
                          "PEKTO Fehler!", kMbIconStop);
}

Message UpdateProgramMissing(std::string_view web_address) {
  return MessageFromFlags(JoinLines({"Das Progamm pektow.exe konnte nicht gefunden wer-",
                                     "den. Die Ursache könnte nicht ausreichenden Rechte",
                                     "oder die Einstellungen Ihrer Firewall sein.", "", LoadDirectly(web_address)}),
                          "PEKTO Fehler!", kMbIconStop);
}

Message UpdateProgramNotStarted(std::string_view web_address) {
  return MessageFromFlags(
      JoinLines({"Das Progamm pektow.exe konnte nicht gestartet werden. Die Ursachen könnten sein:", "",
                 "1) Nicht ausreichende Rechte.", "2) Die Einstellungen Ihrer Firewall.", "",
                 "Führen Sie PEKTO als Administrator aus und versuchen Sie das Update erneut durchzuführen.", "",
                 AsAdministratorSteps(), "",
                 "Sollte auch diese Vorgehensweise erfolglos sein, so laden Sie bitte das Update direkt aus dem "
                 "Internet (" +
                     std::string(web_address) + "). Im Anschluss muss das Update installiert werden."}),
      "PEKTO Fehler!", kMbIconStop);
}

Message FirstRunQuestion() {
  return MessageFromFlags(
      JoinLines({"Bitte legen Sie hier fest, ob jeweils bei Programmstart eine Aktualitätsprüfung online "
                 "vorgenommen werden soll",
                 "",
                 "Unter dem Menüpunkt " + Quoted("Updateprüfung (siehe obere Menüleiste)") +
                     " können Sie Ihre Einstellung jederzeit ändern.",
                 "", "Soll die Aktualitätsprufung jeweils bei Programmstart online erfolgen ?"}),
      "Kontrolle", kMbYesNo | kMbIconQuestion);
}

Message OutdatedAtStart() {
  return MessageFromFlags(
      JoinLines({"Ihre Progammversion ist nicht mehr aktuell. Sie müssen das Programm updaten.", "",
                 "Verfahren Sie hierzu wie folgt:", "", "Führen Sie PEKTO als Administrator aus.", "",
                 AsAdministratorSteps(), "",
                 "Im Anschluss führen Sie bitte das Update durch (Programmversion online prüfen. Siehe obere "
                 "Menüleiste unter Updateprüfung)."}),
      "PEKTO Hinweis!", kMbIconStop);
}

Message VendorPageNotOpened(VendorPage page, std::string_view web_address) {
  std::string text;
  switch (page) {
    case VendorPage::Homepage:
      text = JoinLines({"Die Homepage konnte nicht aufgerufen werden.", "",
                        "Entweder wurde keine offene Internetverbindung",
                        "erkannt oder Ihre Firewall blockiert den Zugriff."});
      break;
    case VendorPage::TermsOfBusiness:
      text = JoinLines({"Die allgemeinen Geschäftsbedingungen konnten", "nicht geladen werden. Entweder wurde keine",
                        "offene Internetverbindung erkannt oder Ihre", "Firewall blockiert den Zugriff."});
      break;
    case VendorPage::SiblingProduct:
      text = JoinLines({"Die Homepage " + std::string(web_address) + " konnte nicht",
                        "aufgerufen werden. Entweder wurde keine offene",
                        "Internetverbindung erkannt oder Ihre Firewall", "blockiert den Zugriff."});
      break;
  }
  return MessageFromFlags(text, "PEKTO Hinweis!", kMbIconInformation);
}

Message SettingNotSaved(std::string_view path) {
  return MessageFromFlags(
      JoinLines({"Die Einstellung konnte nicht gespeichert", "werden (" + std::string(path) + ")."}), "PEKTO Fehler!",
      kMbIconStop);
}

Message NoRemoteAssistance() {
  return MessageFromFlags(JoinLines({"Auf diesem Rechner wurde kein Programm für die", "Fernwartung gefunden.", "",
                                     "Bitte installieren Sie eines der Programme", "RustDesk, AnyDesk, TeamViewer",
                                     "oder Krfb (KDE-Arbeitsfläche freigeben)."}),
                          "PEKTO Hinweis!", kMbIconInformation);
}

}  // namespace pekto::online_message
