#include "app/dialogs/best_dialog.h"

#include <QListWidget>

#include "bookings/wage_type_editing.h"
#include "ui/widget_factory.h"
#include "ui/windows.h"

namespace pekto {

BestDialog::BestDialog(DialogServices& services, SelectionMode mode, std::vector<std::string> entries, QWidget* parent)
    : Dialog(services, "BestDialog", parent), entries_(std::move(entries)) {
  if (!IsBuilt()) return;
  setWindowTitle(ToQString(SelectionTitle(mode)));
  auto* list = qobject_cast<QListWidget*>(Control(kList));
  if (list == nullptr) return;
  for (const std::string& entry : entries_) list->addItem(ToQString(entry));
  if (!entries_.empty()) list->setCurrentRow(0);
  connect(list, &QListWidget::itemActivated, this, [this, list](QListWidgetItem* item) {
    list->setCurrentItem(item);
    SendCommand(kIdOk);
  });
  Focus(kList);
}

void BestDialog::OnCommand(int id) {
  if (id == kIdOk) {
    const auto* list = qobject_cast<QListWidget*>(Control(kList));
    const int row = list != nullptr ? list->currentRow() : -1;
    if (row >= 0 && static_cast<std::size_t>(row) < entries_.size()) chosen_ = static_cast<std::size_t>(row);
    done(chosen_ ? kIdOk : kIdCancel);
  } else if (id == kIdCancel) {
    done(kIdCancel);
  }
}

std::optional<std::size_t> ShowSelectionList(DialogServices& services, SelectionMode mode,
                                             const std::vector<std::string>& entries, QWidget* parent) {
  BestDialog dialog(services, mode, entries, parent);
  if (ShowModalDialog(dialog) != kIdOk) return std::nullopt;
  return dialog.Chosen();
}

std::optional<std::size_t> ChooseWageType(DialogServices& services, const WageTypeTable& table, QWidget* parent) {
  return ShowSelectionList(services, SelectionMode::WageTypes, WageTypeSelectionEntries(table), parent);
}

std::optional<std::size_t> ChooseEmployer(DialogServices& services, const std::vector<EmployerEntry>& employers,
                                          QWidget* parent) {
  std::vector<std::string> entries;
  entries.reserve(employers.size());
  for (const EmployerEntry& employer : employers) entries.push_back(EmployerDisplayText(employer));
  return ShowSelectionList(services, SelectionMode::Employers, entries, parent);
}

}  // namespace pekto
