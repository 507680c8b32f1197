#include "app/files/ordered_writes.h"

#include <cerrno>
#include <filesystem>
#include <future>
#include <set>

#include "platform/atomic_file.h"

namespace pekto {
namespace {

void RemoveStaged(const DosFileSystem& files, const std::vector<PlannedWrite>& writes) {
  for (const PlannedWrite& write : writes) (void)files.DeleteFile(StagedPath(write.path));
}

std::optional<WriteFailure> RenameInOrder(const DosFileSystem& files, const std::vector<PlannedWrite>& writes) {
  for (const PlannedWrite& write : writes) {
    const auto staged = files.HostPath(StagedPath(write.path));
    const auto target = files.HostPath(write.path);
    std::error_code error;
    if (!staged || !target) return WriteFailure{write.path, ENOENT};
    std::filesystem::rename(*staged, *target, error);
    if (error) {
      RemoveStaged(files, writes);
      return WriteFailure{write.path, error.value()};
    }
    if (!SyncDirectory(target->parent_path())) {
      const int sync_error = errno;
      RemoveStaged(files, writes);
      return WriteFailure{write.path, sync_error};
    }
  }
  return std::nullopt;
}

}  // namespace

std::string StagedPath(std::string_view path) { return std::string(path) + ".neu"; }

std::optional<WriteFailure> ReplaceFilesInOrder(const DosFileSystem& files, const std::vector<PlannedWrite>& writes,
                                                const FileWriter& writer) {
  // Either policy: where no thread can be started the write runs when its
  // result is asked for.
  std::set<std::filesystem::path> folders;
  for (const PlannedWrite& write : writes) {
    if (const auto target = files.HostPath(write.path)) folders.insert(target->parent_path());
  }
  // Before any write of this save starts, so that no temporary of a live
  // write can be taken for a stale one.
  for (const auto& folder : folders) RemoveStaleTemporaries(folder, StagedPath(""));
  std::vector<std::future<WriteResult>> staged;
  staged.reserve(writes.size());
  for (const PlannedWrite& write : writes) {
    staged.push_back(std::async(std::launch::async | std::launch::deferred,
                                [&writer, &write] { return writer(StagedPath(write.path), write.bytes, write.path); }));
  }
  std::optional<WriteFailure> failure;
  for (std::size_t i = 0; i < staged.size(); ++i) {
    const WriteResult result = staged[i].get();
    if (!result.ok && !failure) failure = WriteFailure{writes[i].path, result.error_number};
  }
  if (failure) {
    RemoveStaged(files, writes);
    return failure;
  }
  return RenameInOrder(files, writes);
}

}  // namespace pekto
