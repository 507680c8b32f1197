#include "bookings/output_pages.h"

#include <cstdlib>

#include "platform/code_page.h"

namespace pekto {

char HistoryLetter(DocumentKind kind) { return kind == DocumentKind::PayrollAccount ? 'K' : 'A'; }

OutputPages OutputPages::FromLines(std::vector<std::string> cp437_lines) {
  OutputPages pages;
  for (std::string& line : cp437_lines) {
    if (line.empty()) break;
    pages.lines_.push_back(std::move(line));
  }
  return pages;
}

int OutputPages::AddSheet() {
  lines_.resize(lines_.size() + kSheetLines, std::string(" "));
  return SheetCount();
}

std::string& OutputPages::Line(int sheet, int row) {
  return lines_[static_cast<std::size_t>((sheet - 1) * kSheetLines + row - 1)];
}

const std::string& OutputPages::Line(int sheet, int row) const {
  return lines_[static_cast<std::size_t>((sheet - 1) * kSheetLines + row - 1)];
}

void OutputPages::Put(int sheet, int row, int column, std::string_view cp437) {
  std::string& line = Line(sheet, row);
  const std::size_t start = static_cast<std::size_t>(column - 1);
  if (line.size() < start + cp437.size()) line.resize(start + cp437.size(), ' ');
  line.replace(start, cp437.size(), cp437);
}

void OutputPages::PutRight(int sheet, int row, int column, int width, std::string_view cp437) {
  const std::size_t w = static_cast<std::size_t>(width);
  if (cp437.size() > w) {
    Put(sheet, row, column, std::string(w, '*'));  // never spills into the next column
    return;
  }
  Put(sheet, row, column, std::string(w - cp437.size(), ' ') + std::string(cp437));
}

void OutputPages::PutText(int sheet, int row, int column, std::string_view utf8, int max_width) {
  std::string bytes = Utf8ToCp437(utf8);
  if (bytes.size() > static_cast<std::size_t>(max_width)) bytes.resize(static_cast<std::size_t>(max_width));
  Put(sheet, row, column, bytes);
}

std::string SheetAmount(Cents amount) {
  const std::int64_t value = amount.Value();
  const std::uint64_t magnitude = value < 0 ? static_cast<std::uint64_t>(-(value + 1)) + 1u : static_cast<std::uint64_t>(value);
  std::string cents = std::to_string(magnitude % 100u);
  if (cents.size() < 2) cents.insert(0, "0");
  return (value < 0 ? "-" : "") + std::to_string(magnitude / 100u) + "," + cents;
}

bool IsTitleLine(std::string_view cp437_line) {
  static constexpr std::string_view kTitles[] = {"L O H N - / G E H A L T S A B R E C H N U N G",
                                                 "J A H R E S S U M M E N", "L O H N K O N T O"};
  for (const std::string_view title : kTitles) {
    if (cp437_line.find(title) != std::string_view::npos) return true;
  }
  return false;
}

std::string DocumentText(const OutputPages& pages) {
  std::string text;
  for (const std::string& line : pages.Lines()) text += Cp437ToUtf8(line) + "\n";
  return text;
}

}  // namespace pekto
