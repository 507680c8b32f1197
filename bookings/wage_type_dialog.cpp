#include "bookings/wage_type_dialog.h"

#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "app/mask/main_mask_help.h"
#include "app/mask/message_dialogue.h"
#include "bookings/booking_lines.h"
#include "ui/popup_menu.h"
#include "ui/windows.h"

namespace pekto {
namespace {

namespace col = wage_column;

struct EditRule {
  const char* status;
  std::u32string_view keys;  // empty: the name's characters
  int max_length;
  int help_topic;
};

constexpr int kEditTopic = 264;
const EditRule kEditRules[kWageTypeEditFields] = {
    {" Laufende Nummer (Eintrag nur bei Änderung)", kDigitKeys, 2, kEditTopic},
    {" Nummer der Lohnart (Buchungsnummer)", kDigitKeys, 2, kEditTopic},
    {" Bezeichnung der Lohnart", U"", 29, kEditTopic},
    {" Lohnart nach Schlüsselverzeichnis", kDigitKeys, 1, 265},
    {" Steuerschlüssel nach Schlüsselverzeichnis", U"1234", 1, 266},
    {" Sozialversicherungsschlüssel nach Schlüsselverzeichnis", U"1234", 1, 267},
    {" Pfändungsschlüssel nach Schlüsselverzeichnis", U"0123", 1, 268},
};

constexpr int kKeyboardTopic = 211;

std::optional<KeyList> KeyListOfColumn(int column) {
  switch (column) {
    case col::kCategory: return KeyList::Category;
    case col::kTaxKey: return KeyList::TaxKey;
    case col::kSvKey: return KeyList::SvKey;
    case col::kGarnishmentKey: return KeyList::GarnishmentKey;
    default: return std::nullopt;
  }
}

}  // namespace

WageTypeDialog::WageTypeDialog(DialogServices& services, WageTypeEditorContext context, QWidget* parent)
    : Dialog(services, "CombDialog", parent), context_(std::move(context)) {
  if (!IsBuilt()) return;
  LoadWageTypes(context_.files, context_.path, context_.table);  // the file as it is now
  SetUpFields();
  if (auto* bar = qobject_cast<QScrollBar*>(Control(kScrollBar))) {
    bar->setRange(0, kMaxWageTypes - kVisibleRows);
    bar->setPageStep(kVisibleRows);
    connect(bar, &QScrollBar::valueChanged, this, [this](int value) { ScrollTo(value); });
  }
  ShowList();
  ShowControl(kDeleteButton, false);
  Focus(kEditLine + col::kNumber);
}

void WageTypeDialog::SetUpFields() {
  std::u32string name_keys(kLetterKeys);
  name_keys += kDigitKeys;
  name_keys += U" -*/().";
  for (int c = 0; c < kWageTypeEditFields; ++c) {
    const EditRule& rule = kEditRules[c];
    const std::u32string keys = rule.keys.empty() ? name_keys : std::u32string(rule.keys);
    const int id = kEditLine + c;
    SetFieldRule(id, FieldInputRule{keys, rule.max_length}, rule.status, rule.help_topic);
    if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
      edit->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(edit, &QLineEdit::customContextMenuRequested, this, [this, id] { FieldPopup(id); });
    }
  }
}

void WageTypeDialog::ShowList() {
  for (int row = 0; row < kVisibleRows; ++row) {
    const int index = top_row_ + row;
    const bool used = index < context_.table.count;
    const WageTypeRow& cells = context_.table.rows[static_cast<std::size_t>(index)];
    SetText(kFirstRowButton + row, used ? cells[col::kRunningNumber] : std::string());
    for (int c = 1; c < kWageTypeEditFields; ++c) {
      SetText(CellId(row, c), used ? cells[static_cast<std::size_t>(c)] : std::string());
    }
  }
}

void WageTypeDialog::ScrollTo(int top_row) {
  top_row_ = std::clamp(top_row, 0, kMaxWageTypes - kVisibleRows);
  if (auto* bar = qobject_cast<QScrollBar*>(Control(kScrollBar)); bar != nullptr && bar->value() != top_row_) {
    bar->setValue(top_row_);
  }
  ShowList();
}

WageTypeEditLine WageTypeDialog::ReadEditLine() const {
  WageTypeEditLine line;
  for (int c = 0; c < kWageTypeEditFields; ++c) line[static_cast<std::size_t>(c)] = Text(kEditLine + c);
  return line;
}

void WageTypeDialog::ShowEditLine(const WageTypeEditLine& line) {
  for (int c = 0; c < kWageTypeEditFields; ++c) SetText(kEditLine + c, line[static_cast<std::size_t>(c)]);
  SetReadOnly(kEditLine + col::kName, IsNameReadOnly(line[col::kName]));
}

void WageTypeDialog::Confirm() {
  WageTypeEditLine line = ReadEditLine();
  const WageTypeConfirmation result = ConfirmWageTypeLine(context_.table, line);
  if (result.outcome == WageTypeEditOutcome::Refused) {
    if (result.message) ShowDialogMessage(Services().messages, *result.message);
    Focus(kEditLine + result.focus);
    return;
  }
  ShowEditLine(line);
  ShowControl(kDeleteButton, result.outcome == WageTypeEditOutcome::TakenIntoEditLine);
  if (result.row >= 0 && (result.row < top_row_ || result.row >= top_row_ + kVisibleRows)) {
    ScrollTo(result.row - kVisibleRows + 1);
  }
  ShowList();
  Focus(kEditLine + (result.outcome == WageTypeEditOutcome::TakenIntoEditLine ? col::kNumber : col::kRunningNumber));
}

void WageTypeDialog::TakeRow(int visible_row) {
  const std::string running = Text(kFirstRowButton + visible_row);
  if (running.empty()) return;
  WageTypeEditLine only;
  only[col::kRunningNumber] = running;
  ShowEditLine(only);
  Confirm();
}

void WageTypeDialog::Save() {
  const WageTypeSave saved = SaveWageTypes(context_.files, context_.path, context_.table);
  if (saved.code == WageTypeSaveCode::DuplicateNumber) {
    MessageBoxCentered(Services().messages, saved.message_text, "Kontrolle", kMbIconExclamation);
    Focus(kEditLine + col::kNumber);
    return;
  }
  if (saved.code == WageTypeSaveCode::WriteFailed) {
    MessageBoxCentered(Services().messages,
                       JoinLines({"Die Lohnartendatei " + context_.path, "konnte nicht geschrieben werden.",
                                  "Ihre Änderungen sind noch nicht gespeichert."}),
                       "PEKTO Fehler!", kMbIconStop);
    return;
  }
  ShowList();
}

void WageTypeDialog::DeleteFile() {
  if (!ShowDialogMessage(Services().messages, DeleteWageTypeFileQuestion())) return;
  DeleteWageTypeFile(context_.files, context_.path, context_.table);
  ShowEditLine({});
  ShowControl(kDeleteButton, false);
  ScrollTo(0);
}

void WageTypeDialog::Cancel() {
  if (context_.table.changed) {
    if (!ShowDialogMessage(Services().messages, UnsavedWageTypesQuestion())) return;
    LoadWageTypes(context_.files, context_.path, context_.table);
    context_.table.changed = false;
  }
  done(kIdCancel);
}

void WageTypeDialog::ChooseKey(int column) {
  const auto list = KeyListOfColumn(column);
  if (!list) return;
  const int id = kEditLine + column;
  Focus(id);
  const int command = ChooseFromPopupMenu(this, KeyListEntries(*list), PopupPositionAt(*Control(id)));
  const auto key = KeyOfListCommand(command);
  if (key && TextObeysRule(FieldInputRule{std::u32string(kEditRules[column].keys), 1}, *key)) SetText(id, *key);
  Focus(id);
}

void WageTypeDialog::FieldPopup(int id) {
  const int column = id - kEditLine;
  Focus(id);
  const int command =
      ChooseFromPopupMenu(this, FieldPopupEntries(KeyListOfColumn(column).has_value()), PopupPositionAt(*Control(id)));
  if (command == kShowKeyListCommand) ChooseKey(column);
  if (command == kShowExplanationCommand) ShowHelp(kEditRules[column].help_topic);
}

void WageTypeDialog::ShowHelp(int topic) { Services().help.ShowTopic(context_.help_file, ShownTopic(topic)); }

void WageTypeDialog::OnCommand(int id) {
  if (id >= kFirstRowButton && id < kFirstRowButton + kVisibleRows) {
    TakeRow(id - kFirstRowButton);
    return;
  }
  if (id >= kFirstKeyButton && id < kFirstKeyButton + 4) {
    ChooseKey(col::kCategory + id - kFirstKeyButton);
    return;
  }
  switch (id) {
    case kIdOk:
      Confirm();
      break;
    case kDeleteButton: {
      WageTypeEditLine line = ReadEditLine();
      line[col::kNumber].clear();
      ShowEditLine(line);
      Confirm();
      break;
    }
    case kSave:
      Save();
      break;
    case kDeleteFile:
      DeleteFile();
      break;
    case kNewHint:
    case kChangeHint:
    case kDeleteHint:
      ShowDialogMessage(Services().messages, WageTypeInstruction(id == kNewHint      ? EditInstruction::New
                                                                 : id == kChangeHint ? EditInstruction::Change
                                                                                     : EditInstruction::Delete));
      break;
    case kKeyboardHelp:
      ShowHelp(kKeyboardTopic);
      break;
    case kFieldHelp:
      ShowHelp(Services().field_state.help_topic);
      break;
    case kIdCancel:
      Cancel();
      break;
    default:
      break;
  }
}

void OpenWageTypeEditor(DialogServices& services, WageTypeEditorContext context, QWidget* parent) {
  WageTypeDialog dialog(services, std::move(context), parent);
  if (dialog.IsBuilt()) ShowModalDialog(dialog);
}

}  // namespace pekto
