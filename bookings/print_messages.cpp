#include "bookings/print_messages.h"

namespace pekto {

std::optional<int> ParsePrintSize(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  return std::stoi(std::string(text));
}

DialogMessage PrintSizeMessage() {
  return {"Kontrolle",
          {"Der Eintrag in dem Eingabefeld", "Ausdrucksgröße, muß mindestens", "5 betragen."},
          MessageKind::Exclamation};
}

DialogMessage PrinterErrorMessage() { return {"Druckerfehler!", {"Es kann nicht gedruckt werden."}, MessageKind::Stop}; }

DialogMessage PrintAbortedMessage(int spool_error) {
  DialogMessage message{"Druckerausgabe wurde abgebrochen!", {}, MessageKind::Stop};
  switch (spool_error) {
    case kSpoolApplicationAbort:
      message.lines = {"Abbruchfunktion der Applikation", "beendete den Druck."};
      break;
    case kSpoolUserAbort:
      message.lines = {"Anwender brach über den Druck-", "Manager den Druckauftrag ab."};
      break;
    case kSpoolDiskFull:
      message.lines = {"Nicht genügend Platz auf der Platte."};
      break;
    case kSpoolOutOfMemory:
      message.lines = {"Nicht genügend Speicher."};
      break;
    default:
      message.lines = {"Allgemeiner Fehler."};
      break;
  }
  return message;
}

DialogMessage PdfFailedMessage(std::string_view path) {
  return {"PEKTO Fehler!",
          {"Die PDF-Datei", std::string(path), "konnte nicht geschrieben werden."},
          MessageKind::Stop};
}

}  // namespace pekto
