// What the main program's dialogs reach: the dialog services, the
// process-wide state and the side-effect services; and the frame's
// commands that switch between the start mask and the main mask.
#pragma once

#include <filesystem>

#include "ui/dialog.h"

namespace pekto {

class DosFileSystem;
class DocumentOpener;
class ProgramStarter;
class OnlineServices;
struct ProgramState;

class FrameCommands {
 public:
  virtual ~FrameCommands() = default;
  virtual void ShowMainMask() = 0;   // after a successful login
  virtual void ShowStartMask() = 0;  // back from the main mask
  virtual void EndProgram() = 0;
};

struct AppContext {
  DialogServices& dialogs;
  ProgramState& state;
  const DosFileSystem& files;
  DocumentOpener& documents;
  ProgramStarter& programs;
  OnlineServices& online;
  std::filesystem::path resource_dir;
};

// The program's title as its windows show it.
inline constexpr const char* kProgramTitle = "PEKTO Lohn- und Gehaltsabrechnung";
inline constexpr const char* kHelpFile = "PEKTO.CHM";

}  // namespace pekto
