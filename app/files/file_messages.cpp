#include "app/files/file_messages.h"

#include <algorithm>
#include <cerrno>

#include "platform/utf8.h"

namespace pekto {
namespace {

constexpr const char* kIncompleteCaption = "Daten unvollständig !";
constexpr const char* kErrorCaption = "PEKTO Fehler!";

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

int DaysInMonth(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string WriteFailureReason(int error_number) {
  switch (error_number) {
    case ENOSPC:
    case EDQUOT:
      return "Der Datenträger ist voll.";
    case EACCES:
    case EPERM:
    case EROFS:
      return "Es fehlt die Berechtigung zum Schreiben.";
    default:
      return "Systemfehler " + std::to_string(error_number) + ".";
  }
}

}  // namespace

bool IsPlausibleBirthDate(std::string_view birth_date) {
  if (birth_date.size() != 8 || !AllDigits(birth_date)) return false;
  const int day = Number(birth_date.substr(0, 2));
  const int month = Number(birth_date.substr(2, 2));
  const int year = Number(birth_date.substr(4, 4));
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year);
}

bool IsSafeFileName(std::string_view file_name) {
  const std::u32string chars = DecodeUtf8(file_name);
  const auto is_name_character = [](char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
           std::u32string_view(U"äöüÄÖÜß").find(c) != std::u32string_view::npos;
  };
  return !chars.empty() && chars.size() <= 7 && std::all_of(chars.begin(), chars.end(), is_name_character);
}

std::optional<SaveRefusal> CheckSaveFields(const MaskFields& mask) {
  const std::string& name = mask[MaskField::FileName];
  const std::string& birth = mask[MaskField::BirthDate];
  if (name.empty() || birth.empty()) {
    return SaveRefusal{{kIncompleteCaption,
                        {"Daten können nicht abgespeichert werden.", "Es muß mindestens der Name und das",
                         "Geburtsdatum angegeben werden."},
                        MessageKind::Information},
                       name.empty() ? MaskField::FileName : MaskField::BirthDate};
  }
  if (!IsPlausibleBirthDate(birth)) {
    return SaveRefusal{
        {kIncompleteCaption,
         {"Daten können nicht abgespeichert werden.", "Es wurde ein unlogisches Geburtsdatum", "angegeben."},
         MessageKind::Information},
        MaskField::BirthDate};
  }
  if (!IsSafeFileName(name)) {
    return SaveRefusal{
        {kIncompleteCaption,
         {"Daten können nicht abgespeichert werden.", "Der Name darf nur Buchstaben und", "Ziffern enthalten."},
         MessageKind::Information},
        MaskField::FileName};
  }
  return std::nullopt;
}

DialogMessage UnsavedChangesQuestion() {
  return {"Kontrolle",
          {"Sie haben Ihre Eintragungen nicht", "abgespeichert. Möchten Sie trotz-", "dem abbrechen...."},
          MessageKind::Question};
}

DialogMessage MonthNotClosedMessage(std::string_view period) {
  const std::string shown =
      period.size() == 4 ? std::string(period.substr(0, 2)) + "/" + std::string(period.substr(2)) : std::string(period);
  return {"PEKTO Hinweis!",
          {"Der Abrechnungszeitraum " + shown + " wurde nicht", "abgeschlossen: die Eingaben bestehen",
           "die Prüfung nicht. Gespeichert wurde", "nur die Arbeitnehmerdatei."},
          MessageKind::Information};
}

DialogMessage NotAFileMessage(std::string_view path) {
  return {kErrorCaption,
          {"Datei " + std::string(path) + " ist keine Datei", "(ein Ordner oder eine Gerätedatei) und kann",
           "nicht geladen werden."},
          MessageKind::Stop};
}

DialogMessage FileNotFoundMessage(std::string_view path) {
  return {kErrorCaption,
          {"Datei " + std::string(path) + " wurde nicht gefunden.", "Wenden Sie sich bitte an den Autor."},
          MessageKind::Stop};
}

DialogMessage DeleteQuestion(std::string_view path) {
  return {"Sicherheitsabfrage !", {"Datei " + std::string(path) + " löschen ?"}, MessageKind::DeleteQuestion};
}

DialogMessage PayslipQuestion() {
  return {"Kontrolle",
          {"Soll die Lohn-/ und Gehaltsabrechnung jetzt angezeigt werden?",
           "Beachten Sie bitte, dass lediglich ausgedruckte Abrechnungen archiviert werden!"},
          MessageKind::Question};
}

DialogMessage FileDamagedMessage(std::string_view path) {
  return {kErrorCaption,
          {"Die Datei " + std::string(path), "ist beschädigt und kann nicht geladen werden."},
          MessageKind::Stop};
}

DialogMessage YearFileDamagedMessage(std::string_view path) {
  return {kErrorCaption,
          {"Die Jahresdatei " + std::string(path) + " ist beschädigt.",
           "Die Jahreszahlen können nicht gebildet werden; es wurde",
           "nichts abgespeichert. Bitte sichern Sie die Jahresdatei",
           "und entfernen Sie sie aus dem Datenverzeichnis, oder", "speichern Sie mit \"Nein, erneut abrechnen\"."},
          MessageKind::Stop};
}

DialogMessage EmployerListDamagedMessage(std::string_view path) {
  return {"PEKTO Hinweis!",
          {"Die Arbeitgeberliste " + std::string(path), "ist beschädigt und wurde nicht ergänzt."},
          MessageKind::Information};
}

DialogMessage WriteFailedMessage(std::string_view path, int error_number) {
  return {kErrorCaption,
          {"Die Datei " + std::string(path), "konnte nicht geschrieben werden.", WriteFailureReason(error_number),
           "Die bisher gespeicherte Datei bleibt unverändert."},
          MessageKind::Stop};
}

DialogMessage DeleteFailedMessage(std::string_view path) {
  return {kErrorCaption, {"Datei " + std::string(path) + " konnte nicht gelöscht werden."}, MessageKind::Stop};
}

}  // namespace pekto
