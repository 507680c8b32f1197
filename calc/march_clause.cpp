#include "calc/march_clause.h"

namespace pekto {

DialogMessage MarchClauseWarning(const std::array<bool, 3>& branches) {
  DialogMessage m{"Die Märzklausel ist zu beachten !",
                  {"Die abzurechnende Einmalzahlung fällt unter", "die sogenannte Märzklausel, d.h. die Einmal-",
                   "zahlung ist dem letzten Abrechnungszeit-", "raum des Vorjahres zuzuordnen (Sozialver-",
                   "sicherung).", "", "Die Einmalzahlung ist nicht voll Beitrags-", "pflichtig in:", ""},
                  MessageKind::Warning};
  static constexpr const char* kBranches[] = {"Der Krankenversicherung", "Der Rentenversicherung",
                                              "Der Arbeitslosenversicherung"};
  for (std::size_t i = 0; i < branches.size(); ++i) {
    if (branches[i]) m.lines.emplace_back(kBranches[i]);
  }
  m.lines.emplace_back("");
  m.lines.emplace_back("Abrechnung trotzdem zeigen....");
  return m;
}

}  // namespace pekto
