// pekto-calc: the command-line front end of the payroll engine.
//
//   pekto-calc FIELD=VALUE ... [--json] [--explain]
//   pekto-calc --json-lines [--explain]      one {"id","fields"} object per line
//   pekto-calc --file PATH [--json] [--explain]
//                                            the month stored in an employee file
//   pekto-calc --all FOLDER [--explain]      every employee file of a data folder,
//                                            one {"id": file name, "result"|"error"} per line
//
// PATH and FOLDER are DOS paths (C:\PEKTO\01\MAIER.050, through the drives
// root of PEKTO_DRIVES) or host paths. The main mask's input checks run
// first (--no-checks skips them).
// Exit codes: 0 success, 2 bad input (unknown field, bad amount, bad JSON,
// a failing input check, a missing or damaged file).
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace pekto {

int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace pekto
