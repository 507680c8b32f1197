// A scripted user for the end-to-end tests of the programs as processes.
//
// Only builds with tests carry it (option PEKTO_AUTOPILOT); in every other
// build StartAutopilot does nothing. When it is built in and the variable
// PEKTO_AUTOPILOT names a script file, the program watches its windows:
// each window that becomes active is written to the log (the script's name
// with ".log" appended: program, title, message text), and a rule of the
// script answers it. A script line is
//
//   program|pattern|actions
//
// where the pattern is the start of a window title or a part of a message
// box's text,
// and the actions are typed characters, the keys {Tab}, {Return} and {Esc}
// (a key N times: {Tab*3}), {Button:Nein} (clicks the button of that
// text), {Menu:Text} (chooses the menu entry of that text) and {Stop} (ends
// the program with exit code 0, logging the working directory). Each line
// is used once, in order, except {Wait}, which leaves every window it
// matches alone; a window no line matches gets {Return}, as if the user
// took every default.
// After two minutes, or a hundred actions, the program ends with exit
// code 3 so that no test leaves a program running.
#pragma once

#include <string_view>

namespace pekto {

void StartAutopilot(std::string_view program);

}  // namespace pekto
