#include "ui/dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/widget_factory.h"

namespace pekto {

namespace {

bool TakesFocus(const rc::Control& control) {
  return control.kind == rc::ControlKind::Edit || control.kind == rc::ControlKind::ListBox ||
         control.kind == rc::ControlKind::CheckBox;
}

}  // namespace

std::string AcceleratorTableName(std::string_view menu_name) {
  std::string name(menu_name);
  if (name.size() >= 7 && name.ends_with("GAPMENU")) name.back() = 'A';
  return name;
}

Dialog::Dialog(DialogServices& services, std::string_view template_name, QWidget* parent)
    : QDialog(parent), services_(services), template_name_(template_name) {
  if (const rc::Dialog* dialog = services_.resources.FindDialog(template_name)) Build(*dialog);
}

Dialog::~Dialog() = default;

void Dialog::Build(const rc::Dialog& dialog) {
  setWindowTitle(ToQString(dialog.caption));
  setFont(DialogFont(dialog, services_.layout_variant));
  base_units_ = BaseUnitsOf(font());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (const rc::Menu* menu = services_.resources.FindMenu(dialog.menu)) BuildMenu(*menu);
  auto* content = new QWidget(this);
  const ScreenRect size = DialogRectToPixels(0, 0, dialog.width, dialog.height, base_units_);
  content->setFixedSize(size.width, size.height);
  layout->addWidget(content);
  QLabel* pending_label = nullptr;
  for (const auto& control : dialog.controls) {
    QWidget* widget = CreateControl(control, content);
    if (widget == nullptr) continue;
    auto* label = qobject_cast<QLabel*>(widget);
    if (pending_label != nullptr && TakesFocus(control)) pending_label->setBuddy(widget);
    if (label != nullptr && control.text.find('&') != std::string::npos) pending_label = label;
    if (label == nullptr && pending_label != nullptr && TakesFocus(control)) pending_label = nullptr;
  }
  for (auto* label : content->findChildren<QLabel*>()) {
    if (label->buddy() == nullptr) label->setText(WithoutMnemonics(label->text()));
  }
  if (const rc::AcceleratorTable* table = services_.resources.FindAccelerators(AcceleratorTableName(dialog.menu))) {
    BuildAccelerators(*table);
  }
  built_ = true;
}

QWidget* Dialog::CreateControl(const rc::Control& control, QWidget* content) {
  QWidget* widget = CreateControlWidget(control, content);
  if (widget == nullptr) return nullptr;
  const ScreenRect rect = DialogRectToPixels(control.x, control.y, control.width, control.height, base_units_);
  widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
  if (control.kind == rc::ControlKind::GroupBox) widget->lower();
  widget->setEnabled(!control.HasStyle("WS_DISABLED"));
  widget->setVisible(!control.HasStyle("!WS_VISIBLE"));
  if (control.kind == rc::ControlKind::Static || control.kind == rc::ControlKind::GroupBox) {
    widget->setFocusPolicy(Qt::NoFocus);
  }
  if (control.id >= 0 && !controls_.contains(control.id)) controls_[control.id] = widget;
  ConnectCommand(widget, control.id);
  return widget;
}

void Dialog::ConnectCommand(QWidget* widget, int id) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget); button != nullptr && id > 0) {
    connect(button, &QAbstractButton::clicked, this, [this, id] { SendCommand(id); });
  }
}

void Dialog::BuildMenu(const rc::Menu& menu) {
  auto* bar = new QMenuBar(this);
  for (const auto& item : menu.items) {
    if (item.popup) {
      QMenu* popup = bar->addMenu(ToQString(item.text));
      AddMenuItems(*popup, item.items);
    } else if (!item.separator) {
      QAction* action = bar->addAction(ToQString(item.text));
      actions_.emplace(item.id, action);
      connect(action, &QAction::triggered, this, [this, id = item.id] { SendCommand(id); });
    }
  }
  layout()->setMenuBar(bar);
}

void Dialog::AddMenuItems(QMenu& menu, const std::vector<rc::MenuItem>& items) {
  for (const auto& item : items) {
    if (item.separator) {
      menu.addSeparator();
    } else if (item.popup) {
      AddMenuItems(*menu.addMenu(ToQString(item.text)), item.items);
    } else {
      QAction* action = menu.addAction(ToQString(item.text));
      action->setEnabled(!item.grayed);
      if (item.checked) {
        action->setCheckable(true);
        action->setChecked(true);
      }
      actions_.emplace(item.id, action);
      connect(action, &QAction::triggered, this, [this, id = item.id] { SendCommand(id); });
    }
  }
}

void Dialog::BuildAccelerators(const rc::AcceleratorTable& table) {
  for (const auto& entry : table.entries) {
    auto* shortcut = new QShortcut(AcceleratorKeys(entry), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, id = entry.command] { SendCommand(id); });
  }
}

QWidget* Dialog::Control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

std::string Dialog::Text(int id) const {
  QWidget* widget = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
  if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) return text->toPlainText().toStdString();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
  if (auto* group = qobject_cast<QGroupBox*>(widget)) return group->title().toStdString();
  return {};
}

void Dialog::SetText(int id, std::string_view text) {
  QWidget* widget = Control(id);
  const QString value = ToQString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(value);
  // A multi-line edit breaks its lines at CR LF, as the program's texts have them.
  if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) plain->setPlainText(QString(value).replace("\r\n", "\n"));
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(value);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(value);
  if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(value);
}

void Dialog::Enable(int id, bool enabled) {
  if (QWidget* widget = Control(id)) widget->setEnabled(enabled);
}

void Dialog::ShowControl(int id, bool visible) {
  if (QWidget* widget = Control(id)) widget->setVisible(visible);
}

void Dialog::Focus(int id) {
  if (QWidget* widget = Control(id)) {
    widget->setFocus(Qt::OtherFocusReason);
    // Without an active window no focus event arrives (offscreen, hidden).
    if (fields_.contains(id) && services_.field_state.current_field != id) FieldFocused(id);
  }
}

void Dialog::SetReadOnly(int id, bool read_only) {
  QWidget* widget = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setReadOnly(read_only);
  if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) plain->setReadOnly(read_only);
}

bool Dialog::IsControlEnabled(int id) const {
  const QWidget* widget = Control(id);
  return widget != nullptr && widget->isEnabled();
}

bool Dialog::IsControlShown(int id) const {
  const QWidget* widget = Control(id);
  return widget != nullptr && !widget->isHidden();
}

std::vector<QAction*> Dialog::MenuActions(int id) const {
  std::vector<QAction*> found;
  for (auto [it, end] = actions_.equal_range(id); it != end; ++it) found.push_back(it->second);
  return found;
}

void Dialog::CheckMenuItem(int id, bool checked) {
  for (QAction* action : MenuActions(id)) {
    action->setCheckable(true);
    action->setChecked(checked);
  }
}

void Dialog::EnableMenuItem(int id, bool enabled) {
  for (QAction* action : MenuActions(id)) action->setEnabled(enabled);
}

void Dialog::SendCommand(int id) { OnCommand(id); }

}  // namespace pekto
