#include "bookings/wage_type_editing.h"

#include <algorithm>

#include "bookings/booking_lines.h"

namespace pekto {
namespace {

namespace col = wage_column;

std::string TwoDigitNumber(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

void Renumber(WageTypeTable& table) {
  for (int i = 0; i < table.count; ++i) table.rows[static_cast<std::size_t>(i)][col::kRunningNumber] = TwoDigitNumber(i + 1);
}

std::optional<int> RowOfRunningNumber(const WageTypeTable& table, std::string_view running) {
  const auto wanted = ParseDecimalText(running, 0);
  if (!wanted) return std::nullopt;
  for (int i = 0; i < table.count; ++i) {
    const auto own = ParseDecimalText(table.rows[static_cast<std::size_t>(i)][col::kRunningNumber], 0);
    if (own && *own == *wanted) return i;
  }
  return std::nullopt;
}

bool OnlyRunningNumber(const WageTypeEditLine& line) {
  return std::all_of(line.begin() + 1, line.end(), [](const std::string& s) { return s.empty(); });
}

WageTypeConfirmation Refuse(int focus, DialogMessage message) {
  return {WageTypeEditOutcome::Refused, std::move(message), focus, -1};
}

DialogMessage InputError(std::vector<std::string> lines) {
  return {"Eingabe Fehler", std::move(lines), MessageKind::Exclamation};
}

void Store(WageTypeRow& row, const WageTypeEditLine& line) {
  for (int c = 1; c < kWageTypeEditFields; ++c) {
    if (c == col::kName && IsNameReadOnly(row[col::kName])) continue;
    row[static_cast<std::size_t>(c)] = line[static_cast<std::size_t>(c)];
  }
}

}  // namespace

WageTypeConfirmation ConfirmWageTypeLine(WageTypeTable& table, WageTypeEditLine& edit_line) {
  std::optional<int> row;
  if (!edit_line[col::kRunningNumber].empty()) {
    row = RowOfRunningNumber(table, edit_line[col::kRunningNumber]);
    if (!row) return Refuse(col::kRunningNumber, RecordNotFoundMessage());
    const WageTypeRow& stored = table.rows[static_cast<std::size_t>(*row)];
    if (OnlyRunningNumber(edit_line)) {
      for (int c = 0; c < kWageTypeEditFields; ++c) edit_line[static_cast<std::size_t>(c)] = stored[static_cast<std::size_t>(c)];
      return {WageTypeEditOutcome::TakenIntoEditLine, std::nullopt, col::kNumber, *row};
    }
    if (edit_line[col::kNumber].empty()) {
      for (int i = *row; i + 1 < table.count; ++i) table.rows[static_cast<std::size_t>(i)] = table.rows[static_cast<std::size_t>(i + 1)];
      table.rows[static_cast<std::size_t>(table.count - 1)].fill({});
      --table.count;
      Renumber(table);
      table.changed = true;
      edit_line.fill({});
      return {WageTypeEditOutcome::Deleted, std::nullopt, col::kRunningNumber, *row};
    }
  }
  const bool keeps_name = row && IsNameReadOnly(table.rows[static_cast<std::size_t>(*row)][col::kName]);
  if (edit_line[col::kName].empty() && !keeps_name) {
    return Refuse(col::kName, InputError({"Bitte die Bezeichnung der", "Lohnart eintragen....."}));
  }
  if (edit_line[col::kNumber].empty()) {
    return Refuse(col::kNumber, InputError({"Bitte die Nummer der Lohnart", "eintragen....."}));
  }
  if (!keeps_name && !IsValidWageTypeName(edit_line[col::kName])) {
    return Refuse(col::kName, InputError({"Die Bezeichnung der Lohnart enthält", "unzulässige Zeichen....."}));
  }
  if (edit_line[col::kCategory].empty()) {
    return Refuse(col::kCategory, InputError({"Bitte die Lohn-Art nach dem", "Schlüsselverzeichnis eintragen....."}));
  }
  const bool appended = !row.has_value();
  if (row) {
    Store(table.rows[static_cast<std::size_t>(*row)], edit_line);
  } else {
    if (table.count >= kMaxWageTypes) return Refuse(col::kNumber, TooManyWageTypesMessage());
    row = table.count;
    WageTypeRow& added = table.rows[static_cast<std::size_t>(*row)];
    added.fill({});
    Store(added, edit_line);
    ++table.count;
  }
  Renumber(table);
  table.changed = true;
  edit_line.fill({});
  return {appended ? WageTypeEditOutcome::Appended : WageTypeEditOutcome::Replaced, std::nullopt, col::kNumber, *row};
}

bool IsNameReadOnly(std::string_view name) {
  return name == kFixedWageTypes[0].name || name == kFixedWageTypes[1].name;
}

DialogMessage TooManyWageTypesMessage() {
  return {"Kontrolle !", {"Mehr als 99 Lohnarten", "können nicht erfaßt", "werden."}, MessageKind::Information};
}

DialogMessage DeleteWageTypeFileQuestion() {
  return {"Kontrolle",
          {"Falls Sie die ursprüngliche Lohnarten", "Datei zu einem späteren Zeitpunkt wie-",
           "derherstellen möchten, verwenden Sie", "bitte das Installationsprogramm.", "",
           "Sind Sie sicher, daß Sie die Lohn-", "arten Datei von Ihrer Festplatte", "löschen möchten ?"},
          MessageKind::DeleteQuestion};
}

DialogMessage UnsavedWageTypesQuestion() {
  return {"Kontrolle",
          {"Sie haben die Änderungen / Er-", "gänzungen der Lohnarten Datei", "nicht abgespeichert.",
           "Möchten Sie trotzdem abbrechen ?"},
          MessageKind::Question};
}

namespace {

DialogMessage Instruction(EditInstruction which, std::string_view item) {
  const std::string what(item);  // "Lohnart" or "Buchung"
  const bool booking = item == "Buchung";
  switch (which) {
    case EditInstruction::New:
      return {"Hinweis", {"Bei der Neuerfassung einer " + what + " ist", "k e i n e  laufende Nummer anzugeben."},
              MessageKind::Information};
    case EditInstruction::Change:
      return {"Hinweis",
              {"Möchten Sie eine vorhandene " + what + " ändern, so", "verfahren Sie wie folgt:",
               "1. Lassen Sie sich die zu ändernde " + what + " auf dem", "    Bildschirm anzeigen.",
               "2. Tragen Sie  n u r  die laufende Nummer der zu", "    ändernden " + what + " ein und bestätigen mit Enter.",
               "    Die " + what + " wird nun in die Eingabefelder über-", "    nommen.",
               "3. Nehmen Sie Ihre Änderungen vor. Die laufende",
               "    Nummer darf hierbei  n i c h t   geändert werden.",
               "    Bestätigen Sie anschliessend mit der Enter-Taste."},
              MessageKind::Information};
    case EditInstruction::Delete:
      break;
  }
  std::vector<std::string> lines = {"Möchten Sie eine vorhandene " + what + " löschen, so",
                                    "verfahren Sie wie folgt:",
                                    "1. Lassen Sie sich die zu löschende " + what + " auf",
                                    "    dem Bildschirm anzeigen.",
                                    "2. Tragen Sie  n u r  die laufende Nummer der zu",
                                    "    löschenden " + what + " ein und bestätigen mit Enter.",
                                    "    Die " + what + " wird nun in die Eingabefelder über-",
                                    "    nommen."};
  if (booking) {
    lines.insert(lines.end(), {"3. Entfernen Sie nur die Buchungsnummer der Lohnart.",
                               "    Die laufende Nummer darf hierbei  n i c h t   geän-",
                               "    dert werden. Bestätigen Sie anschliessend mit der", "    Enter-Taste."});
  } else {
    lines.insert(lines.end(), {"3. Entfernen Sie nur die Nummer der Lohnart (Buchungs-",
                               "    nummer). Die laufende Nummer darf hierbei  n i c h t",
                               "    geändert werden. Bestätigen Sie anschliessend mit", "    der Enter-Taste."});
  }
  return {"Hinweis", std::move(lines), MessageKind::Information};
}

}  // namespace

DialogMessage WageTypeInstruction(EditInstruction which) { return Instruction(which, "Lohnart"); }
DialogMessage BookingInstruction(EditInstruction which) { return Instruction(which, "Buchung"); }

std::vector<PopupEntry> KeyListEntries(KeyList list, bool booking_mask) {
  std::vector<std::string_view> texts;
  switch (list) {
    case KeyList::Category:
      texts = {"&1=Einkünfte/Abzüge vor Brutto",
               "&2=Einkünfte/Abzüge nach Brutto",
               "&3=Einkünfte/Abzüge nach Netto",
               booking_mask ? "&4=Arbeitgeben SV-Beiträge oder Steuern" : "&4=Arbeitgeber SV-Beiträge oder Steuern",
               "&5=Anwesenheitstage",
               "&6=Genommene Urlaubstage",
               "&7=Fehltage mit LFZ-Krank",
               "&8=Sonstige Fehltage",
               "&9=Steuertage",
               "0=Sozialversicherungstage"};
      break;
    case KeyList::TaxKey:
      texts = {"&1=Steuerpflichtige laufende Einkünfte", "&2=Steuerpflichtige sonstige Einkünfte",
               "&3=Steuerfreie laufende Einkünfte", "&4=Steuerfreie sonstige Einkünfte"};
      break;
    case KeyList::SvKey:
      texts = {"&1=SV-Pflichtige laufende Einkünfte", "&2=SV-Pflichtige sonstige Einkünfte",
               "&3=SV-Freie laufende Einkünfte", "&4=SV-Freie sonstige Einkünfte"};
      break;
    case KeyList::GarnishmentKey:
      texts = {"&0=Nicht pfändbares Einkommen", "&1=Voll pfändbares Einkommen", "&2=Zur Hälfte pfändbares Einkommen",
               "&3=Zu Dreiviertel pfändbares Einkommen"};
      break;
  }
  std::vector<PopupEntry> entries;
  for (const std::string_view text : texts) {
    const char digit = text[0] == '&' ? text[1] : text[0];
    entries.push_back({std::string(text), kKeyListCommandBase + (digit - '0')});
  }
  return entries;
}

std::optional<std::string> KeyOfListCommand(int command) {
  if (command < kKeyListCommandBase || command > kKeyListCommandBase + 9) return std::nullopt;
  return std::string(1, static_cast<char>('0' + command - kKeyListCommandBase));
}

std::vector<PopupEntry> FieldPopupEntries(bool has_key_list) {
  return {{"&Schlüsselverzeichnis zum Eingabefeld anzeigen", kShowKeyListCommand, has_key_list},
          {"&Erläuterung zum Eingabefeld anzeigen", kShowExplanationCommand}};
}

std::string WageTypeSelectionText(const WageTypeRow& row) {
  std::string number = row[col::kNumber];
  if (number.size() < 2) number.insert(0, 2 - number.size(), ' ');
  return number + "  " + row[col::kName];
}

std::vector<std::string> WageTypeSelectionEntries(const WageTypeTable& table) {
  std::vector<std::string> entries;
  for (int i = 0; i < table.count; ++i) entries.push_back(WageTypeSelectionText(table.rows[static_cast<std::size_t>(i)]));
  return entries;
}

}  // namespace pekto
