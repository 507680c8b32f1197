#include "calculator/trech_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/start_token.h"
#include "ui/widget_factory.h"
#include "ui/windows.h"

namespace pekto::calculator {

namespace {

// The digit keys 110..121 and what they write.
struct DigitKey {
  int id;
  char digit;
};
constexpr DigitKey kDigitKeys[] = {{110, '7'}, {111, '8'}, {112, '9'}, {114, '4'}, {115, '5'},
                                   {116, '6'}, {117, '1'}, {118, '2'}, {119, '3'}, {121, '0'}};

}  // namespace

TrechDialog::TrechDialog(DialogServices& services) : Dialog(services, "TRECHDLG") {
  if (!IsBuilt()) return;
  if (auto* input = qobject_cast<QLineEdit*>(Control(kInput))) {
    input->installEventFilter(this);
    connect(input, &QLineEdit::textEdited, this, [this](const QString& text) { RunPastedOperators(text); });
  }
  SetText(kDisplay, engine_.Display());
  Focus(kInput);
}

int TrechDialog::OperatorButtonOf(QChar c) {
  switch (c.unicode()) {
    case '+':
      return kPlus;
    case '-':
      return kMinus;
    case '*':
      return kMultiply;
    case '/':
      return kDivide;
    case '%':
      return kPercent;
    case '=':
      return kEquals;
    case 'C':
    case 'c':
      return kClear;
    default:
      return 0;
  }
}

void TrechDialog::OnCommand(int id) {
  for (const DigitKey& key : kDigitKeys) {
    if (key.id == id) return Append(key.digit);
  }
  switch (id) {
    case kComma:
      return Append(',');
    case kClear:
      return Evaluate('C');
    case kDivide:
      return Evaluate('/');
    case kMultiply:
      return Evaluate('*');
    case kMinus:
      return Evaluate('-');
    case kPlus:
      return Evaluate('+');
    case kPercent:
      return Evaluate('%');
    case kEquals:
    case kIdOk:
      return Evaluate('=');
    case kCancel:
    case kIdCancel:
      done(0);
      return;
    default:
      return;
  }
}

// Typed operators (also those of the numeric keypad) never reach the
// field: they act as their button.
bool TrechDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Control(kInput) && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      SendCommand(kIdOk);
      return true;
    }
    if (key->text().size() == 1) {
      if (const int button = OperatorButtonOf(key->text().front())) {
        SendCommand(button);
        return true;
      }
      if (key->modifiers().testFlag(Qt::KeypadModifier) && key->text() == ".") {
        Append(',');
        return true;
      }
    }
  }
  return Dialog::eventFilter(watched, event);
}

// Text pasted into the field: its operators are taken out and act, in
// order, on what stands before them.
void TrechDialog::RunPastedOperators(const QString& text) {
  QString entry;
  bool acted = false;
  for (const QChar c : text) {
    if (const int button = OperatorButtonOf(c)) {
      SetText(kInput, entry.toStdString());
      SendCommand(button);
      entry.clear();
      acted = true;
    } else {
      entry += c;
    }
  }
  if (acted) SetText(kInput, entry.toStdString());
}

void TrechDialog::Append(char c) {
  if (auto* input = qobject_cast<QLineEdit*>(Control(kInput))) {
    input->end(false);
    input->insert(QString(QChar(c)));
  }
  Focus(kInput);
}

void TrechDialog::Evaluate(char key) {
  const std::string input = Text(kInput);
  SetText(kInput, "");
  SetText(kDisplay, engine_.Press(key, input));
  Focus(kInput);
}

std::unique_ptr<TrechDialog> StartCalculator(DialogServices& services, const DosFileSystem& files,
                                             std::string_view current_dir) {
  if (!TakeStartToken(files, current_dir)) {
    MessageBoxCentered(services.messages, JoinLines({kStartGuardLines[0], kStartGuardLines[1], kStartGuardLines[2]}),
                       kStartGuardCaption, kMbIconStop);
    return nullptr;
  }
  auto dialog = std::make_unique<TrechDialog>(services);
  if (!ShowModelessDialog(*dialog)) {
    MessageBoxCentered(services.messages,
                       JoinLines({"Der Rechner konnte nicht ge-", "öffnet werden.", "Starten Sie das Programm erneut",
                                  "direkt unter dem gewählten In-", "stallationspfad."}),
                       "PEKTO Fehler!", kMbIconStop);
    return nullptr;
  }
  return dialog;
}

}  // namespace pekto::calculator
