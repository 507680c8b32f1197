// pekto-calc: the command-line front end of the payroll engine.
//
//   pekto-calc FIELD=VALUE ... [--json] [--explain]
//   pekto-calc --json-lines [--explain]      one {"id","fields"} object per line
//   pekto-calc --file PATH [--json] [--explain]
//                                            the month stored in an employee file
//   pekto-calc --all FOLDER [--explain]      every employee file of a data folder,
//                                            one {"id": file name, "result"|"error"} per line
//   pekto-calc --file PATH [--bookings] --payslip text
//                                            the month's payslip sheets as UTF-8 text
//   pekto-calc --file PATH [--bookings] --payslip pdf --out FILE.pdf
//                                            the payslip as a PDF file
//   pekto-calc --file PATH --account text|pdf [--out FILE]
//                                            the payroll account of the month's year
//                                            (with the year file beside the employee file)
//
// PATH and FOLDER are DOS paths (C:\PEKTO\01\MAIER.050, through the drives
// root of PEKTO_DRIVES) or host paths. The main mask's input checks run
// first (--no-checks skips them).
// Exit codes: 0 success, 2 bad input (unknown field, bad amount, bad JSON,
// a failing input check, a missing or damaged file).
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

namespace pekto {

class OutputPages;

// Writes the sheets as a PDF file; the German reason when it cannot. The
// program's main passes the Qt writer, so that this command stays free of
// Qt.
using PdfExport = std::function<std::optional<std::string>(const OutputPages& pages, const std::string& path)>;

int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err,
                   const PdfExport& pdf = {});

}  // namespace pekto
