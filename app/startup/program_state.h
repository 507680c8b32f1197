// The process-wide state of the main program, owned by its frame and
// passed by reference to the start-up, the login and the dialogs.
#pragma once

#include <string>

#include "app/startup/calculation_marks.h"
#include "record/employee_record.h"
#include "app/startup/install_paths.h"
#include "app/startup/system_file.h"
#include "bookings/wage_type_file.h"
#include "ui/field_state.h"

namespace pekto {

// "K" below 800 pixels of screen width, "M" up to 1000, "G" above.
[[nodiscard]] char ScreenClassForWidth(int screen_width);
// Layout variant 2 (larger font) for large screens, else 1.
[[nodiscard]] int LayoutVariantFor(char screen_class);

struct ProgramState {
  std::string working_directory;  // DOS text of the current directory at start
  std::string system_file_path;   // where the system file was read from
  SystemFile system_file;
  InstallPaths paths;
  int user_number = 0;  // 0 before the first login
  char screen_class = 'M';
  int layout_variant = 1;
  WageTypeTable wage_types;
  EmployeeRecord record;
  CalculationMarks calculation;
  FieldState field_state;
  FieldStateStack field_states;
};

// Drive and directory from the system file, the user directory from the
// logged-in user's number (empty before the login).
void ApplyPaths(ProgramState& state);

}  // namespace pekto
