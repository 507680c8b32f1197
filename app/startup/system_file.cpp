#include "app/startup/system_file.h"

#include <cctype>
#include <charconv>

#include "app/startup/install_paths.h"
#include "platform/code_page.h"
#include "platform/dos_file_system.h"
#include "platform/value_lines.h"

namespace pekto {

namespace {

constexpr std::size_t kInstallDirIndex = 0;
constexpr std::size_t kDriveIndex = 2;
constexpr std::size_t kSwitchIndex = 4;
constexpr std::size_t kFirstUserIndex = 5;
constexpr std::size_t kCalcModeIndex = kFirstUserIndex + 3 * kUserEntries;

std::optional<long> SwitchValue(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::size_t UserIndex(int number, int value) {
  return kFirstUserIndex + static_cast<std::size_t>(3 * (number - 1) + value);
}

}  // namespace

std::string SystemFile::Value(std::size_t index) const {
  return index < lines_.size() ? Cp1252ToUtf8(StripQuotes(lines_[index])) : std::string();
}

void SystemFile::SetValue(std::size_t index, std::string_view value) {
  if (index >= lines_.size()) lines_.resize(index + 1, "\"\"");
  const bool bare = !lines_[index].empty() && !IsQuoted(lines_[index]);
  const std::string bytes = Utf8ToCp1252(value);
  lines_[index] = bare ? bytes : "\"" + bytes + "\"";
}

std::string SystemFile::InstallDir() const { return NormaliseInstallDir(Value(kInstallDirIndex)); }

std::string SystemFile::InstallDrive() const {
  std::string drive = Value(kDriveIndex);
  while (!drive.empty() && drive.back() == ' ') drive.pop_back();
  while (!drive.empty() && drive.front() == ' ') drive.erase(0, 1);
  if (drive.size() == 2 && drive[1] == ':') drive.pop_back();
  if (drive.size() == 1) drive[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0])));
  return drive;
}

bool SystemFile::PasswordQueryEnabled() const { return SwitchValue(Value(kSwitchIndex)).value_or(1) != 0; }

UserEntry SystemFile::User(int number) const {
  if (number < 1 || number > kUserEntries) return {};
  return {Value(UserIndex(number, 0)), Value(UserIndex(number, 1))};
}

void SystemFile::SetPassword(int number, std::string_view password) {
  if (number >= 1 && number <= kUserEntries) SetValue(UserIndex(number, 1), password);
}

std::string SystemFile::CalcMode() const { return Value(kCalcModeIndex); }
void SystemFile::SetCalcMode(std::string_view mode) { SetValue(kCalcModeIndex, mode); }

std::string SystemFile::Serialize() const {
  std::string out;
  for (const auto& line : lines_) AppendBareLine(out, line);
  return out;
}

bool SystemFile::IsWellFormed() const {
  const std::string drive = InstallDrive();
  return ValueCount() >= static_cast<std::size_t>(kSystemFileRequiredValues) && drive.size() == 1 &&
         std::isalpha(static_cast<unsigned char>(drive[0])) && SwitchValue(Value(kSwitchIndex)).has_value();
}

SystemFile MakeSystemFile(const NewSystemFile& contents) {
  std::vector<std::string> lines;
  const auto quoted = [&lines](std::string_view value) { lines.push_back("\"" + Utf8ToCp1252(value) + "\""); };
  quoted(contents.install_dir);
  quoted("");
  quoted(contents.drive);
  quoted("");
  lines.emplace_back(contents.password_query ? "1" : "0");
  for (int number = 1; number <= kUserEntries; ++number) {
    const auto index = static_cast<std::size_t>(number - 1);
    const UserEntry user = index < contents.users.size() ? contents.users[index] : UserEntry{};
    quoted(user.name);
    quoted(user.password);
    quoted("");
  }
  quoted(contents.calc_mode);
  for (int i = 1; i < 24; ++i) quoted("");
  quoted("");
  lines.emplace_back("0");
  quoted("");
  return SystemFile(std::move(lines));
}

SystemFileRead ParseSystemFile(std::string_view bytes) {
  SystemFile file(SplitValueLines(bytes));
  const SystemFileStatus status = file.IsWellFormed() ? SystemFileStatus::Ok : SystemFileStatus::Damaged;
  return {status, std::move(file)};
}

SystemFileRead ReadSystemFile(const DosFileSystem& files, std::string_view path) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) return {SystemFileStatus::Missing, {}};
  return ParseSystemFile(*bytes);
}

WriteResult WriteSystemFile(const DosFileSystem& files, std::string_view path, const SystemFile& file) {
  return files.ReplaceFile(path, file.Serialize());
}

}  // namespace pekto
