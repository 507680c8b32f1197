#include "installer/installer_files.h"

#include "app/startup/install_paths.h"
#include "groupmaker/mandor_ini.h"
#include "platform/code_page.h"
#include "platform/dos_path.h"
#include "platform/value_lines.h"

namespace pekto {

namespace {

constexpr std::string_view kSection = "PEKTO";
constexpr std::string_view kKey = "INSTALLATIONSVERZEICHNIS";

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

std::string InstallerSettingsPath() { return JoinDos(DosFileSystem::kWindowsDirectory, kInstallerSettingsName); }

std::string InstallerSettingsText(std::string_view install_dir) {
  return "[" + std::string(kSection) + "]\r\n" + std::string(kKey) + "=" + Utf8ToCp1252(install_dir) + "\r\n";
}

std::string InstallDirFromSettings(std::string_view bytes) {
  return IniFile::Parse(bytes).Value(kSection, kKey).value_or("");
}

std::string ReadLastInstallDir(const DosFileSystem& files) {
  const auto bytes = files.ReadFile(InstallerSettingsPath());
  if (!bytes) return {};
  const std::string dir = InstallDirFromSettings(*bytes);
  if (dir.empty() || !ParseDosPath(dir) || !files.FileExists(JoinDos(dir, kProgramFile))) return {};
  return dir;
}

WriteResult WriteLastInstallDir(const DosFileSystem& files, std::string_view install_dir) {
  files.CreateDirectories(DosFileSystem::kWindowsDirectory);
  return files.ReplaceFile(InstallerSettingsPath(), InstallerSettingsText(install_dir));
}

std::string InstallerHandOver::RecordedInstallDir() const {
  const std::string normalised = NormaliseInstallDir(dir);
  if (normalised.empty()) return drive + ":\\";
  return drive + ":\\" + normalised;
}

InstallerHandOver ParseInstallerHandOver(std::string_view bytes) {
  InstallerHandOver hand_over;
  ValueLineReader reader(bytes);
  std::string* const fields[] = {&hand_over.calling_dir, &hand_over.drive, &hand_over.dir, &hand_over.history_base,
                                 &hand_over.working_dir};
  int read = 0;
  for (std::string* field : fields) {
    const auto line = reader.Next();
    if (!line) break;
    *field = Trim(Cp1252ToUtf8(StripQuotes(*line)));
    ++read;
  }
  hand_over.complete = read == 5 && !hand_over.calling_dir.empty() && hand_over.drive.size() == 1;
  return hand_over;
}

}  // namespace pekto
