#include "installer/user_mask.h"

#include <charconv>

#include "app/startup/install_paths.h"
#include "installer/installer_files.h"
#include "platform/code_page.h"
#include "platform/dos_path.h"
#include "platform/utf8.h"
#include "platform/value_lines.h"

namespace pekto {

namespace {

// Header values: 1 directory, 2 the start user (kept by the main program),
// 3 drive letter, 5 password-query switch; user n from value 6 + 3 (n - 1).
constexpr std::size_t kDirLine = 0;
constexpr std::size_t kStartUserLine = 1;
constexpr std::size_t kDriveLine = 2;
constexpr std::size_t kQueryLine = 4;
constexpr std::size_t kFirstUserLine = 5;

std::string Quoted(std::string_view value) { return "\"" + Utf8ToCp1252(value) + "\""; }

std::vector<std::string> LinesOf(const SystemFile& file) { return SplitValueLines(file.Serialize()); }

bool Filled(const UserEntry& user) { return !user.name.empty() && !user.password.empty(); }

std::optional<int> StartUserNumber(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

}  // namespace

bool SameUserMask(const UserMaskInput& a, const UserMaskInput& b) {
  for (std::size_t n = 0; n < kUserMaskRows; ++n) {
    if (a.users[n].name != b.users[n].name || a.users[n].password != b.users[n].password) return false;
  }
  return a.start_user == b.start_user && a.no_query == b.no_query;
}

UserMaskInput PresetUserMask(const std::optional<SystemFile>& existing) {
  UserMaskInput input;
  if (!existing) return input;
  for (int n = 1; n <= kUserMaskRows; ++n) input.users[static_cast<std::size_t>(n - 1)] = existing->User(n);
  input.no_query = !existing->PasswordQueryEnabled();
  const std::vector<std::string> lines = LinesOf(*existing);
  const std::string start(StripQuotes(lines[kStartUserLine]));
  if (const auto number = StartUserNumber(start); number && *number >= 1 && *number <= kUserMaskRows) {
    input.start_user = start;
  }
  return input;
}

std::optional<std::string> CheckUserMask(const UserMaskInput& input) {
  if (!Filled(input.users[0])) return JoinLines({"Es muß der Name und ein Paßwort", "angegeben werden !"});
  bool any = false;
  for (const auto& user : input.users) any = any || Filled(user);
  if (!any) return JoinLines({"Es muß mindestens ein Name mit", "Paßwort angegeben werden !"});
  const auto number = StartUserNumber(input.start_user);
  if (!number || *number < 1 || *number > kUserMaskRows) {
    return JoinLines({"Sie haben eine ungültige", "Benutzernummer angegeben!"});
  }
  if (!Filled(input.users[static_cast<std::size_t>(*number - 1)])) {
    return JoinLines({"Für die angegebene Benutzernummer", "existiert kein Benutzereintrag!"});
  }
  return std::nullopt;
}

SystemFile BuildSystemFile(const std::optional<SystemFile>& existing, std::string_view install_dir,
                           const UserMaskInput& input) {
  const auto path = ParseDosPath(install_dir);
  const std::string drive(1, path ? path->drive : 'C');
  const std::string dir = path ? NormaliseInstallDir(path->Text().substr(2)) : std::string();
  std::vector<std::string> lines =
      existing ? LinesOf(*existing) : LinesOf(MakeSystemFile(NewSystemFile{dir, drive, true, {}, "1"}));
  lines[kDirLine] = Quoted(dir);
  lines[kStartUserLine] = Quoted(input.start_user);
  lines[kDriveLine] = Quoted(drive);
  lines[kQueryLine] = input.no_query ? "0" : "1";
  for (std::size_t n = 0; n < kUserMaskRows; ++n) {
    lines[kFirstUserLine + 3 * n] = Quoted(ToUpperGerman(input.users[n].name));
    lines[kFirstUserLine + 3 * n + 1] = Quoted(ToUpperGerman(input.users[n].password));
  }
  return SystemFile(std::move(lines));
}

std::optional<SystemFile> ReadExistingSystemFile(const DosFileSystem& files, std::string_view install_dir) {
  const std::string folder = install_dir.size() == 2 ? std::string(install_dir) + "\\" : std::string(install_dir);
  SystemFileRead read = ReadSystemFile(files, JoinDos(folder, kSystemFileName));
  if (read.status != SystemFileStatus::Ok) return std::nullopt;
  return std::move(read.file);
}

bool WriteInstallation(const InstallerState& state, const UserMaskInput& input, InstallerServices& services) {
  const std::string folder = state.install_dir.size() == 2 ? state.install_dir + "\\" : state.install_dir;
  const std::string path = JoinDos(folder, kSystemFileName);
  const SystemFile file = BuildSystemFile(ReadExistingSystemFile(services.files, state.install_dir),
                                          state.install_dir, input);
  if (!WriteSystemFile(services.files, path, file).ok) {
    MessageBoxCentered(services.boxes,
                       JoinLines({"Die Systemdatei", path, "konnte nicht geschrieben werden.", "",
                                  "Vermutlich ist der Datenträger voll oder", "schreibgeschützt."}),
                       "PEKTO Fehler!", kMbIconStop);
    return false;
  }
  // The main program runs without the settings file; only the next
  // installation misses the last directory.
  (void)WriteLastInstallDir(services.files, state.install_dir);
  return true;
}

}  // namespace pekto
