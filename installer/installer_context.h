// What the installer's masks reach: the dialog services, the installer's
// state and services, the folder browser, the shipped resources; and the
// commands of the installer's frame that move between the masks.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "installer/installer_state.h"
#include "ui/dialog.h"

namespace pekto {

// The folder browser "Vorhandene Verzeichnisse": the chosen folder as a
// DOS path, nullopt when the user cancels.
class FolderBrowser {
 public:
  virtual ~FolderBrowser() = default;
  virtual std::optional<std::string> ChooseFolder(QWidget* parent, std::string_view title) = 0;
};

class RecordingFolderBrowser final : public FolderBrowser {
 public:
  std::optional<std::string> ChooseFolder(QWidget*, std::string_view title) override {
    titles.emplace_back(title);
    return answer;
  }
  std::vector<std::string> titles;
  std::optional<std::string> answer;
};

class InstallerFlow {
 public:
  virtual ~InstallerFlow() = default;
  virtual void OpenUserMask() = 0;
  // The terms of business; false when the user does not accept them.
  virtual bool ShowTerms() = 0;
  virtual void EndInstaller() = 0;
};

struct InstallerContext {
  DialogServices& dialogs;
  InstallerServices& services;
  InstallerState& state;
  FolderBrowser& browser;
  std::filesystem::path resource_dir;
};

inline constexpr const char* kInstallerHelpFile = "INPEKTO.CHM";

}  // namespace pekto
