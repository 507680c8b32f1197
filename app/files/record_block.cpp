#include "app/files/record_block.h"

#include <algorithm>

#include "record/amount_normalisation.h"
#include "platform/code_page.h"

namespace pekto {
namespace {

constexpr std::size_t kAnnualOffset = kMonthRecordSlots;
constexpr std::size_t kBookingOffset = kMonthRecordSlots + kAnnualBlockSlots;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "0", "000000", " 0": the entry date that was never set.
bool IsNumericZero(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c == '0'; });
}

// A whole number typed without a comma is euros: "5" is kept as "5,00"
// rather than being stored as 5 cents.
std::string WithDecimals(const std::string& text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) return text;
  return text + ",00";
}

// A value is one line: line breaks and NUL would split or end it.
std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
  return text;
}

// C0 control characters are no part of any value the program writes.
std::string WithoutControls(std::string text) {
  std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return text;
}

MonthRecord NormalisedMonth(const MonthRecord& month) {
  MonthRecord copy = month;
  for (int slot = 0; slot < kMonthRecordSlots; ++slot) {
    if (IsAmountSlot(slot)) copy[static_cast<std::size_t>(slot)] = WithDecimals(copy[static_cast<std::size_t>(slot)]);
  }
  NormaliseForStorage(copy);
  return copy;
}

}  // namespace

bool IsDosCodePageSlot(int month_slot) {
  return month_slot == 11 || (month_slot >= slot::kCategory3Total && month_slot <= slot::kLastEmployerText);
}

BlockValues StoredBlockOf(const EmployeeRecord& record) {
  BlockValues values;
  values.reserve(kRecordBlockLines);
  const MonthRecord month = NormalisedMonth(record.month_record);
  for (int slot = 0; slot < kMonthRecordSlots; ++slot) {
    const std::string& text = month[static_cast<std::size_t>(slot)];
    values.push_back(OneLine(IsDosCodePageSlot(slot) ? Utf8ToDosUmlauts(text) : Utf8ToCp1252(text)));
  }
  for (int slot = 0; slot < kAnnualBlockSlots; ++slot) {
    const std::string& text = record.annual_block[static_cast<std::size_t>(slot)];
    values.push_back(slot == 0 && IsNumericZero(text) ? std::string() : OneLine(Utf8ToCp1252(text)));
  }
  for (const BookingRow& row : record.booking_table) {
    for (const std::string& cell : row) values.push_back(OneLine(Utf8ToCp1252(cell)));
  }
  return values;
}

BlockValues EmptyBlock() { return BlockValues(kRecordBlockLines); }

void AppendBlock(std::string& out, const BlockValues& values) {
  for (const std::string& value : values) AppendQuotedLine(out, value);
}

BlockValues ReadBlockValues(ValueLineReader& reader, BlockReadStats& stats) {
  BlockValues values(kRecordBlockLines);
  for (std::string& value : values) {
    const auto line = reader.Next();
    if (!line) break;
    ++stats.lines;
    if (line->size() > kMaxValueLineLength || line->find('\0') != std::string_view::npos) {
      stats.binary = true;
      continue;
    }
    if (!IsQuoted(*line)) ++stats.unquoted;
    value = std::string(StripQuotes(*line));
  }
  return values;
}

bool IsUsableBlock(const BlockReadStats& stats) {
  return !stats.binary && stats.lines > 0 && stats.unquoted * 2 <= stats.lines;
}

void DecodeBlock(const BlockValues& values, EmployeeRecord& record) {
  const auto value = [&values](std::size_t index) -> std::string_view {
    return index < values.size() ? std::string_view(values[index]) : std::string_view();
  };
  for (int slot = 0; slot < kMonthRecordSlots; ++slot) {
    const std::string_view bytes = value(static_cast<std::size_t>(slot));
    record.month_record[static_cast<std::size_t>(slot)] =
        WithoutControls(IsDosCodePageSlot(slot) ? DosUmlautsToUtf8(bytes) : Cp1252ToUtf8(bytes));
  }
  RestoreForDisplay(record.month_record);
  for (std::size_t slot = 0; slot < kAnnualBlockSlots; ++slot) {
    record.annual_block[slot] = WithoutControls(Cp1252ToUtf8(value(kAnnualOffset + slot)));
  }
  if (IsNumericZero(record.annual_block[0])) record.annual_block[0].clear();
  std::size_t index = kBookingOffset;
  for (BookingRow& row : record.booking_table) {
    for (std::string& cell : row) cell = WithoutControls(Cp1252ToUtf8(value(index++)));
  }
}

}  // namespace pekto
