// A throw-away installation under a drives root of its own, for the tests
// of the start-up, the login and the start mask.
#pragma once

#include <filesystem>
#include <string>

#include "app/startup/system_file.h"
#include "platform/dos_file_system.h"

namespace pekto::testing_support {

class TestInstallation {
 public:
  explicit TestInstallation(const std::string& name);
  ~TestInstallation();
  TestInstallation(const TestInstallation&) = delete;
  TestInstallation& operator=(const TestInstallation&) = delete;

  // C:\PEKTO with the system file and the shipped wage types.
  void Install(const NewSystemFile& contents);
  [[nodiscard]] std::filesystem::path Host(const std::string& relative) const;

  std::filesystem::path root;
  DosFileSystem files;
};

// Two users, MAIER with password GEHEIM and Müller with ÖL (as typed in
// upper case), password query on.
[[nodiscard]] NewSystemFile TwoUsers();

}  // namespace pekto::testing_support
