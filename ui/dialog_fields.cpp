// The input-field half of the dialog base class: rules, focus, the key
// filter, the Up/Down cycle and the Page Down/Page Up jumps.
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "ui/dialog.h"
#include "ui/widget_factory.h"

namespace pekto {

namespace {

class RuleValidator final : public QValidator {
 public:
  RuleValidator(FieldInputRule rule, QObject* parent) : QValidator(parent), rule_(std::move(rule)) {}
  State validate(QString& input, int& /*pos*/) const override {
    return TextObeysRule(rule_, input.toStdString()) ? Acceptable : Invalid;
  }

 private:
  FieldInputRule rule_;
};

}  // namespace

void Dialog::SetFieldRule(int id, FieldInputRule rule, std::string status_text, int help_topic) {
  auto* edit = qobject_cast<QLineEdit*>(Control(id));
  if (edit == nullptr) return;
  if (rule.max_length > 0) edit->setMaxLength(rule.max_length);
  edit->setValidator(new RuleValidator(rule, edit));
  edit->installEventFilter(this);
  if (!fields_.contains(id)) field_cycle_.push_back(id);
  fields_[id] = Field{std::move(rule), std::move(status_text), help_topic};
}

int Dialog::FocusedField() const {
  for (const auto& [id, field] : fields_) {
    if (QWidget* widget = Control(id); widget != nullptr && widget->hasFocus()) return id;
  }
  return 0;
}

void Dialog::FieldFocused(int id) {
  const Field& field = fields_.at(id);
  services_.field_state = FieldState{id, field.rule, field.help_topic};
  SetText(kStatusLineId, field.status_text);
  OnFieldFocused(id);
}

bool Dialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (const auto& [id, field] : fields_) {
      if (Control(id) == watched) FieldFocused(id);
    }
  }
  if (event->type() == QEvent::KeyPress && FilterKey(watched, event)) return true;
  return QDialog::eventFilter(watched, event);
}

// True when the key is used up here: refused by the filter, or a move in
// the Up/Down cycle.
bool Dialog::FilterKey(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  const int id = services_.field_state.current_field;
  if (edit == nullptr || Control(id) != edit) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Down) return MoveInCycle(id, +1);
  if (key->key() == Qt::Key_Up) return MoveInCycle(id, -1);
  if (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
    const int target = PageTarget(id, key->key() == Qt::Key_PageDown ? +1 : -1);
    if (target == 0) return false;
    Focus(target);
    return true;
  }
  const std::u32string typed = key->text().toStdU32String();
  const char32_t character = typed.empty() ? 0 : typed.front();
  const int length = static_cast<int>(edit->text().toStdU32String().size());
  const int selected = static_cast<int>(edit->selectedText().toStdU32String().size());
  return pekto::FilterKey(services_.field_state.rule, character, length, selected) == KeyVerdict::Refuse;
}

bool Dialog::MoveInCycle(int id, int step) {
  const auto it = std::find(field_cycle_.begin(), field_cycle_.end(), id);
  if (it == field_cycle_.end() || field_cycle_.size() < 2) return false;
  const auto size = static_cast<std::ptrdiff_t>(field_cycle_.size());
  const auto index = ((it - field_cycle_.begin()) + step + size) % size;
  Focus(field_cycle_[static_cast<std::size_t>(index)]);
  return true;
}

}  // namespace pekto
