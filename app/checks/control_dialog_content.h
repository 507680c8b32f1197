// The contents of the "Kontrolle" dialog (template MESSDIALOG): a
// read-only text and the buttons 102 and 103, which return 6 and 7. The
// caller picks the content by its mode number; the summation content also
// replaces the caption and the button captions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pekto {

enum class ControlDialogMode {
  Summation = 1,      // closing the accounting period before saving
  AnnualBasis = 2,    // before showing the annual basis of one-off payments (command 289)
  PayslipOutput = 3,  // before the payslip output (command 288)
};

inline constexpr int kControlDialogYes = 6;  // button 102
inline constexpr int kControlDialogNo = 7;   // button 103

struct ControlDialogContent {
  std::string caption = "Kontrolle";
  std::vector<std::string> lines;
  std::string yes_caption = "&Ja";
  std::string no_caption = "&Nein";

  // The lines joined with CR LF, as the edit control shows them.
  [[nodiscard]] std::string Text() const;
  bool operator==(const ControlDialogContent&) const = default;
};

// What the summation content names; the values are shown as given.
struct SummationFacts {
  std::string_view period;  // "MMJJ" of the month being closed
  std::string_view file_name;
  std::string_view last_calculation_date;
  std::string_view last_period;
};

// "Januar" .. "Dezember" for "01".."12" (the first two characters of a
// period); empty for anything else.
[[nodiscard]] std::string_view MonthName(std::string_view period);

// The content of a mode; `facts` is read only by the summation.
[[nodiscard]] ControlDialogContent ControlDialogContentOf(ControlDialogMode mode, const SummationFacts& facts = {});

}  // namespace pekto
