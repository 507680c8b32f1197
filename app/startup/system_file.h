// The system file LODAT2.SYS: one value per line, strings in double
// quotes, Windows-1252. A header of 5 values (installation directory, a
// kept value, drive letter, a kept value, password-query switch), 18 user
// entries of 3 values (name, password, a kept value), 24 settings (the
// first is the calculation mode), a text, an integer, a text, and
// optionally one more text. Every line is kept as read, so that a rewrite
// changes only what was changed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"

namespace pekto {

class DosFileSystem;

inline constexpr std::string_view kSystemFileName = "LODAT2.SYS";
inline constexpr int kUserEntries = 18;
inline constexpr int kSystemFileRequiredValues = 5 + 3 * kUserEntries + 24 + 3;  // 86

struct UserEntry {
  std::string name;
  std::string password;
};

class SystemFile {
 public:
  SystemFile() = default;
  explicit SystemFile(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  [[nodiscard]] std::string InstallDir() const;     // header value 1, normalised
  [[nodiscard]] std::string InstallDrive() const;   // header value 3, one upper-case letter
  [[nodiscard]] bool PasswordQueryEnabled() const;  // header value 5 not 0
  [[nodiscard]] UserEntry User(int number) const;   // 1..18
  void SetPassword(int number, std::string_view password);
  [[nodiscard]] std::string CalcMode() const;  // "1" without, "0" after the booking mask
  void SetCalcMode(std::string_view mode);

  [[nodiscard]] std::size_t ValueCount() const { return lines_.size(); }
  // All required values there, a drive letter and a numeric switch.
  [[nodiscard]] bool IsWellFormed() const;
  [[nodiscard]] std::string Serialize() const;  // CR LF after every line
  bool operator==(const SystemFile&) const = default;

 private:
  [[nodiscard]] std::string Value(std::size_t index) const;
  void SetValue(std::size_t index, std::string_view value);

  std::vector<std::string> lines_;  // as in the file, with their quotes
};

// A new system file as the installer writes one; the values whose meaning
// belongs to others are empty (the integer 0).
struct NewSystemFile {
  std::string install_dir;
  std::string drive = "C";
  bool password_query = true;
  std::vector<UserEntry> users;  // at most 18
  std::string calc_mode = "1";
};
[[nodiscard]] SystemFile MakeSystemFile(const NewSystemFile& contents);

enum class SystemFileStatus { Ok, Missing, Damaged };

struct SystemFileRead {
  SystemFileStatus status = SystemFileStatus::Missing;
  SystemFile file;
};

[[nodiscard]] SystemFileRead ParseSystemFile(std::string_view bytes);
[[nodiscard]] SystemFileRead ReadSystemFile(const DosFileSystem& files, std::string_view path);
[[nodiscard]] WriteResult WriteSystemFile(const DosFileSystem& files, std::string_view path, const SystemFile& file);

}  // namespace pekto
