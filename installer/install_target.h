// What the installer asks of the drives beyond reading and writing files:
// whether a drive can be read and how much room it has, clearing the
// read-only attribute, and unpacking an archive into a folder. Behind an
// interface so that tests can set the free space to the byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "installer/archive.h"
#include "platform/dos_file_system.h"

namespace pekto {

class InstallTarget {
 public:
  virtual ~InstallTarget() = default;
  // Bytes free on the drive; nullopt when the drive cannot be read.
  [[nodiscard]] virtual std::optional<std::uintmax_t> FreeSpace(char drive) const = 0;
  virtual bool ClearWriteProtection(std::string_view dos_file) const = 0;
  // Unpacks the archive (DOS path) into the folder (DOS path).
  [[nodiscard]] virtual UnpackResult Unpack(std::string_view archive, std::string_view folder) const = 0;
};

class HostInstallTarget : public InstallTarget {
 public:
  explicit HostInstallTarget(const DosFileSystem& files) : files_(files) {}
  [[nodiscard]] std::optional<std::uintmax_t> FreeSpace(char drive) const override;
  bool ClearWriteProtection(std::string_view dos_file) const override;
  [[nodiscard]] UnpackResult Unpack(std::string_view archive, std::string_view folder) const override;

 private:
  const DosFileSystem& files_;
};

}  // namespace pekto
