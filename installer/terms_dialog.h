// The terms mask PAIP3DLG: the licence and liability terms in ten clauses,
// accepted with Return or declined with Escape.
#pragma once

#include "installer/installer_context.h"

namespace pekto {

class TermsDialog final : public Dialog {
 public:
  TermsDialog(InstallerContext& context, QWidget* parent);
  static constexpr int kTermsText = 300;

 protected:
  void OnCommand(int id) override;
};

}  // namespace pekto
