// The checks of the payroll account when it is closed with "Programm-
// ausführung fortsetzen", in their fixed order: dates, social-insurance
// number, holiday, last accounting period, the carry-forward question,
// the consistency of each insurance branch, the flat-rate block and the
// form of every amount. The first failure names its field and message;
// nothing is written to the record until all pass.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bookings/account/payroll_account_fields.h"
#include "record/dialog_message.h"

namespace pekto {

struct AccountCheckContext {
  // The annual figures were freed for editing ("Eingabefelder freigeben").
  // Locked figures come from the summation and are written back unchanged,
  // so the branch, flat-rate and amount checks look at freed figures only.
  bool unlocked = false;
  // Ask the carry-forward question (see CarryForwardQuestionDue).
  bool carry_forward_due = false;
};

struct AccountCheckFailure {
  AccountField focus;
  // What the box "Eingabe Fehler !" shows: the check's lines, then
  // "Das Lohnkonto kann nicht geschlossen werden.".
  DialogMessage message;
};

// The carry-forward question of check 5 is due when the last accounting
// period holds an entry typed in this dialog: not empty, different from
// what the dialog showed when it opened (the summation's own value never
// asks), and not the entry already confirmed with "JA" in this dialog.
[[nodiscard]] bool CarryForwardQuestionDue(const AccountEntries& opened, const AccountEntries& now,
                                           const std::optional<std::string>& confirmed);

[[nodiscard]] DialogMessage CarryForwardQuestion();
[[nodiscard]] DialogMessage AccountNotClosedMessage(std::vector<std::string> lines);

// `ask` shows a question and returns true for Yes. Nothing when every check
// passes.
[[nodiscard]] std::optional<AccountCheckFailure> CheckPayrollAccount(
    const AccountEntries& entries, const AccountCheckContext& context,
    const std::function<bool(const DialogMessage&)>& ask);

// Single rules, for the checks and their tests.
[[nodiscard]] bool IsAccountDate(std::string_view ttmmjj);          // empty or a valid TTMMJJ
[[nodiscard]] bool IsHolidayDays(std::string_view text);           // empty or xx,x
[[nodiscard]] std::optional<std::int64_t> AccountAmountCents(std::string_view text);  // empty = 0; xxxx,xx

}  // namespace pekto
