// "VESSDIALOG": the update offer with the change notes of the newer
// release; "&Programm jetzt updaten" or "&Abbrechen".
#pragma once

#include "online/online_files.h"
#include "online/vendor_online_services.h"
#include "ui/dialog.h"

namespace pekto {

class VessDialog final : public Dialog {
 public:
  static constexpr int kNotes = 101;
  static constexpr int kUpdateNow = 102;
  static constexpr int kCancel = 103;
  static constexpr int kResultUpdate = 1;
  static constexpr int kResultCancel = 0;

  VessDialog(DialogServices& services, const UpdateOffer& offer, QWidget* parent = nullptr);

 protected:
  void OnCommand(int id) override;
};

// The offer on the screen, centred over the active window (the start mask).
class ScreenUpdateOffers final : public UpdateOfferScreen {
 public:
  explicit ScreenUpdateOffers(DialogServices& services) : services_(services) {}
  bool OfferUpdate(const UpdateOffer& offer) override;

 private:
  DialogServices& services_;
};

}  // namespace pekto
