// The online services of the main program: the check at start and its
// first-run question, the manual check and the update up to the start of
// the update program, the switch for the check at start, the vendor's web
// pages and the clean-up of update left-overs. No Qt: the screens (the
// update offer, the progress of a fetch) are behind interfaces.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/startup/install_paths.h"
#include "app/startup/online_services.h"
#include "online/http_get.h"
#include "online/online_files.h"
#include "online/update_archive.h"
#include "online/vendor_server.h"
#include "platform/dos_file_system.h"

namespace pekto {

class DocumentOpener;
class MessageBoxes;
class ProgramStarter;

// "VESSDIALOG": the change notes of a newer release; true for the update.
class UpdateOfferScreen {
 public:
  virtual ~UpdateOfferScreen() = default;
  virtual bool OfferUpdate(const UpdateOffer& offer) = 0;
};

struct OnlineEnvironment {
  const DosFileSystem& files;
  MessageBoxes& messages;
  HttpClient& http;
  ProgramStarter& programs;
  DocumentOpener& documents;
  UpdateOfferScreen& offers;
  EnvironmentLookup environment;
  std::function<std::string()> today = TodayDateText;
  PublicKey release_key = ReleasePublicKey();
};

// Removes what an update leaves behind, in this order: the update's files
// in the installation directory, the hand-over file and its folder, the
// unpacked files in C:\LHWUEKT and the folder. The DOS paths removed.
std::vector<std::string> RemoveUpdateLeftovers(const DosFileSystem& files, std::string_view install_root);

class VendorOnlineServices final : public OnlineServices {
 public:
  explicit VendorOnlineServices(OnlineEnvironment environment) : env_(std::move(environment)) {}

  void ReadSettings(const InstallPaths& paths) override;
  void FirstRunQuestion() override;
  void AutomaticStartCheck() override;
  [[nodiscard]] std::string StartCheckSetting() const override { return settings_.setting; }
  void SetStartCheckSetting(std::string_view setting) override;
  void CheckVersion(int mode) override;
  void OpenVendorPage(VendorPage page) override;
  void CleanUpUpdateLeftovers() override;
  [[nodiscard]] std::vector<std::string> VersionLines() const override;
  void AttachStartMask(OnlineStartMask* mask) override { start_mask_ = mask; }

  [[nodiscard]] const VendorServer& Server() const { return server_; }
  [[nodiscard]] const HttpOptions& FetchOptions() const { return options_; }
  [[nodiscard]] const std::string& LastOnlineCheckDate() const { return last_check_date_; }

 private:
  void Update();
  // Fetched, signed and unpacked up to pektow.exe; false after its message.
  bool FetchVerifiedUpdate();
  bool StartUpdateProgram();
  std::size_t Download(std::string_view server_path, std::string_view target);
  [[nodiscard]] std::string HistoryFile(std::string_view name) const;
  void WriteSettings();
  void RefreshStartMask();
  void EnableStartButtons(bool enabled);

  OnlineEnvironment env_;
  InstallPaths paths_;
  bool have_paths_ = false;
  VendorServer server_;
  HttpOptions options_;
  StartCheckSettings settings_;
  std::string last_check_date_;
  OnlineStartMask* start_mask_ = nullptr;
};

}  // namespace pekto
