#include "online/vess_dialog.h"

#include <QApplication>

#include "ui/widget_factory.h"
#include "ui/windows.h"

namespace pekto {

VessDialog::VessDialog(DialogServices& services, const UpdateOffer& offer, QWidget* parent)
    : Dialog(services, "VESSDIALOG", parent) {
  if (!IsBuilt()) return;
  if (!offer.caption.empty()) setWindowTitle(ToQString(offer.caption));
  SetText(kNotes, offer.notes);
  Focus(kUpdateNow);
}

void VessDialog::OnCommand(int id) {
  if (id == kUpdateNow) done(kResultUpdate);
  if (id == kCancel || id == kIdCancel) done(kResultCancel);
}

bool ScreenUpdateOffers::OfferUpdate(const UpdateOffer& offer) {
  VessDialog dialog(services_, offer, QApplication::activeWindow());
  if (!dialog.IsBuilt()) return false;
  return ShowModalDialog(dialog) == VessDialog::kResultUpdate;
}

}  // namespace pekto
