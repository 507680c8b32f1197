// The file commands of the main mask without a screen: load partly (256),
// load completely (257), load the security copy (265), save with the
// annual summation (258), delete (260), and show (289) or remove (5289)
// the year figures of one-off payments.
//
// The main mask reads its 60 fields into record.mask_fields, calls
// RunFileCommand with the command id and an implementation of
// FileCommandUser, and then does what the outcome says: write the mask
// fields back into its controls, put the focus into a field, open the
// payslip output. Every message box, the "Kontrolle" dialog and the
// "Bestand" list are asked through FileCommandUser, in the order the
// command needs them; nothing here shows a window or throws.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/checks/control_dialog_content.h"
#include "record/dialog_message.h"
#include "record/employee_record.h"
#include "app/startup/install_paths.h"
#include "app/files/ordered_writes.h"
#include "app/files/selection_list.h"
#include "platform/dos_file_system.h"

namespace pekto {

namespace file_command {
inline constexpr int kLoadPartial = 256;   // F8
inline constexpr int kLoadComplete = 257;  // F9
inline constexpr int kSave = 258;          // F3
inline constexpr int kDelete = 260;        // F5
inline constexpr int kLoadSecurityCopy = 265;
inline constexpr int kShowYearFigures = 289;  // F6
inline constexpr int kRemoveYearFigures = 5289;
}  // namespace file_command

[[nodiscard]] bool IsFileCommand(int id);

enum class UserAnswer { Ok, Yes, No };

// The user as the file commands meet them.
class FileCommandUser {
 public:
  virtual ~FileCommandUser() = default;
  // A message box; Yes or No for a question (MessageKind Question or
  // Warning), Ok for every other kind.
  virtual UserAnswer Show(const DialogMessage& message) = 0;
  // The "Kontrolle" dialog (MESSDIALOG) with this content: true for
  // button 102, false for button 103.
  virtual bool Confirm(const ControlDialogContent& content) = 0;
  // The "Bestand" dialog: the index of the chosen entry, nothing when
  // cancelled.
  virtual std::optional<std::size_t> Choose(SelectionMode mode, const std::vector<std::string>& entries) = 0;
  // Before the record is replaced: with unsaved entries the question "Sie
  // haben Ihre Eintragungen nicht abgespeichert ..."; true when the
  // command may go on.
  virtual bool ConfirmDiscardingEntries(const EmployeeRecord& record);
};

struct FileCommandContext {
  FileCommandContext(const DosFileSystem& file_system, const InstallPaths& install_paths, std::string date)
      : files(file_system), paths(install_paths), today(std::move(date)) {}

  const DosFileSystem& files;
  const InstallPaths& paths;
  std::string today;  // TTMMJJ: the date a summation records
  // "Art der Berechnung" "1": calculation without the booking mask. With
  // "0" command 289 explains itself by the "Kontrolle" dialog instead.
  bool calc_without_booking_mask = true;
  // Replaces a file atomically; empty means files.ReplaceFile. Tests put a
  // failing writer here (a full disk, a missing permission). The files of
  // one save are written side by side, so it may run on several threads.
  FileWriter replace_file;
};

enum class FileCommandResult {
  Done,       // the command completed
  Cancelled,  // the user said No or cancelled a list; nothing changed
  Refused,    // a check refused the command; nothing changed
  Failed,     // a file could not be read, written or deleted; reported
  Unknown,    // not a file command
};

struct FileCommandOutcome {
  FileCommandResult result = FileCommandResult::Done;
  bool refresh_mask = false;       // write record.mask_fields into the fields
  std::optional<MaskField> focus;  // the field that gets the focus
  bool show_payslip = false;       // the user asked for the payslip after saving
  bool operator==(const FileCommandOutcome&) const = default;
};

FileCommandOutcome RunFileCommand(int id, EmployeeRecord& record, const FileCommandContext& context,
                                  FileCommandUser& user);

FileCommandOutcome SaveEmployee(EmployeeRecord& record, const FileCommandContext& context, FileCommandUser& user);
FileCommandOutcome LoadEmployee(int id, EmployeeRecord& record, const FileCommandContext& context,
                                FileCommandUser& user);
FileCommandOutcome DeleteEmployee(EmployeeRecord& record, const FileCommandContext& context, FileCommandUser& user);
FileCommandOutcome ShowYearFiguresCommand(EmployeeRecord& record, const FileCommandContext& context,
                                          FileCommandUser& user);
FileCommandOutcome RemoveYearFiguresCommand(EmployeeRecord& record, FileCommandUser& user);

// The path of the employee file of the mask's name and birth date.
[[nodiscard]] std::string EmployeeFilePath(const InstallPaths& paths, const MaskFields& mask);

// Today's date as TTMMJJ from the system clock, for FileCommandContext.
[[nodiscard]] std::string TodayAsTtmmjj();

}  // namespace pekto
