#include "app/dialogs/output_commands.h"

#include "app/dialogs/best_dialog.h"
#include "app/files/file_commands.h"
#include "bookings/account/account_sheet.h"
#include "app/mask/message_dialogue.h"
#include "app/startup/program_state.h"
#include "bookings/history_files.h"
#include "bookings/payslip.h"
#include "bookings/text_dialog.h"
#include "platform/dos_file_system.h"

namespace pekto {

void ShowCurrentPayslip(AppContext& context, QWidget* parent) {
  ProgramState& state = context.state;
  const PayslipBuild build =
      BuildPayslipOf(state.record, state.wage_types, state.calculation.started_from_booking_mask);
  if (build.limit_message) ShowDialogMessage(context.dialogs.messages, *build.limit_message);
  ViewerContext viewer;
  viewer.pages = build.pages;
  viewer.kind = DocumentKind::Payslip;
  viewer.services = DesktopViewerServices();
  viewer.archive.emplace(ArchiveTarget{context.files, state.paths.HistoryDir(), state.record});
  viewer.help_file = state.paths.File(kHelpFile);
  viewer.pdf_name = SuggestedPdfName(state.record, DocumentKind::Payslip);
  ShowDocument(context.dialogs, std::move(viewer), parent);
}

void ShowCurrentAccount(AppContext& context, QWidget* parent) {
  if (!ShowDialogMessage(context.dialogs.messages, CurrentAccountWarning())) return;
  if (!ShowDialogMessage(context.dialogs.messages, ShowAccountQuestion())) return;
  ProgramState& state = context.state;
  const AccountYear year = AccountMonthsFromFolder(state.record, context.files, state.paths.UserDataDir());
  ViewerContext viewer;
  viewer.pages = BuildAccountSheet({state.record, year, SheetDate(TodayAsTtmmjj()), YearGarnishments(year)});
  viewer.kind = DocumentKind::PayrollAccount;
  viewer.services = DesktopViewerServices();
  viewer.archive.emplace(ArchiveTarget{context.files, state.paths.HistoryDir(), state.record});
  viewer.help_file = state.paths.File(kHelpFile);
  viewer.pdf_name = SuggestedPdfName(state.record, DocumentKind::PayrollAccount);
  ShowDocument(context.dialogs, std::move(viewer), parent);
}

void ShowPastDocuments(AppContext& context, DocumentKind kind, QWidget* parent) {
  const ProgramState& state = context.state;
  const std::string dir = state.paths.HistoryDir();
  const std::vector<std::string> entries = HistoryEntries(context.files, dir, kind);
  const SelectionMode mode =
      kind == DocumentKind::PayrollAccount ? SelectionMode::AccountHistory : SelectionMode::PayslipHistory;
  const auto chosen = ShowSelectionList(context.dialogs, mode, entries, parent);
  if (!chosen) return;
  const std::string path = dir + "\\" + entries[*chosen];
  auto pages = ReadHistoryFile(context.files, path);
  if (!pages) {
    ShowDialogMessage(context.dialogs.messages,
                      {"PEKTO Fehler!", {"Die Datei " + path, "kann nicht gelesen werden."}, MessageKind::Stop});
    return;
  }
  ViewerContext viewer;
  viewer.pages = std::move(*pages);
  viewer.kind = kind;
  viewer.services = DesktopViewerServices();
  viewer.help_file = state.paths.File(kHelpFile);
  viewer.pdf_name = entries[*chosen] + ".pdf";
  ShowDocument(context.dialogs, std::move(viewer), parent);
}

}  // namespace pekto
