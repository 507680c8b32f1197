// Starting programs and opening documents, behind small interfaces so that
// tests record what would have happened instead of doing it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pekto {

class DosFileSystem;

enum class LaunchMode { Detached, Wait };

struct ProgramLaunch {
  std::string program;  // DOS path ("C:\PEKTO\FIMREL.EXE")
  std::vector<std::string> arguments;
  std::string working_directory;  // DOS path; empty = the current one
  LaunchMode mode = LaunchMode::Detached;
  bool operator==(const ProgramLaunch&) const = default;
};

// Error codes follow the shell's numbers where one exists: 2 file not
// found, 5 access denied, 31 no application for the document.
struct LaunchResult {
  bool started = false;
  int error_code = 0;
  int exit_code = 0;  // LaunchMode::Wait only
};

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual LaunchResult Start(const ProgramLaunch& launch) = 0;
};

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Opens a file (DOS path) or a URL with the desktop's viewer.
  virtual LaunchResult Open(std::string_view document) = 0;
};

class RecordingProgramStarter final : public ProgramStarter {
 public:
  LaunchResult Start(const ProgramLaunch& launch) override {
    launches.push_back(launch);
    return answer;
  }
  std::vector<ProgramLaunch> launches;
  LaunchResult answer{true, 0, 0};
};

class RecordingDocumentOpener final : public DocumentOpener {
 public:
  LaunchResult Open(std::string_view document) override {
    documents.emplace_back(document);
    return answer;
  }
  std::vector<std::string> documents;
  LaunchResult answer{true, 0, 0};
};

// Starts a host program; `arguments` excludes the program itself.
[[nodiscard]] LaunchResult SpawnHostProgram(const std::filesystem::path& program,
                                            const std::vector<std::string>& arguments,
                                            const std::filesystem::path& working_directory, LaunchMode mode);

// A DOS program path names a host executable; "FIMREL.EXE" also finds an
// executable "fimrel" beside it, the form our own programs have here.
class HostProgramStarter final : public ProgramStarter {
 public:
  explicit HostProgramStarter(const DosFileSystem& files) : files_(files) {}
  LaunchResult Start(const ProgramLaunch& launch) override;

 private:
  const DosFileSystem& files_;
};

// Opens documents with xdg-open; a missing file fails with code 2.
class HostDocumentOpener final : public DocumentOpener {
 public:
  explicit HostDocumentOpener(const DosFileSystem& files) : files_(files) {}
  LaunchResult Open(std::string_view document) override;

 private:
  const DosFileSystem& files_;
};

}  // namespace pekto
