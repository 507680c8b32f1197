// The results overview "Sec1Dialog" after a calculation: shows the
// month's results and lets the user accept ("Die Abrechnung ist in
// Ordnung", the default button, or Escape) or reject them.
#pragma once

#include "app/mask/results_overview.h"
#include "ui/dialog.h"

namespace pekto {

class ResultsOverviewDialog final : public Dialog {
 public:
  ResultsOverviewDialog(DialogServices& services, const PayrollResult& result, bool started_from_booking_mask,
                        QWidget* parent);

  [[nodiscard]] bool Rejected() const { return rejected_; }

 protected:
  void OnCommand(int id) override;

 private:
  bool rejected_ = false;
};

}  // namespace pekto
