#include "installer/tests/installer_fixture.h"

#include <unistd.h>

#include <fstream>

#include "installer/archive.h"

namespace pekto::testing_support {

namespace fs = std::filesystem;

namespace {

fs::path NewRoot() {
  static int counter = 0;
  const fs::path root = fs::absolute(fs::path(testing::TempDir()) /
                                     ("installer_" + std::to_string(::getpid()) + "_" + std::to_string(++counter)));
  fs::remove_all(root);
  fs::create_directories(root / "drive_c");
  fs::create_directories(root / "drive_d" / "MEDIUM");
  return root;
}

}  // namespace

InstallerTest::InstallerTest() : root_(NewRoot()), files_(root_) {
  state_.source_dir = "D:\\MEDIUM";
  target_.free['C'] = 50'000'000;
}

InstallerTest::~InstallerTest() {
  std::error_code error;
  for (fs::recursive_directory_iterator it(root_, error), end; !error && it != end; it.increment(error)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
  }
  fs::remove_all(root_, error);
}

void InstallerTest::WriteHost(const std::string& relative, const std::string& bytes) const {
  fs::create_directories((root_ / relative).parent_path());
  std::ofstream(root_ / relative, std::ios::binary) << bytes;
}

std::string InstallerTest::ReadHost(const std::string& relative) const {
  std::ifstream in(root_ / relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void InstallerTest::WriteMedium(const std::string& wage_types) const {
  const fs::path work = root_ / "work";
  WriteHost("work/PEKTO.EXE", "#!/bin/sh\nexit 0\n");
  WriteHost("work/mandor.INI", "[INSTALL]\r\nNUM_ITEMS=0\r\n");
  WriteHost("work/LOHNAR.DAT", wage_types);
  ASSERT_TRUE(WriteArchive(root_ / "drive_d" / "MEDIUM" / "ARCVAI.EXE",
                           {{"PEKTO.EXE", work / "PEKTO.EXE", true}, {"mandor.INI", work / "mandor.INI", false}})
                  .ok);
  ASSERT_TRUE(WriteArchive(root_ / "drive_d" / "MEDIUM" / "ARCVAA.EXE", {{"LOHNAR.DAT", work / "LOHNAR.DAT", false}}).ok);
}

std::vector<std::string> InstallerTest::Captions() const {
  std::vector<std::string> captions;
  for (const auto& box : boxes_.shown) captions.push_back(box.caption);
  return captions;
}

}  // namespace pekto::testing_support
