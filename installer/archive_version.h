// The version file VERSPRK.INF that the program archive ARCVAI.EXE puts into
// the installation. The online check compares its date with the vendor's
// version file, so an update published as one version must install that
// version, or the check offers the same update again after it is installed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pekto {

// Empty when the archive installs `version` of `date` (DDMMYYYY); else what
// is wrong, for the publisher.
[[nodiscard]] std::string CheckArchiveVersion(const std::filesystem::path& arcvai, std::string_view version,
                                              std::string_view date);

}  // namespace pekto
