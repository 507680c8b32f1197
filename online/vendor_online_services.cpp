#include "online/vendor_online_services.h"

#include <filesystem>

#include "online/online_messages.h"
#include "platform/dos_path.h"
#include "platform/processes.h"
#include "platform/value_lines.h"
#include "ui/message_box.h"

namespace pekto {

namespace {

constexpr std::size_t kProbeMinimumBytes = 20;
// The files the update program names in the unpack folder.
constexpr std::string_view kUnpackListName = "PEKTOW.LST";

bool SameLines(const VersionFileLines& a, const VersionFileLines& b) { return a.version == b.version && a.date == b.date; }

std::string_view ReleaseYear(std::string_view version) { return version.substr(0, 4); }

bool MakeExecutable(const DosFileSystem& files, std::string_view dos) {
  const auto host = files.HostPath(dos);
  if (!host) return false;
  std::error_code error;
  namespace fs = std::filesystem;
  fs::permissions(*host, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, error);
  return !error;
}

const char* PagePath(VendorPage page) {
  switch (page) {
    case VendorPage::Homepage:
      return "/index.htm";
    case VendorPage::TermsOfBusiness:
      return "/allgengebi.htm";
    case VendorPage::SiblingProduct:
      return "/";
  }
  return "/";
}

}  // namespace

std::vector<std::string> RemoveUpdateLeftovers(const DosFileSystem& files, std::string_view install_root) {
  std::vector<std::string> removed;
  const auto remove_file = [&](const std::string& path) {
    if (files.DeleteFile(path)) removed.push_back(path);
  };
  for (const std::string_view name : {std::string_view("ARCVAA.EXE"), std::string_view("pektow.EXE"),
                                      kUpdateArchiveName, kUpdateSignatureName}) {
    remove_file(JoinDos(install_root, name));
  }
  remove_file(std::string(kHandOverFile));
  if (files.RemoveEmptyDirectory(kHandOverDir)) removed.emplace_back(kHandOverDir);
  std::vector<std::string> unpacked{"ARCVAA.EXE", "ARCVAI.EXE", "INSTALL.EXE", "INPEKTO.chm"};
  const std::string list_path = JoinDos(kUnpackDir, kUnpackListName);
  if (const auto list = files.ReadFile(list_path)) {
    for (const auto& name : SplitValueLines(*list)) {
      if (IsArchiveFileName(name)) unpacked.push_back(name);
    }
  }
  unpacked.emplace_back(kUnpackListName);
  for (const auto& name : unpacked) remove_file(JoinDos(kUnpackDir, name));
  if (files.RemoveEmptyDirectory(kUnpackDir)) removed.emplace_back(kUnpackDir);
  return removed;
}

void VendorOnlineServices::ReadSettings(const InstallPaths& paths) {
  paths_ = paths;
  have_paths_ = true;
  settings_ = ReadStartCheckSettings(env_.files, paths_.File(kStartCheckFile));
  last_check_date_ = ReadLastCheckDate(env_.files, paths_.File(kLastCheckFile));
  const auto override_value = env_.environment ? env_.environment(kServerEnvironmentVariable) : std::nullopt;
  server_ = ReadVendorServer(env_.files, paths_.File(kServerSettingsFile), override_value);
  options_.web_address = server_.WebAddress();
  options_.large_download_suffix = std::string(kUpdateArchiveName);
}

std::string VendorOnlineServices::HistoryFile(std::string_view name) const {
  return JoinDos(paths_.File("HIS01"), name);
}

std::size_t VendorOnlineServices::Download(std::string_view server_path, std::string_view target) {
  return DownloadToFile(env_.http, server_.Url(server_path), options_, env_.files, target);
}

void VendorOnlineServices::WriteSettings() {
  const std::string path = paths_.File(kStartCheckFile);
  if (!WriteStartCheckSettings(env_.files, path, settings_)) env_.messages.Show(online_message::SettingNotSaved(path));
}

void VendorOnlineServices::RefreshStartMask() {
  if (start_mask_ != nullptr) start_mask_->RefreshOnlineLines();
}

void VendorOnlineServices::EnableStartButtons(bool enabled) {
  if (start_mask_ != nullptr) start_mask_->EnableStartButtons(enabled);
}

void VendorOnlineServices::FirstRunQuestion() {
  if (!have_paths_ || !settings_.setting.empty()) return;
  if (env_.messages.Show(online_message::FirstRunQuestion()) != MessageResult::Yes) {
    settings_.setting = "2";
  } else {
    settings_.setting = "1";
    const std::string probe = HistoryFile(kAutomaticVersionFile);
    if (Download("/" + std::string(kVersionFile), probe) > 0) {
      env_.files.DeleteFile(probe);
    } else {
      settings_.setting = "2";
      env_.messages.Show(online_message::VersionFileNotRead());
    }
  }
  WriteSettings();
  RefreshStartMask();
}

void VendorOnlineServices::AutomaticStartCheck() {
  if (!have_paths_) return;
  settings_ = ReadStartCheckSettings(env_.files, paths_.File(kStartCheckFile));
  RefreshStartMask();
  const std::string today = env_.today();
  if (settings_.setting != "1" || settings_.last_check_date == today) return;
  settings_.last_check_date = today;
  WriteSettings();
  const std::string downloaded = HistoryFile(kAutomaticVersionFile);
  if (Download("/" + std::string(kVersionFile), downloaded) == 0) {
    env_.messages.Show(online_message::VersionFileNotRead());
    return;
  }
  const VersionFileLines installed = ReadVersionLines(env_.files, paths_.File(kVersionFile)).value_or(VersionFileLines{});
  const VersionFileLines newest = ReadVersionLines(env_.files, downloaded).value_or(VersionFileLines{});
  env_.files.DeleteFile(downloaded);
  if (installed.date == newest.date) return;
  if (ReleaseYear(installed.version) == ReleaseYear(newest.version)) {
    env_.messages.Show(online_message::OutdatedAtStart());
  }
}

void VendorOnlineServices::SetStartCheckSetting(std::string_view setting) {
  if (have_paths_) settings_ = ReadStartCheckSettings(env_.files, paths_.File(kStartCheckFile));
  settings_.setting = std::string(setting);
  RefreshStartMask();
  if (have_paths_) WriteSettings();
}

void VendorOnlineServices::CheckVersion(int mode) {
  if (!have_paths_) return;
  const std::string downloaded = HistoryFile(kVersionFile);
  if (Download("/" + std::string(kVersionFile), downloaded) == 0) {
    env_.messages.Show(online_message::VersionFileNotRead());
    return;
  }
  last_check_date_ = env_.today();
  WriteLastCheckDate(env_.files, paths_.File(kLastCheckFile), last_check_date_);
  RefreshStartMask();
  const VersionFileLines installed = ReadVersionLines(env_.files, paths_.File(kVersionFile)).value_or(VersionFileLines{});
  const auto newest = ReadVersionLines(env_.files, downloaded);
  if (!newest) {
    env_.messages.Show(online_message::DownloadedVersionFileMissing());
    return;
  }
  const bool current = SameLines(installed, *newest);
  if (current || mode == 2) env_.files.DeleteFile(downloaded);
  if (mode == 2) {
    Update();
    return;
  }
  if (current) {
    env_.messages.Show(online_message::VersionIsCurrent(newest->version, ReleaseDateShown(newest->date)));
    return;
  }
  const auto bytes = env_.files.ReadFile(downloaded);
  env_.files.DeleteFile(downloaded);
  if (env_.offers.OfferUpdate(ParseUpdateOffer(bytes.value_or("")))) Update();
}

void VendorOnlineServices::Update() {
  EnableStartButtons(false);
  if (FetchVerifiedUpdate() && StartUpdateProgram()) {
    if (start_mask_ != nullptr) start_mask_->EndProgramForUpdate();
    return;
  }
  EnableStartButtons(true);
}

bool VendorOnlineServices::FetchVerifiedUpdate() {
  const std::string archive_path = paths_.File(kUpdateArchiveName);
  const std::string signature_path = paths_.File(kUpdateSignatureName);
  const auto discard = [&] {
    env_.files.DeleteFile(archive_path);
    env_.files.DeleteFile(signature_path);
  };
  const std::size_t archive_bytes = Download("/" + std::string(kUpdateArchiveName), archive_path);
  const std::size_t signature_bytes =
      archive_bytes == 0 ? 0 : Download("/" + std::string(kUpdateSignatureName), signature_path);
  if (archive_bytes == 0 || signature_bytes == 0) {
    discard();
    env_.messages.Show(online_message::UpdateIncomplete(archive_bytes));
    return false;
  }
  const auto archive = env_.files.ReadFile(archive_path);
  const auto signature = env_.files.ReadFile(signature_path);
  const auto entries =
      archive && signature ? VerifiedArchive(*archive, *signature, env_.release_key) : std::nullopt;
  const ArchiveEntry* program = entries ? FindEntry(*entries, kUpdateProgramName) : nullptr;
  if (program == nullptr || FindEntry(*entries, kInstallerName) == nullptr) {
    discard();
    env_.messages.Show(online_message::UpdateNotAuthentic());
    return false;
  }
  const std::string program_path = paths_.File(kUpdateProgramName);
  if (env_.files.ReplaceFile(program_path, program->bytes).ok) MakeExecutable(env_.files, program_path);
  return true;
}

bool VendorOnlineServices::StartUpdateProgram() {
  env_.files.CreateDirectories(kHandOverDir);
  const HandOver hand_over{paths_.InstallRoot(), paths_.drive, paths_.dir, paths_.InstallRoot() + "\\HIS",
                           env_.files.CurrentDirectory()};
  const bool written = env_.files.ReplaceFile(kHandOverFile, SerializeHandOver(hand_over)).ok;
  const std::string web_address = server_.WebAddress();
  if (!written || !env_.files.FileExists(kHandOverFile)) {
    env_.messages.Show(online_message::HandOverNotWritten(web_address));
    return false;
  }
  const std::string program_path = paths_.File(kUpdateProgramName);
  if (!env_.files.FileExists(program_path)) {
    env_.messages.Show(online_message::UpdateProgramMissing(web_address));
    return false;
  }
  const LaunchResult started = env_.programs.Start({program_path, {}, paths_.InstallRoot(), LaunchMode::Detached});
  if (!started.started) {
    env_.messages.Show(online_message::UpdateProgramNotStarted(web_address));
    return false;
  }
  return true;
}

void VendorOnlineServices::OpenVendorPage(VendorPage page) {
  const bool online = have_paths_ && Download("/" + std::string(kProbeFile), paths_.File(kProbeFile)) > kProbeMinimumBytes;
  if (online && env_.documents.Open(server_.Url(PagePath(page))).started) return;
  env_.messages.Show(online_message::VendorPageNotOpened(page, server_.WebAddress()));
}

void VendorOnlineServices::CleanUpUpdateLeftovers() {
  if (have_paths_) RemoveUpdateLeftovers(env_.files, paths_.InstallRoot());
}

std::vector<std::string> VendorOnlineServices::VersionLines() const {
  std::string version_line = "Version unbekannt";
  if (have_paths_) {
    if (const auto installed = ReadVersionLines(env_.files, paths_.File(kVersionFile))) {
      version_line = "Version " + installed->version + ", Stand " + ReleaseDateShown(installed->date);
    }
  }
  const std::string check_line =
      "Letzte Online-Prüfung: " + (last_check_date_.empty() ? std::string("keine") : last_check_date_);
  return {version_line, check_line};
}

}  // namespace pekto
