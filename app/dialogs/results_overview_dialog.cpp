#include "app/dialogs/results_overview_dialog.h"

namespace pekto {

ResultsOverviewDialog::ResultsOverviewDialog(DialogServices& services, const PayrollResult& result,
                                             bool started_from_booking_mask, QWidget* parent)
    : Dialog(services, "Sec1Dialog", parent) {
  if (!IsBuilt()) return;
  for (const auto& [id, text] : ResultsOverviewTexts(result, started_from_booking_mask)) {
    SetText(id, text);
  }
  Focus(overview_control::kAccept);
}

void ResultsOverviewDialog::OnCommand(int id) {
  if (id == overview_control::kReject) {
    rejected_ = true;
    done(id);
  } else if (id == overview_control::kAccept || id == kIdCancel) {
    done(overview_control::kAccept);
  }
}

}  // namespace pekto
