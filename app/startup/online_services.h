// What the start mask and the start-up ask of the online services (version
// check, update, the vendor's web pages). online/ fills this in
// (VendorOnlineServices); OfflineServices keeps the start-check setting and
// answers every network command with the failure message of that command.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/message_box.h"

namespace pekto {

class DosFileSystem;
struct InstallPaths;

enum class VendorPage { Homepage, TermsOfBusiness, SiblingProduct };

// What the online services do to the start mask while it is shown.
class OnlineStartMask {
 public:
  virtual ~OnlineStartMask() = default;
  // Buttons 1 and 103 while an update is prepared.
  virtual void EnableStartButtons(bool enabled) = 0;
  // The version lines and the menu checks of 5534/5535.
  virtual void RefreshOnlineLines() = 0;
  // The update program runs: the start mask goes and the program ends.
  virtual void EndProgramForUpdate() = 0;
};

class OnlineServices {
 public:
  virtual ~OnlineServices() = default;
  // Start-up: the settings files, and the check at start.
  virtual void ReadSettings(const InstallPaths& paths) = 0;
  virtual void AutomaticStartCheck() = 0;
  // "1" check at every start, "2" not, "" not yet decided.
  [[nodiscard]] virtual std::string StartCheckSetting() const = 0;
  virtual void SetStartCheckSetting(std::string_view setting) = 0;
  // Mode 0: check the version (5529); mode 2: update without a check (5530).
  virtual void CheckVersion(int mode) = 0;
  virtual void OpenVendorPage(VendorPage page) = 0;
  // Start-up: left-overs of an update, and the question asked once whether
  // to check at every start (before AutomaticStartCheck).
  virtual void CleanUpUpdateLeftovers() {}
  virtual void FirstRunQuestion() {}
  // The start mask's lines of the installed version and the last check.
  [[nodiscard]] virtual std::vector<std::string> VersionLines() const { return {}; }
  // The start mask registers itself while it exists (nullptr when it goes).
  virtual void AttachStartMask(OnlineStartMask* mask) { (void)mask; }
};

// The vendor's web address as the messages name it.
inline constexpr std::string_view kVendorWebAddress = "www.pekto-lohn.de";

class OfflineServices final : public OnlineServices {
 public:
  OfflineServices(const DosFileSystem& files, MessageBoxes& messages) : files_(files), messages_(messages) {}
  void ReadSettings(const InstallPaths& paths) override;
  void AutomaticStartCheck() override {}
  [[nodiscard]] std::string StartCheckSetting() const override { return setting_; }
  void SetStartCheckSetting(std::string_view setting) override;
  void CheckVersion(int mode) override;
  void OpenVendorPage(VendorPage page) override;

 private:
  const DosFileSystem& files_;
  MessageBoxes& messages_;
  std::string settings_path_;  // AUT_PRUESF.INF
  std::string setting_;
  std::string last_check_date_;
};

}  // namespace pekto
