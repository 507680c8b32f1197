#include "calendar/kalen_dialog.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

#include "platform/dos_file_system.h"
#include "platform/start_token.h"
#include "ui/widget_factory.h"
#include "ui/windows.h"

namespace pekto::calendar {

namespace {

constexpr std::array<const char*, 7> kDayColumns = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
const QColor kHolidayColour(0xC0, 0x00, 0x00);
const QColor kSundayColour(0x00, 0x40, 0xA0);
// The scroll bars rest in their middle; a small handle shows that they step.
constexpr int kBarMiddle = 50;

// The centre of a word of the column header, in the header's pixels.
int ColumnCentre(const QLabel& header, const QString& word) {
  const QString text = header.text();
  const qsizetype at = text.indexOf(word);
  const QFontMetrics metrics(header.font());
  return metrics.horizontalAdvance(text.left(at)) + metrics.horizontalAdvance(word) / 2;
}

}  // namespace

KalenDialog::KalenDialog(DialogServices& services, YearMonth start) : Dialog(services, "KALENDLG") {
  if (!IsBuilt()) return;
  ConnectBar(kMonthBar, &KalenDialog::StepMonth);
  ConnectBar(kYearBar, &KalenDialog::StepYear);
  ConnectBar(kStateBar, &KalenDialog::StepState);
  if (QWidget* grid = Control(kGrid)) grid->installEventFilter(this);
  SetText(kStateName, InfoOf(state_).name);
  Show(start);
}

// A scroll bar is a pair of step buttons: it stays in its middle and each
// step (arrow or page) moves the shown month by one.
void KalenDialog::ConnectBar(int id, void (KalenDialog::*step)(int)) {
  auto* bar = qobject_cast<QScrollBar*>(Control(id));
  if (bar == nullptr) return;
  bar->setRange(0, 2 * kBarMiddle);
  bar->setPageStep(1);
  bar->setValue(kBarMiddle);
  connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, step](int action) {
    int delta = 0;
    if (action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderPageStepAdd) delta = 1;
    if (action == QAbstractSlider::SliderSingleStepSub || action == QAbstractSlider::SliderPageStepSub) delta = -1;
    bar->setSliderPosition(kBarMiddle);
    if (delta != 0) (this->*step)(delta);
  });
  connect(bar, &QAbstractSlider::sliderReleased, this, [bar] { bar->setValue(kBarMiddle); });
}

void KalenDialog::StepMonth(int delta) { Apply(calendar::StepMonth(view_.shown, delta)); }

void KalenDialog::StepYear(int delta) { Apply(calendar::StepYear(view_.shown, delta)); }

void KalenDialog::StepState(int delta) {
  const int count = static_cast<int>(States().size());
  ShowState(static_cast<State>((static_cast<int>(state_) + delta + count) % count));
}

void KalenDialog::ShowState(State state) {
  state_ = state;
  SetText(kStateName, InfoOf(state).name);
  Show(view_.shown);
}

void KalenDialog::Apply(const Step& step) {
  if (step.notice) {
    MessageBoxCentered(Services().messages, *step.notice, "Hinweis", kMbIconInformation);
    return;
  }
  Show(step.shown);
}

void KalenDialog::Show(YearMonth shown) {
  view_ = BuildMonthView(shown, state_);
  SetText(kMonthName, view_.month_name);
  SetText(kYear, view_.year_text);
  SetText(kPanelHeading, "Feiertage im " + view_.month_name + " " + view_.year_text);
  std::string lines;
  for (const std::string& line : view_.holiday_lines) lines += (lines.empty() ? "" : "\n") + line;
  SetText(kHolidayList, lines);
  SetText(kHolidayCount, CountText(view_.holidays));
  SetText(kSundayCount, CountText(view_.sundays));
  SetText(kSaturdayCount, CountText(view_.saturdays));
  SetText(kWorkingDayCount, CountText(view_.working_days));
  if (QWidget* grid = Control(kGrid)) grid->update();
}

void KalenDialog::OnCommand(int id) {
  if (id == kIdOk || id == kIdCancel) done(0);
}

bool KalenDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched == Control(kGrid)) {
    PaintGrid(*Control(kGrid));
    return true;
  }
  return Dialog::eventFilter(watched, event);
}

// The weeks as lines under the column header: the week number under
// "Woche", the days right-aligned under their weekday, holidays in their
// colour with their code below the day.
void KalenDialog::PaintGrid(QWidget& grid) const {
  const auto* header = qobject_cast<const QLabel*>(Control(kHeader));
  if (header == nullptr) return;
  QPainter painter(&grid);
  const int offset = header->x() - grid.x();
  QFont day_font = grid.font();
  QFont code_font = grid.font();
  code_font.setPointSizeF(code_font.pointSizeF() * 0.7);
  const QFontMetrics day_metrics(day_font);
  const int row_height = std::max(1, grid.height() / 6);
  const int cell_width = day_metrics.horizontalAdvance("00") + 2;
  for (std::size_t row = 0; row < view_.weeks.size(); ++row) {
    const Week& week = view_.weeks[row];
    const int top = static_cast<int>(row) * row_height;
    const QRect line(0, top, grid.width(), day_metrics.height());
    painter.setPen(grid.palette().color(QPalette::WindowText));
    painter.setFont(day_font);
    const int week_centre = offset + ColumnCentre(*header, "Woche");
    painter.drawText(QRect(week_centre - cell_width, top, 2 * cell_width, line.height()), Qt::AlignCenter,
                     QString::number(week.number));
    for (std::size_t column = 0; column < week.days.size(); ++column) {
      const DayCell& cell = week.days[column];
      if (cell.day == 0) continue;
      const int centre = offset + ColumnCentre(*header, kDayColumns[column]);
      const QRect box(centre - cell_width / 2, top, cell_width, line.height());
      QFont font = day_font;
      font.setBold(cell.IsHoliday());
      painter.setFont(font);
      painter.setPen(cell.IsHoliday() ? kHolidayColour
                                      : (column == 6 ? kSundayColour : grid.palette().color(QPalette::WindowText)));
      painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(cell.day));
      if (cell.IsHoliday()) {
        painter.setFont(code_font);
        painter.setPen(kHolidayColour);
        painter.drawText(QRect(box.left() - 4, box.bottom(), box.width() + 8, row_height - line.height()),
                         Qt::AlignHCenter | Qt::AlignTop, ToQString(cell.code));
      }
    }
  }
}

std::unique_ptr<KalenDialog> StartCalendar(DialogServices& services, const DosFileSystem& files,
                                           std::string_view current_dir, YearMonth today) {
  if (!TakeStartToken(files, current_dir)) {
    MessageBoxCentered(services.messages, JoinLines({kStartGuardLines[0], kStartGuardLines[1], kStartGuardLines[2]}),
                       kStartGuardCaption, kMbIconStop);
    return nullptr;
  }
  auto dialog = std::make_unique<KalenDialog>(services, today);
  if (!ShowModelessDialog(*dialog)) {
    MessageBoxCentered(services.messages,
                       JoinLines({"Der Kalender konnte nicht ge-", "öffnet werden.", "Starten Sie das Programm erneut",
                                  "direkt unter dem gewählten In-", "stallationspfad."}),
                       "PEKTO Fehler!", kMbIconStop);
    return nullptr;
  }
  return dialog;
}

}  // namespace pekto::calendar
