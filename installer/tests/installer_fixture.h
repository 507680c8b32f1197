// A drives root of its own for the installer's tests: the medium in
// D:\MEDIUM with its two archives, the target drive C:, and a drive whose
// free space the test sets to the byte.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "installer/installer_state.h"
#include "platform/desktop_shell.h"
#include "platform/processes.h"
#include "ui/message_box.h"

namespace pekto::testing_support {

class FakeInstallTarget final : public InstallTarget {
 public:
  explicit FakeInstallTarget(const DosFileSystem& files) : host_(files) {}
  [[nodiscard]] std::optional<std::uintmax_t> FreeSpace(char drive) const override {
    if (const auto it = free.find(drive); it != free.end()) return it->second;
    return host_.FreeSpace(drive);
  }
  bool ClearWriteProtection(std::string_view dos_file) const override { return host_.ClearWriteProtection(dos_file); }
  [[nodiscard]] UnpackResult Unpack(std::string_view archive, std::string_view folder) const override {
    return host_.Unpack(archive, folder);
  }
  std::map<char, std::optional<std::uintmax_t>> free;

 private:
  HostInstallTarget host_;
};

class InstallerTest : public testing::Test {
 protected:
  InstallerTest();
  ~InstallerTest() override;

  [[nodiscard]] std::filesystem::path Host(const std::string& relative) const { return root_ / relative; }
  void WriteHost(const std::string& relative, const std::string& bytes) const;
  [[nodiscard]] std::string ReadHost(const std::string& relative) const;
  // ARCVAI.EXE (PEKTO.EXE, mandor.INI) and ARCVAA.EXE (LOHNAR.DAT) in D:\MEDIUM.
  void WriteMedium(const std::string& wage_types = "NEUE LOHNARTEN\r\n") const;
  void Answer(std::initializer_list<MessageResult> answers) { boxes_.answers.assign(answers); }
  [[nodiscard]] std::vector<std::string> Captions() const;

  std::filesystem::path root_;
  DosFileSystem files_;
  FakeInstallTarget target_{files_};
  RecordingMessageBoxes boxes_;
  RecordingProgramStarter programs_;
  RecordingDesktopShortcuts shortcuts_;
  InstallerServices services_{files_, target_, boxes_, programs_, shortcuts_};
  InstallerState state_;
};

}  // namespace pekto::testing_support
