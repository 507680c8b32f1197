// The printed documents as fixed-width text sheets: 71 lines per sheet,
// each line a byte string in DOS code page 437, with the single-line
// box-drawing characters of that code page for the frames. A line of a
// used sheet is never empty (a blank line holds one space), so that the
// first empty line ends the document when it is archived.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/money.h"

namespace pekto {

inline constexpr int kSheetLines = 71;
inline constexpr int kMaxPayslipSheets = 9;
inline constexpr int kSheetWidth = 78;

// What a document is: it decides the screen font, the bold title lines and
// the letter of its history file.
enum class DocumentKind { Payslip, AnnualSums, PayrollAccount };

// "A" for a payslip (and the annual sums printed with it), "K" for a
// payroll account.
[[nodiscard]] char HistoryLetter(DocumentKind kind);

class OutputPages {
 public:
  OutputPages() = default;
  // A document read back from its lines (a history file); the lines are
  // taken up to the first empty one.
  [[nodiscard]] static OutputPages FromLines(std::vector<std::string> cp437_lines);

  [[nodiscard]] bool Empty() const { return lines_.empty(); }
  [[nodiscard]] int SheetCount() const {
    return static_cast<int>((lines_.size() + kSheetLines - 1) / kSheetLines);
  }
  [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }
  // Appends a sheet of 71 blank lines; returns its number (from 1).
  int AddSheet();
  // The line `row` (1..71) of sheet `sheet` (from 1).
  [[nodiscard]] std::string& Line(int sheet, int row);
  [[nodiscard]] const std::string& Line(int sheet, int row) const;
  // Writes code page 437 bytes from character position `column` (1-based),
  // widening the line with blanks where needed.
  void Put(int sheet, int row, int column, std::string_view cp437);
  // Right-aligns `cp437` in the field of `width` characters from `column`;
  // a longer text keeps its last `width` characters' room by showing "*".
  void PutRight(int sheet, int row, int column, int width, std::string_view cp437);
  // The same from UTF-8: characters outside code page 437 become "?", so
  // that no column is lost.
  void PutText(int sheet, int row, int column, std::string_view utf8, int max_width);

 private:
  std::vector<std::string> lines_;
};

// The amount format of the sheets: euros, a decimal comma and two digits,
// a leading "-" for negative values ("0,00", "-12,50", "1234,56").
[[nodiscard]] std::string SheetAmount(Cents amount);

// Whether a line is one of the titles drawn in bold.
[[nodiscard]] bool IsTitleLine(std::string_view cp437_line);

// The document as UTF-8 text, one line per sheet line, LF after each.
[[nodiscard]] std::string DocumentText(const OutputPages& pages);

}  // namespace pekto
