#include "app/startup/program_state.h"

namespace pekto {

char ScreenClassForWidth(int screen_width) {
  if (screen_width < 800) return 'K';
  return screen_width <= 1000 ? 'M' : 'G';
}

int LayoutVariantFor(char screen_class) { return screen_class == 'G' ? 2 : 1; }

void ApplyPaths(ProgramState& state) {
  state.paths.drive = state.system_file.InstallDrive();
  state.paths.dir = state.system_file.InstallDir();
  state.paths.user_dir = state.user_number > 0 ? UserDirFromNumber(state.user_number) : std::string();
}

}  // namespace pekto
