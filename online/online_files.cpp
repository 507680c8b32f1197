#include "online/online_files.h"

#include <cstdio>

#include "platform/code_page.h"
#include "platform/dos_file_system.h"
#include "platform/utf8.h"
#include "platform/value_lines.h"

namespace pekto {

namespace {

constexpr std::size_t kOfferLines = 100;
constexpr std::size_t kCaptionCharacters = 150;
constexpr std::size_t kNotesCharacters = 8000;

// The first `count` characters (code points) of a UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < text.size(); ++n) (void)NextCodePoint(text, pos);
  return std::string(text.substr(0, pos));
}

std::string LineText(std::optional<std::string_view> line) { return Cp1252ToUtf8(StripQuotes(line.value_or(""))); }

}  // namespace

std::string DateText(const std::tm& local) {
  char text[40];
  std::snprintf(text, sizeof text, "%02d-%02d-%04d", local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
  return text;
}

std::string TodayDateText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DateText(local);
}

std::string ReleaseDateShown(std::string_view ddmmyyyy) {
  const bool digits = ddmmyyyy.size() == 8 && ddmmyyyy.find_first_not_of("0123456789") == std::string_view::npos;
  if (!digits) return std::string(ddmmyyyy);
  return std::string(ddmmyyyy.substr(0, 2)) + "." + std::string(ddmmyyyy.substr(2, 2)) + "." +
         std::string(ddmmyyyy.substr(4));
}

std::optional<VersionFileLines> ReadVersionLines(const DosFileSystem& files, std::string_view path) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) return std::nullopt;
  ValueLineReader reader(*bytes);
  VersionFileLines lines;
  lines.version = LineText(reader.Next());
  lines.date = LineText(reader.Next());
  return lines;
}

UpdateOffer ParseUpdateOffer(std::string_view bytes) {
  UpdateOffer offer;
  ValueLineReader reader(bytes);
  for (std::size_t index = 0; index < kOfferLines; ++index) {
    const auto line = reader.Next();
    if (!line) break;
    if (index < 2) continue;
    const std::string text = Cp1252ToUtf8(*line);
    if (index == 2) {
      offer.caption = FirstCharacters(text, kCaptionCharacters);
    } else {
      offer.notes += text + "\r\n";
    }
  }
  if (CodePointCount(offer.notes) > kNotesCharacters) offer.notes = FirstCharacters(offer.notes, kNotesCharacters);
  return offer;
}

StartCheckSettings ReadStartCheckSettings(const DosFileSystem& files, std::string_view path) {
  StartCheckSettings settings;
  const auto bytes = files.ReadFile(path);
  if (!bytes) return settings;
  ValueLineReader reader(*bytes);
  settings.setting = LineText(reader.Next());
  settings.last_check_date = LineText(reader.Next());
  return settings;
}

bool WriteStartCheckSettings(const DosFileSystem& files, std::string_view path, const StartCheckSettings& settings) {
  std::string out;
  AppendBareLine(out, Utf8ToCp1252(settings.setting));
  AppendBareLine(out, Utf8ToCp1252(settings.last_check_date));
  return files.ReplaceFile(path, out).ok;
}

std::string ReadLastCheckDate(const DosFileSystem& files, std::string_view path) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) return {};
  ValueLineReader reader(*bytes);
  return LineText(reader.Next());
}

bool WriteLastCheckDate(const DosFileSystem& files, std::string_view path, std::string_view date_text) {
  std::string out;
  AppendBareLine(out, Utf8ToCp1252(date_text));
  return files.ReplaceFile(path, out).ok;
}

std::string SerializeHandOver(const HandOver& hand_over) {
  std::string out;
  for (const std::string* line : {&hand_over.install_root, &hand_over.drive, &hand_over.dir, &hand_over.history_base,
                                  &hand_over.working_directory}) {
    AppendBareLine(out, Utf8ToCp1252(*line));
  }
  return out;
}

std::optional<HandOver> ParseHandOver(std::string_view bytes) {
  ValueLineReader reader(bytes);
  HandOver hand_over;
  for (std::string* line : {&hand_over.install_root, &hand_over.drive, &hand_over.dir, &hand_over.history_base,
                            &hand_over.working_directory}) {
    const auto text = reader.Next();
    if (!text) return std::nullopt;
    *line = Cp1252ToUtf8(*text);
  }
  if (hand_over.install_root.empty()) return std::nullopt;
  return hand_over;
}

std::size_t DownloadToFile(HttpClient& http, std::string_view url, const HttpOptions& options,
                           const DosFileSystem& files, std::string_view path) {
  if (path.empty()) return 0;
  const std::string body = http.Get(url, options);
  if (body.empty()) return 0;
  if (!files.ReplaceFile(path, body).ok) return 0;
  return body.size();
}

}  // namespace pekto
