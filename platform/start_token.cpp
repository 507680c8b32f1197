#include "platform/start_token.h"

#include "platform/dos_file_system.h"

namespace pekto {

std::string StartTokenPath(std::string_view dir) {
  std::string path(dir);
  if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
  path += kStartTokenName;
  return path;
}

bool WriteStartToken(const DosFileSystem& files, std::string_view dir) {
  return files.ReplaceFile(StartTokenPath(dir), "").ok;
}

bool TakeStartToken(const DosFileSystem& files, std::string_view dir) {
  const std::string path = StartTokenPath(dir);
  if (!files.FileExists(path)) return false;
  (void)files.DeleteFile(path);
  return true;
}

}  // namespace pekto
