#include "online/publish.h"

#include <cstring>

#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "platform/utf8.h"
#include "platform/value_lines.h"

namespace pekto {

namespace {

constexpr std::size_t kMaxNoteLines = 97;  // lines 4 to 100 of the version file
constexpr std::size_t kMaxCaption = 150;

bool ValidDate(std::string_view date) {
  if (date.size() != 8 || date.find_first_not_of("0123456789") != std::string_view::npos) return false;
  const int day = std::stoi(std::string(date.substr(0, 2)));
  const int month = std::stoi(std::string(date.substr(2, 2)));
  return day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

std::string Page(std::string_view title, std::string_view text) {
  return "<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\"><title>" + std::string(title) +
         "</title></head>\n<body><h1>" + std::string(title) + "</h1>\n<p>" + std::string(text) +
         "</p></body></html>\n";
}

std::string Check(const ReleaseDescription& release) {
  if (release.version.size() < 4 || release.version.substr(0, 4).find_first_not_of("0123456789") != std::string::npos) {
    return "the version must begin with the four digits of its year";
  }
  if (!ValidDate(release.date)) return "the date must be DDMMYYYY";
  if (CodePointCount(release.caption) > kMaxCaption) return "the caption has more than 150 characters";
  if (release.notes.size() > kMaxNoteLines) return "more than 97 lines of change notes";
  std::vector<const std::string*> texts{&release.version, &release.caption};
  for (const auto& note : release.notes) texts.push_back(&note);
  for (const std::string* text : texts) {
    if (!IsRepresentableInCp1252(*text) || text->find_first_of("\r\n") != std::string::npos) {
      return "a text is no single line of Windows-1252: " + *text;
    }
  }
  if (FindEntry(release.files, kUpdateProgramName) == nullptr) return "the update holds no pektow.exe";
  if (FindEntry(release.files, kInstallerName) == nullptr) return "the update holds no INSTALL.EXE";
  return {};
}

}  // namespace

PublishResult BuildRelease(const ReleaseDescription& release, const SecretKey& key) {
  PublishResult result;
  result.error = Check(release);
  if (!result.error.empty()) return result;
  const auto archive = WriteArchive(release.files);
  if (!archive) {
    result.error = "a file name is not a plain file name, or a name is there twice";
    return result;
  }
  std::string version_file;
  for (const std::string* line : {&release.version, &release.date, &release.caption}) {
    AppendBareLine(version_file, Utf8ToCp1252(*line));
  }
  for (const auto& note : release.notes) AppendBareLine(version_file, Utf8ToCp1252(note));
  result.files["VERSPRK.INF"] = version_file;
  result.files[std::string(kUpdateArchiveName)] = *archive;
  result.files[std::string(kUpdateSignatureName)] = SignDetached(*archive, key);
  result.files["JSUMMEN.COM"] = "PEKTO Verbindungsprobe " + release.version + "\r\n";
  result.files["index.htm"] = release.homepage_html.empty()
                                  ? Page("PEKTO Lohn- und Gehaltsabrechnung", "Version " + release.version)
                                  : release.homepage_html;
  result.files["allgengebi.htm"] = release.terms_html.empty()
                                       ? Page("Allgemeine Geschäftsbedingungen", "Es gelten unsere AGB.")
                                       : release.terms_html;
  return result;
}

std::string WriteRelease(const std::filesystem::path& folder, const PublishResult& release) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return "cannot create " + folder.string() + ": " + error.message();
  for (const auto& [name, bytes] : release.files) {
    const WriteResult written = ReplaceFileAtomically(folder / name, bytes);
    if (!written.ok) return "cannot write " + (folder / name).string() + ": " + std::strerror(written.error_number);
  }
  return {};
}

PublicKey PublicKeyOf(const SecretKey& key) {
  PublicKey public_key{};
  std::memcpy(public_key.data(), key.data() + 32, public_key.size());
  return public_key;
}

}  // namespace pekto
