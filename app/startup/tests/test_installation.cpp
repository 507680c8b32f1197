#include "app/startup/tests/test_installation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/atomic_file.h"

namespace pekto::testing_support {

namespace fs = std::filesystem;

namespace {
fs::path RootFor(const std::string& name) {
  return fs::path(::testing::TempDir()) / ("pekto_" + name + "_" + std::to_string(::getpid()));
}
}  // namespace

TestInstallation::TestInstallation(const std::string& name) : root(RootFor(name)), files(RootFor(name)) {
  fs::remove_all(root);
  fs::create_directories(root / "drive_c" / "PEKTO");
}

TestInstallation::~TestInstallation() {
  std::error_code error;
  for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
  }
  fs::permissions(root / "drive_c" / "PEKTO", fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(root, error);
}

void TestInstallation::Install(const NewSystemFile& contents) {
  const WriteResult system = WriteSystemFile(files, "C:\\PEKTO\\LODAT2.SYS", MakeSystemFile(contents));
  ASSERT_TRUE(system.ok);
  const auto wage_types = ReadWholeFile(fs::path(PEKTO_SOURCE_DIR) / "resources" / "data" / "LOHNAR.DAT");
  ASSERT_TRUE(wage_types.has_value());
  ASSERT_TRUE(files.ReplaceFile("C:\\PEKTO\\LOHNAR.DAT", *wage_types).ok);
}

fs::path TestInstallation::Host(const std::string& relative) const { return root / "drive_c" / relative; }

NewSystemFile TwoUsers() {
  NewSystemFile contents;
  contents.install_dir = "PEKTO";
  contents.users = {{"MAIER", "GEHEIM"}, {"Müller, Jürgen", "ÖL"}};
  return contents;
}

}  // namespace pekto::testing_support
