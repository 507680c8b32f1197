// The booking mask "Buchungsmaske" (template BuchDialog): the employee's
// and the employer's name and address, the booking lines of the month in
// a list of 10 visible lines with its scroll bar, the edit line that adds,
// changes and deletes a line, and "Programmausführung fortsetzen", which
// evaluates the lines into the month. The lines are those of the open
// employee record; the rules are in booking_lines.h and
// booking_evaluation.h.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/files/employee_files.h"
#include "bookings/booking_evaluation.h"
#include "platform/processes.h"
#include "ui/dialog.h"

namespace pekto {

struct BookingMaskContext {
  EmployeeRecord& record;
  const WageTypeTable& wage_types;
  std::vector<EmployerEntry> employers;  // the employer list AG.DAT, as stored
  std::string help_file;                 // PEKTO.CHM of the installation
  // Opens a document of the installation directory ("Energiepreispauschale.pdf").
  std::function<LaunchResult(std::string_view document)> open_document;
  // Starts an accessory ("FIMREL.EXE", "DORVEL.EXE"). Without one the
  // program says that the accessory is not installed.
  std::function<void(std::string_view program)> start_accessory;
};

class BookingDialog final : public Dialog {
 public:
  BookingDialog(DialogServices& services, BookingMaskContext context, QWidget* parent = nullptr);

  // Control ids.
  static constexpr int kEmployeeName = 401, kEmployeeFirstName = 402, kEmployeeStreet = 403,
                       kEmployeePostcode = 404, kEmployeePlace = 405;
  static constexpr int kEmployerName = 411, kEmployerStreet = 412, kEmployerPostcode = 413, kEmployerPlace = 414;
  static constexpr int kTakeOverEmployerButton = 420;
  static constexpr int kScrollBar = 499;
  static constexpr int kFirstRowButton = 500;  // 500..509
  static constexpr int kFirstCell = 1000;      // + 20 * row + column
  static constexpr int kEditLine = 800;        // + column
  static constexpr int kWageTypeListButton = 821;
  static constexpr int kDeleteButton = 830;
  static constexpr int kContinue = 840;
  // Menu commands.
  static constexpr int kClearAll = 2101, kClearBookings = 2102, kClearEmployee = 2103, kClearEmployer = 2104;
  static constexpr int kTakeOverEmployer = 2110;
  static constexpr int kNewBookingHint = 2120, kChangeBookingHint = 2121, kDeleteBookingHint = 2122;
  static constexpr int kCalculator = 2130, kCalendar = 2131;
  static constexpr int kKeyboardHelp = 2140, kInputConventions = 2141, kWorkSteps = 2142, kFieldHelp = 2143;
  static constexpr int kEnergyAllowanceDocument = 2150;
  static constexpr int kVisibleRows = 10;

  [[nodiscard]] static constexpr int CellId(int row, int column) { return kFirstCell + 20 * row + column; }
  [[nodiscard]] int TopLine() const { return top_line_; }
  // After "Programmausführung fortsetzen": what the evaluation wrote.
  [[nodiscard]] const std::optional<BookingEvaluation>& Evaluation() const { return evaluation_; }

 protected:
  void OnCommand(int id) override;
  void OnFieldFocused(int id) override;

 private:
  void SetUpFields();
  void ShowNames();
  void ReadNames();
  void ShowLines();
  void ScrollTo(int top_line);
  [[nodiscard]] BookingRow ReadEditLine() const;
  void ShowEditLine(const BookingRow& line);
  void ConfirmLine();
  void TakeLineOfRow(int visible_row);
  bool TakeOverFromNumberField();
  void ChooseWageType();
  void OfferWageType(const WageTypeRow& wage_type);
  void ChooseEmployer();
  void Continue();
  void FieldPopup(int id);
  void ShowKeyListOf(int id);
  void ShowHelp(int topic);
  void StartAccessory(std::string_view program);
  void OpenEnergyDocument();
  bool RunMenuCommand(int id);

  BookingMaskContext context_;
  int top_line_ = 0;
  int last_field_ = 0;
  std::string taken_number_;  // the wage type whose keys the edit line holds
  std::optional<BookingEvaluation> evaluation_;
};

// The booking mask over `parent`; the evaluation when the user continued
// with "Programmausführung fortsetzen".
[[nodiscard]] std::optional<BookingEvaluation> OpenBookingMask(DialogServices& services, BookingMaskContext context,
                                                               QWidget* parent);

}  // namespace pekto
