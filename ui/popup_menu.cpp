#include "ui/popup_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "ui/widget_factory.h"

namespace pekto {

int ChooseFromPopupMenu(QWidget* parent, const std::vector<PopupEntry>& entries, QPoint global_position) {
  QMenu menu(parent);
  for (const PopupEntry& entry : entries) {
    if (entry.separator) {
      menu.addSeparator();
      continue;
    }
    QString text = ToQString(entry.text);
    if (entry.literal) text.replace("&", "&&");
    QAction* action = menu.addAction(text);
    action->setData(entry.command);
    action->setEnabled(entry.Selectable());
  }
  const QAction* chosen = menu.exec(global_position);
  return chosen != nullptr ? chosen->data().toInt() : 0;
}

QPoint PopupPositionAt(const QWidget& widget) { return widget.mapToGlobal(QPoint(0, widget.height())); }

}  // namespace pekto
