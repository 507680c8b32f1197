#include "app/checks/control_dialog_content.h"

#include <array>

namespace pekto {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Januar",    "Februar", "März",     "April",
                                                          "Mai",       "Juni",    "Juli",     "August",
                                                          "September", "Oktober", "November", "Dezember"};

constexpr std::string_view kSummationNotice[] = {
    "Es ist darauf zu achten, daß die Summenbildung für den Abrechnungszeitraum",
    "grundsätzlich nur einmal vorgenommen werden kann. Bitte prüfen Sie daher",
    "die Abrechnung bevor Sie auf Ja, die Abrechnung ist OK klicken.",
    "Falls nach durchgeführter Summenbildung die Abrechnung trotzdem berichtigt",
    "werden muß, so laden Sie bitte die vom Programm angelegte Sicherheitskopie",
    "über den Menüpunkt Datei.Anschließend können Sie die Abrechnung erneut",
    "durchführen, und die Bildung der Jahressummen wiederholen.",
    "Sollen die aufgelaufenen Jahreszahlen jetzt gebildet werden?",
};

constexpr std::string_view kAnnualBasisText[] = {
    "Es ist unbedingt darauf zu achten, daß vor Auswertung",
    "der Buchungsmaske die Daten auf der Hauptmaske unter",
    "dem Eingabeblock persönliche Daten korrekt erfaßt wur-",
    "den, da es ansonsten zu Fehlauswertungen kommen kann.",
    "Dies gilt insbesondere für die steuer-/ und sozialver-",
    "sicherungsrelevanten Schlüssel sowie für den Abrech-",
    "nungsmonat. Ferner müssen zwingend die Sozialversicher-",
    "ungs- und Steuertage gebucht (Buchungsmaske) werden.",
    "Nähere Informationen finden sie unter der Hilfe zu den",
    "Eingabefeldern unter dem Eingabeblock sonstige Bezüge",
    "auf der Hauptmaske.",
    "Sollen die aufgelaufenen sozialversicherungsrelevanten",
    "Jahreszahlen sowie das voraussichtlich steuerpflichtige",
    "Jahreseinkommen berechnet und auf der Hauptmaske ausge-",
    "wiesen werden?",
};

constexpr std::string_view kPayslipOutputText[] = {
    "Falls Sie die Leistungserfassung zu einem früheren",
    "Zeitpunkt über die Buchungsmaske vorgenommen haben,",
    "so blenden Sie bitte die Buchungsmaske ein und ge-",
    "hen dann zur Hauptmaske zurück.",
    "Ansonsten führen Sie bitte zuerst die Abrechnung",
    "von der Hauptmaske aus, mit Return, durch.",
    "Ferner sind vor Ausgabe der Abrechnung die Jahres-",
    "summen durch abspeichern der Abrechnung zu bilden,",
    "falls dies noch nicht geschehen ist.",
    "Sollten sie diese Arbeitsanweisung nicht einhalten,",
    "kann es zu Fehlausgaben kommen.",
    "Abrechnung trotzdem zeigen?",
};

template <std::size_t N>
std::vector<std::string> Lines(const std::string_view (&pieces)[N]) {
  return {std::begin(pieces), std::end(pieces)};
}

ControlDialogContent Summation(const SummationFacts& facts) {
  ControlDialogContent content;
  const std::string_view year = facts.period.size() >= 4 ? facts.period.substr(2, 2) : std::string_view();
  content.caption =
      "Abschluss des Abrechnungszeitraumes " + std::string(MonthName(facts.period)) + " 20" + std::string(year);
  content.lines = {"Arbeitnehmer/Dateiname: " + std::string(facts.file_name),
                   "Datum der letzten Abrechnung: " + std::string(facts.last_calculation_date),
                   "Letzter Abrechnungszeitraum:.. " + std::string(facts.last_period)};
  content.lines.insert(content.lines.end(), std::begin(kSummationNotice), std::end(kSummationNotice));
  content.yes_caption = "Ja, die Abrechnung ist OK";
  content.no_caption = "Nein, erneut abrechnen";
  return content;
}

}  // namespace

std::string ControlDialogContent::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

std::string_view MonthName(std::string_view period) {
  if (period.size() < 2 || period[0] < '0' || period[0] > '1' || period[1] < '0' || period[1] > '9') return {};
  const int month = (period[0] - '0') * 10 + (period[1] - '0');
  if (month < 1 || month > 12) return {};
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

ControlDialogContent ControlDialogContentOf(ControlDialogMode mode, const SummationFacts& facts) {
  switch (mode) {
    case ControlDialogMode::Summation:
      return Summation(facts);
    case ControlDialogMode::AnnualBasis:
      return {"Kontrolle", Lines(kAnnualBasisText)};
    case ControlDialogMode::PayslipOutput:
      return {"Kontrolle", Lines(kPayslipOutputText)};
  }
  return {};
}

}  // namespace pekto
