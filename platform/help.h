// Help topics. The program's help files (PEKTO.CHM, GESETZ.CHM,
// REGISTER.CHM) are folders of HTML pages here: resources/help/<file>/
// <topic>.html, with index.html as each file's start page.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dos_file_system.h"

namespace pekto {

// "PEKTO.CHM" or "C:\PEKTO\PEKTO.CHM" -> "pekto".
[[nodiscard]] std::string HelpFolderName(std::string_view help_file);
// The page of a topic; a topic without a page opens the start page.
[[nodiscard]] std::filesystem::path HelpPagePath(const std::filesystem::path& help_root, std::string_view help_file,
                                                 int topic);

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Topic 0 opens the help file's start page.
  virtual void ShowTopic(std::string_view help_file, int topic) = 0;
};

class RecordingHelpViewer final : public HelpViewer {
 public:
  struct Shown {
    std::string help_file;
    int topic;
    bool operator==(const Shown&) const = default;
  };
  void ShowTopic(std::string_view help_file, int topic) override { shown.push_back({std::string(help_file), topic}); }
  std::vector<Shown> shown;
};

// Where the shipped resources (dialog scripts, help pages, default data)
// are: PEKTO_RESOURCES when set, else share/pekto in the program's folder
// (an installation), else share/pekto beside the program's folder when it
// exists, else the folder the program was built from.
[[nodiscard]] std::filesystem::path FindResourceDirectory(const EnvironmentLookup& env,
                                                          const std::filesystem::path& program_dir,
                                                          const std::filesystem::path& built_from);

}  // namespace pekto
