// Several files of one save replaced together and in a fixed order: every
// file's new content is first written durably beside its target (the
// writes run side by side, so that the disk's flushes overlap), and only
// when all of them are on disk are they renamed over their targets, in
// the given order. A failure before the renames leaves every file as it
// was.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dos_file_system.h"

namespace pekto {

struct PlannedWrite {
  std::string path;  // DOS path of the target
  std::string bytes;
};

// Replaces one file atomically (DosFileSystem::ReplaceFile or a test's
// failing writer), giving it the permissions of the file `mode_of` (the
// target a staged copy will replace); may be called from several threads
// at once.
using FileWriter =
    std::function<WriteResult(std::string_view path, std::string_view bytes, std::string_view mode_of)>;

struct WriteFailure {
  std::string path;  // the target that could not be written
  int error_number = 0;
};

// The staged copy of a target: "C:\PEKTO\01\MAIER.050" -> "...\MAIER.050.neu".
[[nodiscard]] std::string StagedPath(std::string_view path);

// nullopt when every file was replaced. Temporaries left in the target
// folders by an interrupted earlier save are removed first; each rename is
// made durable (folder synced) before the next one, so that their order
// holds after a power cut too.
[[nodiscard]] std::optional<WriteFailure> ReplaceFilesInOrder(const DosFileSystem& files,
                                                              const std::vector<PlannedWrite>& writes,
                                                              const FileWriter& writer);

}  // namespace pekto
