#include "installer/terms_dialog.h"

#include "platform/atomic_file.h"

namespace pekto {

TermsDialog::TermsDialog(InstallerContext& context, QWidget* parent) : Dialog(context.dialogs, "PAIP3DLG", parent) {
  if (!IsBuilt()) return;
  const auto terms = ReadWholeFile(context.resource_dir / "install" / "agb.txt");
  SetText(kTermsText, terms.value_or("Die Allgemeinen Geschäftsbedingungen konnten nicht gelesen werden."));
  Focus(kIdOk);
}

void TermsDialog::OnCommand(int id) {
  if (id == kIdOk || id == kIdCancel) done(id);
}

}  // namespace pekto
