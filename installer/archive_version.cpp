#include "installer/archive_version.h"

#include "installer/archive.h"
#include "platform/value_lines.h"

namespace pekto {

std::string CheckArchiveVersion(const std::filesystem::path& arcvai, std::string_view version,
                                std::string_view date) {
  const auto bytes = ReadArchiveMember(arcvai, "VERSPRK.INF");
  if (!bytes) {
    return arcvai.string() + " holds no VERSPRK.INF: the installed program would not know its version";
  }
  const std::vector<std::string> lines = SplitValueLines(*bytes);
  const std::string installed_version = lines.empty() ? std::string() : lines[0];
  const std::string installed_date = lines.size() < 2 ? std::string() : lines[1];
  if (installed_version == version && installed_date == date) return {};
  return arcvai.string() + " installs version " + installed_version + " of " + installed_date + ", not " +
         std::string(version) + " of " + std::string(date) +
         " (build it with -DPEKTO_RELEASE_VERSION=... -DPEKTO_RELEASE_DATE=...)";
}

}  // namespace pekto
