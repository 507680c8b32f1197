#include "platform/remote_assistance.h"

#include <unistd.h>

namespace pekto {

namespace fs = std::filesystem;

const std::vector<RemoteAssistanceProgram>& RemoteAssistancePrograms() {
  static const std::vector<RemoteAssistanceProgram> programs{
      {"rustdesk", {}}, {"anydesk", {}}, {"teamviewer", {}}, {"krfb", {}}};
  return programs;
}

std::optional<ProgramLaunch> FindRemoteAssistance(const DosFileSystem& files, const EnvironmentLookup& env) {
  const std::string path = env ? env("PATH").value_or("") : "";
  for (const auto& program : RemoteAssistancePrograms()) {
    std::size_t start = 0;
    while (start <= path.size()) {
      const std::size_t end = std::min(path.find(':', start), path.size());
      const std::string dir = path.substr(start, end - start);
      start = end + 1;
      if (dir.empty() || dir.front() != '/') continue;  // relative PATH entries are not trusted
      const fs::path candidate = fs::path(dir) / program.name;
      std::error_code error;
      if (fs::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0) {
        return ProgramLaunch{files.DosPathOf(candidate), program.arguments, "", LaunchMode::Detached};
      }
    }
  }
  return std::nullopt;
}

LaunchResult StartRemoteAssistance(ProgramStarter& programs, const DosFileSystem& files,
                                   const EnvironmentLookup& env) {
  const auto launch = FindRemoteAssistance(files, env);
  if (!launch) return {false, 2, 0};
  return programs.Start(*launch);
}

}  // namespace pekto
