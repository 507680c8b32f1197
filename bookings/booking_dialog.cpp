#include "bookings/booking_dialog.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollBar>

#include "app/dialogs/best_dialog.h"
#include "app/mask/main_mask_help.h"
#include "app/mask/message_dialogue.h"
#include "bookings/wage_type_editing.h"
#include "platform/code_page.h"
#include "record/annual_block.h"
#include "record/booking_slots.h"
#include "ui/popup_menu.h"
#include "ui/windows.h"

namespace pekto {
namespace {

namespace col = booking_column;
namespace bs = booking_slot;

constexpr std::u32string_view kNameKeys = U" -*/(),";

// Help topics of the booking mask's fields and menu entries.
constexpr int kNamesTopic = 233;
constexpr int kColumnTopics[13] = {234, 235, 236, 237, 238, 239, 240, 241, 241, 242, 242, 243, 244};
constexpr int kKeyboardTopic = 211, kConventionsTopic = 207, kWorkStepsTopic = 329;

struct NameField {
  int id;
  int slot;
  const char* status;
  int max_length;
  bool employer;
  bool postcode;
};

constexpr NameField kNameFields[] = {
    {BookingDialog::kEmployeeName, bs::kEmployeeName, " Name des Arbeitnehmer", 30, false, false},
    {BookingDialog::kEmployeeFirstName, bs::kEmployeeFirstName, " Vorname des Arbeitnehmer", 30, false, false},
    {BookingDialog::kEmployeeStreet, bs::kEmployeeStreet, " Straße (Anschrift des Arbeitnehmer)", 40, false, false},
    {BookingDialog::kEmployeePostcode, bs::kEmployeePostcode, " Postleitzahl (Anschrift des Arbeitnehmer)", 5, false,
     true},
    {BookingDialog::kEmployeePlace, bs::kEmployeePlace, " Ort (Anschrift des Arbeitnehmer)", 30, false, false},
    {BookingDialog::kEmployerName, bs::kEmployerName, " Firma/Name des Arbeitgeber", 40, true, false},
    {BookingDialog::kEmployerStreet, bs::kEmployerStreet, " Straße (Anschrift des Arbeitgeber)", 40, true, false},
    {BookingDialog::kEmployerPostcode, bs::kEmployerPostcode, " Postleitzahl (Anschrift des Arbeitgeber)", 5, true,
     true},
    {BookingDialog::kEmployerPlace, bs::kEmployerPlace, " Ort (Anschrift des Arbeitgeber)", 30, true, false},
};

struct ColumnRule {
  const char* status;
  std::u32string_view keys;
  int max_length;
};

constexpr std::u32string_view kAmountKeys = U"0123456789,-";
const ColumnRule kColumnRules[13] = {
    {" Laufende Nummer (Eintrag ist nur bei Änderung einer Buchung vorzunehmen. Alternativ auf Lfd. Nr. klicken)",
     kDigitKeys, 2},
    {" Buchungsnummer der Lohnart gemäß Schlüsselverzeichnis (Auf den Schalter \"S\" klicken)", kDigitKeys, 2},
    {" Eigenschaft der Lohnart (Dieses Eingabefeld hat ausschliesslich informativen Charakter)", kDigitKeys, 1},
    {" Zuordnungszeitraum (Dieses Eingabefeld ist für zukünftige Programmerweiterungen vorgesehen)", kDigitKeys, 4},
    {" Bezahlte Menge oder Tagesangabe", kAmountKeys, 8},
    {" Betrag je Mengeneinheit in Euro", kAmountKeys, 10},
    {" Gesamtbetrag (Dieses Eingabefeld wird automatisiert belegt -Bezahlte Menge * Betrag je Mengeneinheit in "
     "Euro-)",
     kAmountKeys, 12},
    {" Steuerschlüssel (Dieses Eingabefeld hat ausschliesslich informativen Charakter)", U"1234", 1},
    {" Sozialversicherungsschlüssel (Dieses Eingabefeld hat ausschliesslich informativen Charakter)", U"1234", 1},
    {" Sozialversicherungspflichtiger Betrag (Eintrag nur bei Abweichung vom Gesamtbetrag -seltene Ausnahme-!)",
     kAmountKeys, 10},
    {" Steuerpflichtiger Betrag (Eintrag nur bei Abweichung vom Gesamtbetrag -seltene Ausnahme-!)", kAmountKeys, 10},
    {" Pfändbarer Betrag (Eintrag nur bei Abweichung vom Gesamtbetrag -seltene Ausnahme-!)", kAmountKeys, 10},
    {" Berechnungsbasis vorheriger Zeiträume (Diese Eingabefeld ist für zukünftige Programmerweiterungen "
     "vorgesehen)",
     kAmountKeys, 10},
};

std::u32string NameKeys(bool employer_name) {
  std::u32string keys(kLetterKeys);
  keys += kDigitKeys;
  keys += kNameKeys;
  if (employer_name) keys += U'+';
  return keys;
}

}  // namespace

BookingDialog::BookingDialog(DialogServices& services, BookingMaskContext context, QWidget* parent)
    : Dialog(services, "BuchDialog", parent), context_(std::move(context)) {
  if (!IsBuilt()) return;
  SetUpFields();
  ShowNames();
  if (auto* bar = qobject_cast<QScrollBar*>(Control(kScrollBar))) {
    bar->setRange(0, kMaxBookingLines - kVisibleRows);
    bar->setPageStep(kVisibleRows);
    connect(bar, &QScrollBar::valueChanged, this, [this](int value) { ScrollTo(value); });
  }
  ShowLines();
  ShowControl(kDeleteButton, false);
  Focus(kEditLine + col::kWageType);
}

void BookingDialog::SetUpFields() {
  for (const NameField& f : kNameFields) {
    const std::u32string keys = f.postcode ? std::u32string(kDigitKeys) : NameKeys(f.id == kEmployerName);
    SetFieldRule(f.id, FieldInputRule{keys, f.max_length}, f.status, kNamesTopic);
  }
  for (int c = 0; c < kBookingColumns; ++c) {
    const ColumnRule& rule = kColumnRules[c];
    SetFieldRule(kEditLine + c, FieldInputRule{std::u32string(rule.keys), rule.max_length}, rule.status,
                 kColumnTopics[c]);
  }
  for (int id = kEditLine; id < kEditLine + kBookingColumns; ++id) {
    if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
      edit->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(edit, &QLineEdit::customContextMenuRequested, this, [this, id] { FieldPopup(id); });
    }
  }
}

void BookingDialog::ShowNames() {
  for (const NameField& f : kNameFields) SetText(f.id, context_.record.month_record[static_cast<std::size_t>(f.slot)]);
}

void BookingDialog::ReadNames() {
  for (const NameField& f : kNameFields) context_.record.month_record[static_cast<std::size_t>(f.slot)] = Text(f.id);
}

void BookingDialog::ShowLines() {
  const BookingTable& table = context_.record.booking_table;
  for (int row = 0; row < kVisibleRows; ++row) {
    const int line = top_line_ + row;
    const BookingRow& cells = table[static_cast<std::size_t>(line)];
    SetText(kFirstRowButton + row, cells[col::kRunningNumber]);
    for (int c = 1; c < kBookingColumns; ++c) SetText(CellId(row, c), cells[static_cast<std::size_t>(c)]);
  }
}

void BookingDialog::ScrollTo(int top_line) {
  top_line_ = std::clamp(top_line, 0, kMaxBookingLines - kVisibleRows);
  if (auto* bar = qobject_cast<QScrollBar*>(Control(kScrollBar)); bar != nullptr && bar->value() != top_line_) {
    bar->setValue(top_line_);
  }
  ShowLines();
}

BookingRow BookingDialog::ReadEditLine() const {
  BookingRow line{};
  for (int c = 0; c < kBookingColumns; ++c) line[static_cast<std::size_t>(c)] = Text(kEditLine + c);
  return line;
}

void BookingDialog::ShowEditLine(const BookingRow& line) {
  for (int c = 0; c < kBookingColumns; ++c) SetText(kEditLine + c, line[static_cast<std::size_t>(c)]);
}

void BookingDialog::OnFieldFocused(int id) {
  const int left = last_field_;
  last_field_ = id;
  const int number_field = kEditLine + col::kWageType;
  // The focus goes back once the move to the other field is over.
  if (left == number_field && id != left && !TakeOverFromNumberField()) {
    QMetaObject::invokeMethod(this, [this, number_field] { Focus(number_field); }, Qt::QueuedConnection);
  }
}

// Leaving the wage type number: an unknown number is refused and cleared;
// a known one brings its keys, after the question when they would
// replace other keys.
bool BookingDialog::TakeOverFromNumberField() {
  const int field = kEditLine + col::kWageType;
  const std::string number = Text(field);
  if (number.empty() || number == taken_number_) return true;
  const WageTypeRow* wage_type = LookUpWageType(context_.wage_types, number);
  if (wage_type == nullptr) {
    ShowDialogMessage(Services().messages, UnknownWageTypeMessage());
    SetText(field, "");
    if (last_field_ == field) Focus(field);
    return false;
  }
  OfferWageType(*wage_type);
  return true;
}

void BookingDialog::OfferWageType(const WageTypeRow& wage_type) {
  BookingRow line = ReadEditLine();
  if (TakeOverReplacesEntries(line, wage_type) &&
      !ShowDialogMessage(Services().messages, WageTypeTakeOverQuestion())) {
    taken_number_ = line[col::kWageType];
    return;
  }
  TakeOverWageType(line, wage_type);
  ShowEditLine(line);
  taken_number_ = line[col::kWageType];
}

void BookingDialog::ConfirmLine() {
  if (!TakeOverFromNumberField()) return;
  BookingRow line = ReadEditLine();
  const BookingPeriod period{context_.record.mask_fields[MaskField::Period],
                             context_.record.annual_block[annual_slot::kLastSummation]};
  const BookingConfirmation result = ConfirmBookingLine(context_.record.booking_table, line, period, context_.wage_types);
  if (result.outcome == EditLineOutcome::Refused) {
    if (result.message) ShowDialogMessage(Services().messages, *result.message);
    Focus(kEditLine + static_cast<int>(result.focus));
    return;
  }
  ShowEditLine(line);
  taken_number_ = line[col::kWageType];
  ShowControl(kDeleteButton, result.outcome == EditLineOutcome::TakenIntoEditLine);
  if (result.line >= 0 && (result.line < top_line_ || result.line >= top_line_ + kVisibleRows)) {
    ScrollTo(result.line - kVisibleRows + 1);
  }
  ShowLines();
  Focus(kEditLine + (result.outcome == EditLineOutcome::TakenIntoEditLine ? col::kQuantity : col::kWageType));
}

void BookingDialog::TakeLineOfRow(int visible_row) {
  const std::string running = Text(kFirstRowButton + visible_row);
  if (running.empty()) return;
  BookingRow only{};
  only[col::kRunningNumber] = running;
  ShowEditLine(only);
  ConfirmLine();
}

void BookingDialog::ChooseWageType() {
  const auto chosen = ::pekto::ChooseWageType(Services(), context_.wage_types, this);
  if (!chosen) return;
  const WageTypeRow& wage_type = context_.wage_types.rows[*chosen];
  BookingRow line = ReadEditLine();
  if (TakeOverReplacesEntries(line, wage_type) &&
      !ShowDialogMessage(Services().messages, WageTypeTakeOverQuestion())) {
    return;
  }
  TakeOverWageType(line, wage_type);
  ShowEditLine(line);
  taken_number_ = line[col::kWageType];
  Focus(kEditLine + col::kQuantity);
}

void BookingDialog::ChooseEmployer() {
  const auto chosen = ::pekto::ChooseEmployer(Services(), context_.employers, this);
  if (!chosen) return;
  const EmployerEntry& employer = context_.employers[*chosen];
  const auto text = [&employer](int slot) {
    return DosUmlautsToUtf8(employer[static_cast<std::size_t>(slot - slot::kFirstEmployerText)]);
  };
  SetText(kEmployerName, text(bs::kEmployerName));
  SetText(kEmployerStreet, text(bs::kEmployerStreet));
  SetText(kEmployerPostcode, text(bs::kEmployerPostcode));
  SetText(kEmployerPlace, text(bs::kEmployerPlace));
}

void BookingDialog::Continue() {
  ReadNames();
  evaluation_ = EvaluateBookings(context_.record);
  if (evaluation_->check_expected_income) ShowDialogMessage(Services().messages, *evaluation_->check_expected_income);
  done(kContinue);
}

void BookingDialog::FieldPopup(int id) {
  const int column = id - kEditLine;
  const bool has_list = column == col::kWageType || column == col::kCategory || column == col::kTaxKey ||
                        column == col::kSvKey;
  Focus(id);
  const int command = ChooseFromPopupMenu(this, FieldPopupEntries(has_list), PopupPositionAt(*Control(id)));
  if (command == kShowKeyListCommand) ShowKeyListOf(id);
  if (command == kShowExplanationCommand) ShowHelp(Services().field_state.help_topic);
}

// The key lists of the read-only key fields only inform; the wage type
// number's list is the "Bestand" of wage types.
void BookingDialog::ShowKeyListOf(int id) {
  const int column = id - kEditLine;
  if (column == col::kWageType) {
    ChooseWageType();
    return;
  }
  const KeyList list = column == col::kCategory ? KeyList::Category
                       : column == col::kTaxKey ? KeyList::TaxKey
                                                : KeyList::SvKey;
  std::vector<PopupEntry> entries = KeyListEntries(list, true);
  for (PopupEntry& entry : entries) entry.enabled = false;
  (void)ChooseFromPopupMenu(this, entries, PopupPositionAt(*Control(id)));
}

void BookingDialog::ShowHelp(int topic) { Services().help.ShowTopic(context_.help_file, ShownTopic(topic)); }

void BookingDialog::StartAccessory(std::string_view program) {
  if (context_.start_accessory) {
    context_.start_accessory(program);
    return;
  }
  MessageBoxCentered(Services().messages,
                     JoinLines({"Das Zubehörprogramm " + std::string(program), "ist nicht installiert."}),
                     "PEKTO Fehler!", kMbIconStop);
}

void BookingDialog::OpenEnergyDocument() {
  const LaunchResult result =
      context_.open_document ? context_.open_document("Energiepreispauschale.pdf") : LaunchResult{false, 2, 0};
  if (result.started) return;
  MessageBoxCentered(Services().messages,
                     JoinLines({"Die Erlaüterungen zur Energiepreispauschale konnten nicht angezeigt werden !",
                                "Eventuell wurde das Programm Adobe Reader  nicht auf", "Ihrem Rechner installiert."}),
                     "Kontrolle (Fehler" + std::to_string(result.error_code) + ")", kMbIconExclamation);
}

bool BookingDialog::RunMenuCommand(int id) {
  EmployeeRecord& record = context_.record;
  const auto clear_names = [this](bool employer) {
    for (const NameField& f : kNameFields) {
      if (f.employer == employer) SetText(f.id, "");
    }
  };
  switch (id) {
    case kClearAll:
      clear_names(false);
      clear_names(true);
      [[fallthrough]];
    case kClearBookings:
      for (int line = 0; line < kMaxBookingLines; ++line) record.booking_table[static_cast<std::size_t>(line)].fill({});
      ShowEditLine({});
      ShowControl(kDeleteButton, false);
      taken_number_.clear();
      ShowLines();
      return true;
    case kClearEmployee:
    case kClearEmployer:
      clear_names(id == kClearEmployer);
      return true;
    case kNewBookingHint:
    case kChangeBookingHint:
    case kDeleteBookingHint:
      ShowDialogMessage(Services().messages,
                        BookingInstruction(id == kNewBookingHint      ? EditInstruction::New
                                           : id == kChangeBookingHint ? EditInstruction::Change
                                                                      : EditInstruction::Delete));
      return true;
    case kCalculator:
    case kCalendar:
      StartAccessory(id == kCalculator ? "FIMREL.EXE" : "DORVEL.EXE");
      return true;
    case kKeyboardHelp:
    case kInputConventions:
    case kWorkSteps:
      ShowHelp(id == kKeyboardHelp ? kKeyboardTopic : id == kInputConventions ? kConventionsTopic : kWorkStepsTopic);
      return true;
    case kFieldHelp:
      ShowHelp(Services().field_state.help_topic);
      return true;
    case kEnergyAllowanceDocument:
      OpenEnergyDocument();
      return true;
    default:
      return false;
  }
}

void BookingDialog::OnCommand(int id) {
  if (id >= kFirstRowButton && id < kFirstRowButton + kVisibleRows) {
    TakeLineOfRow(id - kFirstRowButton);
    return;
  }
  if (RunMenuCommand(id)) return;
  switch (id) {
    case kIdOk:
      ConfirmLine();
      break;
    case kWageTypeListButton:
      ChooseWageType();
      break;
    case kDeleteButton:
      SetText(kEditLine + col::kWageType, "");
      taken_number_.clear();
      ConfirmLine();
      break;
    case kTakeOverEmployerButton:
    case kTakeOverEmployer:
      ChooseEmployer();
      break;
    case kContinue:
      Continue();
      break;
    case kIdCancel:
      ReadNames();
      done(kIdCancel);
      break;
    default:
      break;
  }
}

std::optional<BookingEvaluation> OpenBookingMask(DialogServices& services, BookingMaskContext context,
                                                 QWidget* parent) {
  BookingDialog dialog(services, std::move(context), parent);
  if (!dialog.IsBuilt()) return std::nullopt;
  ShowModalDialog(dialog);
  return dialog.Evaluation();
}

}  // namespace pekto
