// The payroll account "LktoDialog" ("Lohnkonto für " + name): the master
// data and annual figures of the record's AnnualBlock in five groups, the
// annual figures locked until "Eingabefelder freigeben", the checks when it
// is closed, clearing from the "Datei" menu, the accessories and the help.
// The record receives the values only after every check has passed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "bookings/account/payroll_account_fields.h"
#include "record/dialog_message.h"
#include "ui/dialog.h"

namespace pekto {

struct PayrollAccountOptions {
  std::string name;        // the employee's name
  std::string first_name;  // may be empty
  std::string help_file;   // "C:\PEKTO\PEKTO.CHM"
  // Starts an accessory of the installation ("FIMREL.EXE", "DORVEL.EXE");
  // unset while the accessories cannot be started from the account.
  std::function<void(std::string_view program)> start_accessory;
};

class PayrollAccountDialog final : public Dialog {
 public:
  PayrollAccountDialog(DialogServices& services, EmployeeRecord& record, PayrollAccountOptions options,
                       QWidget* parent);

  static constexpr int kContinue = 1;  // "&Programmausführung fortsetzen (Return)"
  static constexpr int kUnlock = 4120;
  static constexpr int kClearAnnualFigures = 4121;
  static constexpr int kClearAll = 4122;
  static constexpr int kCalculator = 4359;
  static constexpr int kCalendar = 264;
  static constexpr int kKeyboardHelp = 274;
  static constexpr int kInputConventions = 275;
  static constexpr int kWorkSteps = 5417;
  static constexpr int kFieldHelp = 277;

  [[nodiscard]] bool Unlocked() const { return unlocked_; }
  [[nodiscard]] AccountEntries ShownEntries() const;

 protected:
  void OnCommand(int id) override;

 private:
  void SetUpFields();
  void ShowEntries(const AccountEntries& entries);
  void ShowLocks();
  void Unlock();
  void Clear(bool annual_figures_only);
  void Continue();
  void Cancel();
  void StartAccessory(std::string_view program, std::string_view name);
  void ShowHelp(int topic);
  bool Ask(const DialogMessage& message);

  EmployeeRecord& record_;
  PayrollAccountOptions options_;
  AccountEntries opened_;
  bool unlocked_ = false;
  bool annual_figures_cleared_ = false;
  std::optional<std::string> confirmed_carry_forward_;
};

// `OpenPayrollAccount`: shows the account of the record modally over
// `owner`; true when it was closed with its values taken.
bool OpenPayrollAccount(DialogServices& services, EmployeeRecord& record, PayrollAccountOptions options,
                        QWidget* owner);

}  // namespace pekto
