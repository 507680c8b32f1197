// The main mask "MainDialog": the 60 fields of one employee's month under
// their input filters, the keyboard navigation, help and key directories,
// the calculation with RETURN and the results overview, the calculation
// mode, clearing and leaving the mask. The file and year-figure commands
// run through MainMaskFileCommands.
#pragma once

#include <string_view>

#include "app/dialogs/app_context.h"
#include "app/mask/main_mask_file_commands.h"
#include "app/mask/main_mask_help.h"
#include "app/startup/accessory_launch.h"
#include "record/mask_fields.h"
#include "ui/held_key.h"

namespace pekto {

struct PayrollResult;

class MainDialog final : public Dialog {
 public:
  // Without `file_commands` the file commands do nothing.
  MainDialog(AppContext& context, FrameCommands& frame, MainMaskFileCommands* file_commands = nullptr);

  // Command ids of the main mask.
  static constexpr int kCalculate = 1;
  static constexpr int kBookingMaskButton = 8914;
  static constexpr int kBackToStartMask = 283;
  static constexpr int kBackToQuery = 276;
  static constexpr int kLeaveKey = 1280;
  static constexpr int kClearMask = 259;
  static constexpr int kFieldHelp = 277;
  static constexpr int kKeyboardHelp = 274;
  static constexpr int kBookingMask = 280;
  static constexpr int kPayrollAccount = 4096;
  static constexpr int kWageTypeFile = 290;
  static constexpr int kCalculator = 4359;
  static constexpr int kCalendar = 264;
  static constexpr int kWithoutBookingMask = 5413;
  static constexpr int kAfterBookingMask = 5414;
  static constexpr int kShowYearFigures = 289;
  static constexpr int kRemoveYearFigures = 5289;
  static constexpr int kEnergyAllowanceDocument = 5730;
  static constexpr int kMidijobDocument = 5731;
  static constexpr int kRemoteSupport = 5427;
  static constexpr int kCurrentPayslip = 288;
  static constexpr int kCurrentAccount = 279;
  static constexpr int kPayslipHistory = 5661;
  static constexpr int kAccountHistory = 5662;

  // The 60 controls into the record's mask texts, and back.
  void ReadMask();
  void ShowMask();

 protected:
  void OnCommand(int id) override;
  void OnFieldFocused(int id) override;
  [[nodiscard]] int PageTarget(int id, int step) const override;

 private:
  void SetUpFields();
  bool RunInHelpMode(int id);
  bool RunFileCommand(int id);
  bool RunKeyCommand(int id);
  bool RunHelpCommand(int id);
  void RunOtherCommand(int id);
  void ShowHelp(HelpPage page);
  void FieldHelp();
  void ShowKeyDirectory(MaskField field);
  void OpenKeyDirectoryOfButton(int id);
  void ShowLegalChanges();
  void Calculate();
  void ShowResults(const PayrollResult& result);
  void SetCalcMode(std::string_view mode);
  void ShowCalcMode();
  void OpenBookingMaskChecked();
  void OpenPayrollAccountOfMask();
  void OpenBookingMask();
  void OpenWageTypeFile();
  void ClearMask();
  void LeaveToStartMask();
  bool ConfirmDiscardingEntries();
  void StartAccessory(Accessory accessory);
  void StartAccessoryNamed(std::string_view program);
  void OpenExplanation(std::string_view document, std::string_view failure);
  [[nodiscard]] QWidget* FieldControl(MaskField field) const { return Control(ControlIdOf(field)); }
  [[nodiscard]] MaskField CurrentField() const;

  AppContext& context_;
  FrameCommands& frame_;
  MainMaskFileCommands no_file_commands_;
  MainMaskFileCommands& file_commands_;
  HeldKeyWatcher f1_;
  // The bookings were evaluated and the calculation waits for RETURN.
  bool bookings_evaluated_ = false;
};

}  // namespace pekto
