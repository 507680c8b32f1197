#include "ui/widget_factory.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cctype>
#include <cmath>

namespace pekto {

namespace {

QLabel* CreateStatic(const rc::Control& control, QWidget* parent) {
  auto* label = new QLabel(ToQString(control.text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(!control.HasStyle("SS_LEFTNOWORDWRAP"));
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (control.statement == "RTEXT" || control.HasStyle("SS_RIGHT")) horizontal = Qt::AlignRight;
  if (control.statement == "CTEXT" || control.HasStyle("SS_CENTER")) horizontal = Qt::AlignHCenter;
  label->setAlignment(horizontal | (control.HasStyle("SS_CENTERIMAGE") ? Qt::AlignVCenter : Qt::AlignTop));
  if (control.HasStyle("SS_SUNKEN")) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(horizontal | Qt::AlignVCenter);
    label->setWordWrap(false);
  }
  return label;
}

QWidget* CreateEdit(const rc::Control& control, QWidget* parent) {
  if (control.HasStyle("ES_MULTILINE")) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(control.HasStyle("ES_READONLY"));
    return edit;
  }
  auto* edit = new QLineEdit(parent);
  if (control.HasStyle("ES_PASSWORD")) edit->setEchoMode(QLineEdit::Password);
  edit->setReadOnly(control.HasStyle("ES_READONLY"));
  if (control.HasStyle("ES_RIGHT")) edit->setAlignment(Qt::AlignRight);
  if (control.HasStyle("ES_CENTER")) edit->setAlignment(Qt::AlignHCenter);
  return edit;
}

QWidget* CreateButton(const rc::Control& control, QWidget* parent) {
  auto* button = new QPushButton(ToQString(control.text), parent);
  button->setAutoDefault(true);
  button->setDefault(control.kind == rc::ControlKind::DefPushButton);
  return button;
}

}  // namespace

QFont DialogFont(const rc::Dialog& dialog, int layout_variant) {
  QFont font(ToQString(dialog.font_face));
  if (dialog.font_face == "MS Sans Serif" || dialog.font_face == "MS Shell Dlg" ||
      dialog.font_face == "Microsoft Sans Serif") {
    font = QFont("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPointSize(dialog.font_size + (layout_variant == 2 ? 1 : 0));
  return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {static_cast<int>(std::lround(letters / 52.0)), metrics.height()};
}

QWidget* CreateControlWidget(const rc::Control& control, QWidget* parent) {
  switch (control.kind) {
    case rc::ControlKind::Static:
      return CreateStatic(control, parent);
    case rc::ControlKind::Edit:
      return CreateEdit(control, parent);
    case rc::ControlKind::PushButton:
    case rc::ControlKind::DefPushButton:
      return CreateButton(control, parent);
    case rc::ControlKind::GroupBox:
      return new QGroupBox(WithoutMnemonics(ToQString(control.text)), parent);
    case rc::ControlKind::CheckBox:
      return new QCheckBox(ToQString(control.text), parent);
    case rc::ControlKind::ListBox:
      return new QListWidget(parent);
    case rc::ControlKind::ScrollBar:
      return new QScrollBar(control.HasStyle("SBS_VERT") ? Qt::Vertical : Qt::Horizontal, parent);
  }
  return nullptr;
}

QString WithoutMnemonics(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

QKeySequence AcceleratorKeys(const rc::Accelerator& accelerator) {
  int key = accelerator.key;
  if (accelerator.virtual_key || key < 0x20 || key > 0x7E) {
    switch (key) {
      case 0x08:
        key = Qt::Key_Backspace;
        break;
      case 0x09:
        key = Qt::Key_Tab;
        break;
      case 0x0D:
        key = Qt::Key_Return;
        break;
      case 0x1B:
        key = Qt::Key_Escape;
        break;
      case 0x20:
        key = Qt::Key_Space;
        break;
      case 0x21:
        key = Qt::Key_PageUp;
        break;
      case 0x22:
        key = Qt::Key_PageDown;
        break;
      case 0x23:
        key = Qt::Key_End;
        break;
      case 0x24:
        key = Qt::Key_Home;
        break;
      case 0x25:
        key = Qt::Key_Left;
        break;
      case 0x26:
        key = Qt::Key_Up;
        break;
      case 0x27:
        key = Qt::Key_Right;
        break;
      case 0x28:
        key = Qt::Key_Down;
        break;
      case 0x2D:
        key = Qt::Key_Insert;
        break;
      case 0x2E:
        key = Qt::Key_Delete;
        break;
      default:
        if (key >= 0x70 && key <= 0x87) key = Qt::Key_F1 + (key - 0x70);
    }
  } else {
    key = std::toupper(key);
  }
  int modifiers = 0;
  if (accelerator.control) modifiers |= Qt::CTRL;
  if (accelerator.shift) modifiers |= Qt::SHIFT;
  if (accelerator.alt) modifiers |= Qt::ALT;
  return QKeySequence(key | modifiers);
}

}  // namespace pekto
