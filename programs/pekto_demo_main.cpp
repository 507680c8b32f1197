// pekto-demo: prepares the demo installation under the drives root and
// prints the folder to start pekto in.
#include <iostream>

#include "platform/dos_file_system.h"
#include "platform/help.h"
#include "programs/demo_installation.h"

int main(int argc, char** argv) {
  const auto env = pekto::SystemEnvironment();
  const auto root = pekto::DrivesRootFromEnvironment(env);
  if (!root) {
    std::cerr << "pekto-demo: kein Laufwerksverzeichnis (PEKTO_DRIVES oder HOME setzen)\n";
    return 2;
  }
  const std::filesystem::path program = argc > 0 ? std::filesystem::path(argv[0]) : std::filesystem::path();
  const auto resources =
      pekto::FindResourceDirectory(env, program.parent_path(), std::filesystem::path(PEKTO_SOURCE_DIR) / "resources");
  const pekto::DosFileSystem files(*root);
  pekto::DemoReport report = pekto::PrepareDemoInstallation(files, resources);
  pekto::LinkDemoAccessories(files, program.parent_path(), report);
  pekto::CopyDemoDocuments(files, {resources / "documents", std::filesystem::path(PEKTO_BUILT_DOCUMENTS)}, report);
  for (const auto& path : report.written) std::cerr << "angelegt: " << path << "\n";
  for (const auto& problem : report.problems) std::cerr << "pekto-demo: " << problem << "\n";
  if (!report.ok) return 1;
  std::cout << files.HostPath("C:\\PEKTO").value_or(std::filesystem::path()).string() << "\n";
  return 0;
}
