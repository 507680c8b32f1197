// pekto-calc: the command-line front end of the payroll engine.
//
//   pekto-calc FIELD=VALUE ... [--json] [--explain]
//   pekto-calc --json-lines [--explain]      one {"id","fields"} object per line
//
// The main mask's input checks run first (--no-checks skips them).
// Exit codes: 0 success, 2 bad input (unknown field, bad amount, bad JSON,
// a failing input check).
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace pekto {

int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace pekto
