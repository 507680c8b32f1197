// Popup menus at a place of a dialog: built from PopupEntry data, shown
// modally, the chosen entry's command returned.
#pragma once

#include <QPoint>
#include <vector>

#include "ui/popup_entry.h"

class QWidget;

namespace pekto {

// The command of the chosen entry, 0 when the menu closes without a choice.
// Lines that cannot be chosen are shown greyed, their "&" as it stands.
[[nodiscard]] int ChooseFromPopupMenu(QWidget* parent, const std::vector<PopupEntry>& entries, QPoint global_position);

// Where a popup "at the field" opens: below its left edge.
[[nodiscard]] QPoint PopupPositionAt(const QWidget& widget);

}  // namespace pekto
