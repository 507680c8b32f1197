// A throw-away user data folder C:\PEKTO\01 under a drives root of its own,
// for the tests of the employee files and the file commands.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/startup/install_paths.h"
#include "platform/atomic_file.h"
#include "platform/dos_file_system.h"

namespace pekto::testing_support {

class DataFolder {
 public:
  explicit DataFolder(const std::string& name)
      : root(std::filesystem::path(::testing::TempDir()) / ("pekto_" + name + "_" + std::to_string(::getpid()))),
        files(root) {
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "drive_c" / "PEKTO" / "01");
  }
  ~DataFolder() {
    std::error_code error;
    std::filesystem::remove_all(root, error);
  }
  DataFolder(const DataFolder&) = delete;
  DataFolder& operator=(const DataFolder&) = delete;

  // The host path of a file of the data folder.
  [[nodiscard]] std::filesystem::path Host(const std::string& name) const {
    return root / "drive_c" / "PEKTO" / "01" / name;
  }
  [[nodiscard]] std::string Bytes(const std::string& name) const {
    return ReadWholeFile(Host(name)).value_or("<none>");
  }
  void Put(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(ReplaceFileAtomically(Host(name), bytes).ok);
  }
  [[nodiscard]] bool Has(const std::string& name) const { return std::filesystem::exists(Host(name)); }

  std::filesystem::path root;
  DosFileSystem files;
  InstallPaths paths{"C", "PEKTO", "01"};
};

}  // namespace pekto::testing_support
