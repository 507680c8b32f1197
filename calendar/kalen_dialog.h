// The calendar dialog "KALENDLG": paints the month that the core builds,
// steps month, year and federal state with the scroll bars, and ends the
// program with "&Abbruch (Esc)".
#pragma once

#include <memory>
#include <string_view>

#include "calendar/month_view.h"
#include "ui/dialog.h"

class QScrollBar;

namespace pekto {

class DosFileSystem;

namespace calendar {

class KalenDialog final : public Dialog {
 public:
  KalenDialog(DialogServices& services, YearMonth start);

  static constexpr int kMonthName = 102;
  static constexpr int kYear = 103;
  static constexpr int kHeader = 104;
  static constexpr int kGrid = 105;
  static constexpr int kPanelHeading = 107;
  static constexpr int kMonthBar = 110;
  static constexpr int kYearBar = 111;
  static constexpr int kStateBar = 112;
  static constexpr int kStateName = 113;
  static constexpr int kHolidayCount = 117;
  static constexpr int kHolidayList = 118;
  static constexpr int kSundayCount = 122;
  static constexpr int kSaturdayCount = 124;
  static constexpr int kWorkingDayCount = 125;

  [[nodiscard]] const MonthView& View() const { return view_; }
  void ShowState(State state);

 protected:
  void OnCommand(int id) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectBar(int id, void (KalenDialog::*step)(int));
  void StepMonth(int delta);
  void StepYear(int delta);
  void StepState(int delta);
  void Apply(const Step& step);
  void Show(YearMonth shown);
  void PaintGrid(QWidget& grid) const;

  MonthView view_;
  State state_ = State::All;
};

// The program's start: takes START.DAT from `current_dir` and opens the
// calendar; nullptr after the start-guard or creation message.
[[nodiscard]] std::unique_ptr<KalenDialog> StartCalendar(DialogServices& services, const DosFileSystem& files,
                                                         std::string_view current_dir, YearMonth today);

}  // namespace calendar
}  // namespace pekto
