// The installer's frame: the start mask, the terms before a new
// installation, the user mask, the finish; and the host's folder browser.
#pragma once

#include <functional>
#include <memory>

#include "installer/install_star_dialog.h"

namespace pekto {

class HostFolderBrowser final : public FolderBrowser {
 public:
  explicit HostFolderBrowser(const DosFileSystem& files) : files_(files) {}
  std::optional<std::string> ChooseFolder(QWidget* parent, std::string_view title) override;

 private:
  const DosFileSystem& files_;
};

class InstallerFrame final : public InstallerFlow {
 public:
  InstallerFrame(InstallerContext& context, std::function<void()> quit);
  ~InstallerFrame() override;

  // Shows the start mask, and in normal mode the terms over it; false when
  // the installer ends at once (after its message).
  bool Start();
  // The user mask was completed: what remains after the masks closed.
  [[nodiscard]] bool Finished() const { return finished_; }
  [[nodiscard]] InstallStarDialog* StartMask() const { return start_.get(); }

  void OpenUserMask() override;
  bool ShowTerms() override;
  void EndInstaller() override;

 private:
  InstallerContext& context_;
  std::function<void()> quit_;
  std::unique_ptr<InstallStarDialog> start_;
  bool finished_ = false;
};

}  // namespace pekto
