// pekto-pack: writes one archive of the installation medium from a list of
// members, one a line: the name in the archive, a tab, the file, and a tab
// and "x" for an executable.
#include <fstream>
#include <iostream>
#include <string>

#include "installer/archive.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Aufruf: pekto-pack ARCHIV LISTE\n";
    return 2;
  }
  std::ifstream list(argv[2]);
  if (!list) {
    std::cerr << "pekto-pack: " << argv[2] << " nicht lesbar\n";
    return 2;
  }
  std::vector<pekto::ArchiveMember> members;
  std::string line;
  while (std::getline(list, line)) {
    if (line.empty()) continue;
    const auto tab = line.find('\t');
    if (tab == std::string::npos) {
      std::cerr << "pekto-pack: Zeile ohne Tabulator: " << line << "\n";
      return 2;
    }
    const auto second = line.find('\t', tab + 1);
    const std::string source = line.substr(tab + 1, second == std::string::npos ? std::string::npos : second - tab - 1);
    members.push_back({line.substr(0, tab), source, second != std::string::npos && line.substr(second + 1) == "x"});
  }
  const pekto::ArchiveWriteResult result = pekto::WriteArchive(argv[1], members);
  if (!result.ok) {
    std::cerr << "pekto-pack: " << argv[1] << ": " << result.error << "\n";
    return 1;
  }
  return 0;
}
