// The user mask BENUDIALOG: twelve users with passwords, the start user
// and the switch of the query; continuing writes LODAT2.SYS and
// HPEKTOWU.INI.
#pragma once

#include "installer/installer_context.h"
#include "installer/user_mask.h"

namespace pekto {

class UserDialog final : public Dialog {
 public:
  UserDialog(InstallerContext& context, QWidget* parent);

  static constexpr int kFirstNameField = 300;      // 300..311
  static constexpr int kFirstPasswordField = 320;  // 320..331
  static constexpr int kStartUserField = 336;
  static constexpr int kNoQuerySwitch = 340;
  static constexpr int kContinue = 1;

  [[nodiscard]] UserMaskInput Input() const;

 protected:
  void OnCommand(int id) override;

 private:
  void Fill(const UserMaskInput& input);
  void Continue();
  void Cancel();

  InstallerContext& context_;
  UserMaskInput preset_;
};

}  // namespace pekto
