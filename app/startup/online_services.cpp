#include "app/startup/online_services.h"

#include "app/startup/install_paths.h"
#include "platform/code_page.h"
#include "platform/dos_file_system.h"
#include "platform/value_lines.h"

namespace pekto {

void OfflineServices::ReadSettings(const InstallPaths& paths) {
  settings_path_ = paths.File("AUT_PRUESF.INF");
  const auto bytes = files_.ReadFile(settings_path_);
  if (!bytes) return;
  ValueLineReader reader(*bytes);
  setting_ = Cp1252ToUtf8(reader.Next().value_or(""));
  last_check_date_ = Cp1252ToUtf8(reader.Next().value_or(""));
}

void OfflineServices::SetStartCheckSetting(std::string_view setting) {
  setting_ = std::string(setting);
  if (settings_path_.empty()) return;
  std::string out;
  AppendBareLine(out, Utf8ToCp1252(setting_));
  AppendBareLine(out, Utf8ToCp1252(last_check_date_));
  if (!files_.ReplaceFile(settings_path_, out).ok) {
    MessageBoxCentered(messages_,
                       JoinLines({"Die Einstellung konnte nicht gespeichert", "werden (" + settings_path_ + ")."}),
                       "PEKTO Fehler!", kMbIconStop);
  }
}

void OfflineServices::CheckVersion(int /*mode*/) {
  MessageBoxCentered(
      messages_,
      JoinLines({"Die Versionsdatei konnten nicht gelesen", "werden.", "", "Entweder ist Ihre Internetverbindung nicht",
                 "geöffnet oder Ihre Firewall verhindert den", "Zugriff."}),
      "PEKTO Fehler!", kMbIconStop);
}

void OfflineServices::OpenVendorPage(VendorPage page) {
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
      text = JoinLines({"Die Homepage " + std::string(kVendorWebAddress) + " konnte nicht",
                        "aufgerufen werden. Entweder wurde keine offene",
                        "Internetverbindung erkannt oder Ihre Firewall", "blockiert den Zugriff."});
      break;
  }
  MessageBoxCentered(messages_, text, "PEKTO Hinweis!", kMbIconInformation);
}

}  // namespace pekto
