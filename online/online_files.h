// The files of the online services: the version files, the start-check
// settings "AUT_PRUESF.INF", the date of the last manual check
// "INTAUTOUP.DAT", the update hand-over file, and DownloadToFile.
#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "online/http_get.h"
#include "platform/update_hand_over.h"

namespace pekto {

class DosFileSystem;

inline constexpr std::string_view kVersionFile = "VERSPRK.INF";
inline constexpr std::string_view kAutomaticVersionFile = "AUT_VERSPRK.INF";
inline constexpr std::string_view kStartCheckFile = "AUT_PRUESF.INF";
inline constexpr std::string_view kLastCheckFile = "INTAUTOUP.DAT";
inline constexpr std::string_view kProbeFile = "JSUMMEN.COM";

// The run-time's date text, MM-DD-YYYY; only compared and shown.
[[nodiscard]] std::string DateText(const std::tm& local);
[[nodiscard]] std::string TodayDateText();
// "15072024" -> "15.07.2024"; anything else stays as it is.
[[nodiscard]] std::string ReleaseDateShown(std::string_view ddmmyyyy);

// Lines 1 and 2 of a version file: the version text (its first four
// characters are the release year) and the release date DDMMYYYY.
struct VersionFileLines {
  std::string version;
  std::string date;
  bool operator==(const VersionFileLines&) const = default;
};
// nullopt when the file cannot be read; missing lines are empty.
[[nodiscard]] std::optional<VersionFileLines> ReadVersionLines(const DosFileSystem& files, std::string_view path);

// The update offer of a downloaded version file: line 3 the caption (at
// most 150 characters), lines 4 to 100 the change notes, each ended by
// CR LF, at most 8000 characters.
struct UpdateOffer {
  std::string caption;
  std::string notes;
  bool operator==(const UpdateOffer&) const = default;
};
[[nodiscard]] UpdateOffer ParseUpdateOffer(std::string_view bytes);

// "AUT_PRUESF.INF": "1" check at every start, "2" not, "" undecided; and
// the date text of the last automatic check.
struct StartCheckSettings {
  std::string setting;
  std::string last_check_date;
  bool operator==(const StartCheckSettings&) const = default;
};
[[nodiscard]] StartCheckSettings ReadStartCheckSettings(const DosFileSystem& files, std::string_view path);
bool WriteStartCheckSettings(const DosFileSystem& files, std::string_view path, const StartCheckSettings& settings);

[[nodiscard]] std::string ReadLastCheckDate(const DosFileSystem& files, std::string_view path);
bool WriteLastCheckDate(const DosFileSystem& files, std::string_view path, std::string_view date_text);

// The five lines the update program reads: the installation directory,
// the drive letter and the directory of the system file, the installation
// directory plus "\HIS", and the working directory.
struct HandOver {
  std::string install_root;
  std::string drive;
  std::string dir;
  std::string history_base;
  std::string working_directory;
  bool operator==(const HandOver&) const = default;
};
[[nodiscard]] std::string SerializeHandOver(const HandOver& hand_over);
[[nodiscard]] std::optional<HandOver> ParseHandOver(std::string_view bytes);

// Fetches `url` and, only when a complete body arrived, replaces `path`
// with it (through a temporary file); the bytes written, 0 for nothing.
std::size_t DownloadToFile(HttpClient& http, std::string_view url, const HttpOptions& options,
                           const DosFileSystem& files, std::string_view path);

}  // namespace pekto
