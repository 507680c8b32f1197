// The edit line of the wage-type editor "Lohnarten Datei" without the
// screen: taking a wage type into the edit line by its running number,
// adding, changing and deleting one, with the editor's messages; and the
// key lists of the "S" buttons that both the editor and the booking mask
// open.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bookings/wage_type_file.h"
#include "record/dialog_message.h"
#include "ui/popup_entry.h"

namespace pekto {

// The seven fields of the edit line, columns 0 to 6 of a wage type.
inline constexpr int kWageTypeEditFields = 7;
using WageTypeEditLine = std::array<std::string, kWageTypeEditFields>;

enum class WageTypeEditOutcome { Appended, Replaced, Deleted, TakenIntoEditLine, Refused };

struct WageTypeConfirmation {
  WageTypeEditOutcome outcome = WageTypeEditOutcome::Refused;
  std::optional<DialogMessage> message;
  int focus = wage_column::kNumber;  // the edit field (column) that gets the focus
  int row = -1;
};

// "Eingabezeile bestätigen" of the editor. Rows stay without gaps; the
// running numbers are rewritten "01".. after every change. On success the
// edit line is emptied (or holds the row taken) and `table.changed` is set
// for a change; on refusal nothing changes.
WageTypeConfirmation ConfirmWageTypeLine(WageTypeTable& table, WageTypeEditLine& edit_line);

// The two "EG-Pauschale" wage types keep their names: the name field is
// read-only while one of them is in the edit line.
[[nodiscard]] bool IsNameReadOnly(std::string_view name);

[[nodiscard]] DialogMessage TooManyWageTypesMessage();
[[nodiscard]] DialogMessage DeleteWageTypeFileQuestion();
[[nodiscard]] DialogMessage UnsavedWageTypesQuestion();
// The "Hinweis" boxes of the menu "Lohnart &bearbeiten" (and, with
// "Buchung" for "Lohnart", of "Buchungen &bearbeiten").
enum class EditInstruction { New, Change, Delete };
[[nodiscard]] DialogMessage WageTypeInstruction(EditInstruction which);
[[nodiscard]] DialogMessage BookingInstruction(EditInstruction which);

// The key lists. Choosing an entry sends kKeyListCommandBase + its digit.
enum class KeyList { Category, TaxKey, SvKey, GarnishmentKey };
inline constexpr int kKeyListCommandBase = 7300;
// `booking_mask`: the booking mask's list reads "&4=Arbeitgeben SV-Beiträge
// oder Steuern".
[[nodiscard]] std::vector<PopupEntry> KeyListEntries(KeyList list, bool booking_mask = false);
// The digit of a key-list command ("0".."9"), nothing for other commands.
[[nodiscard]] std::optional<std::string> KeyOfListCommand(int command);

// The right-click popup of an edit field.
inline constexpr int kShowKeyListCommand = 28111;
inline constexpr int kShowExplanationCommand = 15502;
[[nodiscard]] std::vector<PopupEntry> FieldPopupEntries(bool has_key_list);

// One line of the "Bestand" list of wage types: "12  EG-Pauschale (Steuerklasse)".
[[nodiscard]] std::string WageTypeSelectionText(const WageTypeRow& row);
[[nodiscard]] std::vector<std::string> WageTypeSelectionEntries(const WageTypeTable& table);

}  // namespace pekto
