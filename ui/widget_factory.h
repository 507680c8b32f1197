// Qt widgets for the controls of a dialog template, and the font, base
// units and key sequences the templates imply.
#pragma once

#include <QFont>
#include <QKeySequence>
#include <QString>
#include <string_view>

#include "ui/geometry.h"
#include "ui/rc_script.h"

class QWidget;

namespace pekto {

[[nodiscard]] inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The template's font on this host ("MS Sans Serif" is the desktop's sans
// serif font); layout variant 2 makes it one point larger.
[[nodiscard]] QFont DialogFont(const rc::Dialog& dialog, int layout_variant);
// Average character width (of A-Z and a-z, as Windows measures it) and height.
[[nodiscard]] DialogBaseUnits BaseUnitsOf(const QFont& font);

// A new widget for the control, not yet placed; nullptr for an unknown kind.
[[nodiscard]] QWidget* CreateControlWidget(const rc::Control& control, QWidget* parent);
// Removes the "&" access-key markers ("&&" is one "&").
[[nodiscard]] QString WithoutMnemonics(const QString& text);

[[nodiscard]] QKeySequence AcceleratorKeys(const rc::Accelerator& accelerator);

}  // namespace pekto
