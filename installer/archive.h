// The two archives of the installation medium, ARCVAI.EXE (program files)
// and ARCVAA.EXE (wage types and other data): gzip-compressed tar files,
// written and read with libarchive. Unpacking stages every file in a
// folder beside the target first, so that a damaged archive or a full
// disk changes nothing, and only then moves the files into place.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pekto {

struct ArchiveMember {
  std::string name;  // relative, "/" between folders ("share/pekto/help/x.html")
  std::filesystem::path source;
  bool executable = false;
};

struct ArchiveWriteResult {
  bool ok = false;
  std::string error;
};

[[nodiscard]] ArchiveWriteResult WriteArchive(const std::filesystem::path& archive,
                                              const std::vector<ArchiveMember>& members);

enum class UnpackCode { Ok, Missing, Damaged, WriteFailed };

struct UnpackResult {
  UnpackCode code = UnpackCode::Missing;
  std::vector<std::string> names;  // the files put in place, in archive order
  std::string detail;              // what libarchive or the file system said
};

// Names that are absolute, climb with "..", or are no plain file or folder
// make the archive count as damaged.
[[nodiscard]] UnpackResult UnpackArchive(const std::filesystem::path& archive, const std::filesystem::path& target);

// The bytes of one member (a file of at most `max_bytes`); nullopt when the
// archive cannot be read or holds no such file.
[[nodiscard]] std::optional<std::string> ReadArchiveMember(const std::filesystem::path& archive, std::string_view name,
                                                           std::size_t max_bytes = 1 << 20);

}  // namespace pekto
