#include "app/files/file_commands.h"

#include <ctime>
#include <memory>

#include "app/files/annual_sums.h"
#include "app/files/employee_files.h"
#include "app/files/file_messages.h"
#include "app/checks/input_checks.h"
#include "app/files/ordered_writes.h"
#include "calc/year_figures.h"
#include "platform/dos_path.h"

namespace pekto {
namespace {

using R = FileCommandResult;

FileWriter WriterOf(const FileCommandContext& context) {
  if (context.replace_file) return context.replace_file;
  const DosFileSystem& files = context.files;
  return [&files](std::string_view path, std::string_view bytes, std::string_view mode_of) {
    return files.ReplaceFile(path, bytes, mode_of);
  };
}

FileCommandOutcome Outcome(R result) { return FileCommandOutcome{result, false, std::nullopt, false}; }

FileCommandOutcome Reported(FileCommandUser& user, const DialogMessage& message, R result) {
  (void)user.Show(message);
  return Outcome(result);
}

const std::string& Slot(const EmployeeRecord& record, MaskField field) {
  return record.month_record[static_cast<std::size_t>(SlotOf(field))];
}

// "150324" -> "15.03.2024", as the summation dialog names the date.
std::string DisplayDate(const std::string& ttmmjj) {
  if (ttmmjj.size() != 6) return ttmmjj;
  return ttmmjj.substr(0, 2) + "." + ttmmjj.substr(2, 2) + ".20" + ttmmjj.substr(4, 2);
}

ControlDialogContent SummationContent(const EmployeeRecord& record) {
  const std::string date = DisplayDate(record.annual_block[annual_slot::kSummationDate]);
  const std::string last = LastSummationPeriod(record.annual_block);
  return ControlDialogContentOf(ControlDialogMode::Summation,
                                {Slot(record, MaskField::Period), Slot(record, MaskField::FileName), date, last});
}

// Security copy first (the state before the summation), then the month is
// closed and takes its place in the year file. Nothing is written here;
// false when the year file is damaged and must not be overwritten.
bool PlanSummation(EmployeeRecord& working, const FileCommandContext& context, FileCommandUser& user,
                   std::vector<PlannedWrite>& writes) {
  const std::string& name = Slot(working, MaskField::FileName);
  const std::string& birth = Slot(working, MaskField::BirthDate);
  const std::string& period = Slot(working, MaskField::Period);
  const std::string year_path = DataFilePath(context.paths, YearFileName(name, birth, period.substr(2, 2)));
  YearFileRead year = ReadYearFile(context.files, year_path);
  if (year.status == ReadStatus::Damaged) {
    (void)user.Show(YearFileDamagedMessage(year_path));
    return false;
  }
  writes.push_back(
      {DataFilePath(context.paths, SecurityCopyName(name, birth)), SerializeRecordFile(StoredBlockOf(working))});
  (void)CloseMonth(working, context.today);
  const int month = PeriodToYyyymm(period) % 100;
  year.file.months[static_cast<std::size_t>(month - 1)] = StoredBlockOf(working);
  writes.push_back({year_path, SerializeYearFile(year.file)});
  return true;
}

// The employer texts of the saved record join AG.DAT unless known; a
// failure is reported but does not undo the saved employee file.
void UpdateEmployerList(const BlockValues& block, const FileCommandContext& context, FileCommandUser& user) {
  const std::string path = DataFilePath(context.paths, kEmployerListName);
  EmployerListRead list = ReadEmployerList(context.files, path);
  if (list.status == ReadStatus::Damaged) {
    (void)user.Show(EmployerListDamagedMessage(path));
    return;
  }
  if (!AddEmployer(list.entries, EmployerOf(block))) return;
  const WriteResult written = WriterOf(context)(path, SerializeEmployerList(list.entries), path);
  if (!written.ok) (void)user.Show(WriteFailedMessage(path, written.error_number));
}

// The record as a reload of the saved block would show it.
void AdoptSaved(EmployeeRecord& record, const BlockValues& block) {
  DecodeBlock(block, record);
  record.saved_mask_fields = record.mask_fields;
  record.modified = false;
}

// Security copy, year file and employee file are replaced together, the
// employee file last: a month is never marked closed in the employee file
// without its place in the year file.
bool WriteAll(const std::vector<PlannedWrite>& writes, const FileCommandContext& context, FileCommandUser& user) {
  const auto failure = ReplaceFilesInOrder(context.files, writes, WriterOf(context));
  if (failure) (void)user.Show(WriteFailedMessage(failure->path, failure->error_number));
  return !failure;
}

FileCommandOutcome LoadFile(const std::string& path, LoadVariant variant, EmployeeRecord& record,
                            const FileCommandContext& context, FileCommandUser& user) {
  if (!context.files.FileExists(path) && context.files.EntryExists(path)) {
    return Reported(user, NotAFileMessage(path), R::Failed);
  }
  const RecordFileRead read = ReadRecordFile(context.files, path);
  if (read.status == ReadStatus::Missing) return Reported(user, FileNotFoundMessage(path), R::Failed);
  if (read.status == ReadStatus::Damaged) return Reported(user, FileDamagedMessage(path), R::Failed);
  ApplyLoadedBlock(read.values, variant, record);
  return {R::Done, true, MaskField::BirthDate, false};
}

}  // namespace

bool FileCommandUser::ConfirmDiscardingEntries(const EmployeeRecord& record) {
  return !record.modified || Show(UnsavedChangesQuestion()) == UserAnswer::Yes;
}

bool IsFileCommand(int id) {
  using namespace file_command;
  return id == kLoadPartial || id == kLoadComplete || id == kSave || id == kDelete || id == kLoadSecurityCopy ||
         id == kShowYearFigures || id == kRemoveYearFigures;
}

std::string EmployeeFilePath(const InstallPaths& paths, const MaskFields& mask) {
  return DataFilePath(paths, EmployeeFileName(mask[MaskField::FileName], mask[MaskField::BirthDate]));
}

FileCommandOutcome SaveEmployee(EmployeeRecord& record, const FileCommandContext& context, FileCommandUser& user) {
  CopyMaskToRecord(record);
  if (const auto refusal = CheckSaveFields(record.mask_fields)) {
    (void)user.Show(refusal->message);
    return {R::Refused, false, refusal->focus, false};
  }
  const std::string path = EmployeeFilePath(context.paths, record.mask_fields);
  record.month_record[slot::kEmployeeFilePath] = path;
  auto working = std::make_unique<EmployeeRecord>(record);
  std::vector<PlannedWrite> writes;
  // A month is closed only with entries that pass the checks of RETURN:
  // the summation computes it, and a value the calculation cannot hold
  // (a file edited by hand, an older version) must not reach the year file.
  if (SummationDue(*working)) {
    const YearParameters params = LoadYearParameters(YearParameterInputsOf(working->mask_fields));
    if (const auto failure = FirstFailingCheck(CheckInputs{working->mask_fields, params})) {
      (void)user.Show(failure->message);
      (void)user.Show(MonthNotClosedMessage(Slot(*working, MaskField::Period)));
    } else if (user.Confirm(SummationContent(*working)) && !PlanSummation(*working, context, user, writes)) {
      return Outcome(R::Failed);
    }
  }
  const BlockValues block = StoredBlockOf(*working);
  writes.push_back({path, SerializeRecordFile(block)});
  if (!WriteAll(writes, context, user)) return Outcome(R::Failed);
  UpdateEmployerList(block, context, user);
  AdoptSaved(record, block);
  const bool payslip = user.Show(PayslipQuestion()) == UserAnswer::Yes;
  return {R::Done, false, std::nullopt, payslip};
}

FileCommandOutcome LoadEmployee(int id, EmployeeRecord& record, const FileCommandContext& context,
                                FileCommandUser& user) {
  if (!user.ConfirmDiscardingEntries(record)) return Outcome(R::Cancelled);
  const bool copy = id == file_command::kLoadSecurityCopy;
  const SelectionMode mode = copy                               ? SelectionMode::SecurityCopies
                             : id == file_command::kLoadPartial ? SelectionMode::DataWithoutIncome
                                                                : SelectionMode::DataWithIncome;
  const std::string dir = context.paths.UserDataDir();
  const auto names = ListDataFiles(context.files, dir, copy ? DataFileKind::SecurityCopy : DataFileKind::EmployeeFile);
  const auto chosen = user.Choose(mode, names);
  if (!chosen || *chosen >= names.size()) return Outcome(R::Cancelled);
  const LoadVariant variant = id == file_command::kLoadPartial ? LoadVariant::Partial : LoadVariant::Complete;
  return LoadFile(JoinDos(dir, names[*chosen]), variant, record, context, user);
}

FileCommandOutcome DeleteEmployee(EmployeeRecord& record, const FileCommandContext& context, FileCommandUser& user) {
  const std::string& name = record.mask_fields[MaskField::FileName];
  if (name.empty() || record.mask_fields[MaskField::BirthDate].empty()) return Outcome(R::Cancelled);
  const std::string path = EmployeeFilePath(context.paths, record.mask_fields);
  if (!IsSafeFileName(name)) return Reported(user, DeleteFailedMessage(path), R::Refused);
  record.month_record[slot::kEmployeeFilePath] = path;
  if (user.Show(DeleteQuestion(path)) != UserAnswer::Yes) return Outcome(R::Cancelled);
  if (!context.files.FileExists(path)) return Reported(user, FileNotFoundMessage(path), R::Failed);
  if (!context.files.DeleteFile(path)) return Reported(user, DeleteFailedMessage(path), R::Failed);
  if (!user.ConfirmDiscardingEntries(record)) return Outcome(R::Done);
  ClearRecord(record);
  return {R::Done, true, MaskField::BirthDate, false};
}

FileCommandOutcome ShowYearFiguresCommand(EmployeeRecord& record, const FileCommandContext& context,
                                          FileCommandUser& user) {
  const bool go_on = context.calc_without_booking_mask
                         ? user.Show(YearFiguresIntroduction()) == UserAnswer::Yes
                         : user.Confirm(ControlDialogContentOf(ControlDialogMode::AnnualBasis));
  if (!go_on) return Outcome(R::Cancelled);
  if (const auto refusal = YearFiguresRefusal(record.mask_fields)) return Reported(user, *refusal, R::Refused);
  if (const auto question = ClosedPeriodQuestion(record.mask_fields, record.annual_block);
      question && user.Show(*question) != UserAnswer::Yes) {
    return Outcome(R::Cancelled);
  }
  const YearParameters params = LoadYearParameters(YearParameterInputsOf(record.mask_fields));
  FormYearFigures(record.mask_fields, record.annual_block, params);
  record.modified = record.modified || record.mask_fields != record.saved_mask_fields;
  return {R::Done, true, std::nullopt, false};
}

FileCommandOutcome RemoveYearFiguresCommand(EmployeeRecord& record, FileCommandUser& user) {
  if (const auto question = RemovalClosedPeriodQuestion(record.mask_fields, record.annual_block);
      question && user.Show(*question) != UserAnswer::Yes) {
    return Outcome(R::Cancelled);
  }
  RemoveYearFigures(record.mask_fields);
  record.modified = record.modified || record.mask_fields != record.saved_mask_fields;
  return {R::Done, true, std::nullopt, false};
}

FileCommandOutcome RunFileCommand(int id, EmployeeRecord& record, const FileCommandContext& context,
                                  FileCommandUser& user) {
  switch (id) {
    case file_command::kSave:
      return SaveEmployee(record, context, user);
    case file_command::kLoadPartial:
    case file_command::kLoadComplete:
    case file_command::kLoadSecurityCopy:
      return LoadEmployee(id, record, context, user);
    case file_command::kDelete:
      return DeleteEmployee(record, context, user);
    case file_command::kShowYearFigures:
      return ShowYearFiguresCommand(record, context, user);
    case file_command::kRemoveYearFigures:
      return RemoveYearFiguresCommand(record, user);
    default:
      return Outcome(R::Unknown);
  }
}

std::string TodayAsTtmmjj() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[8] = {};
  std::strftime(text, sizeof text, "%d%m%y", &local);
  return text;
}

}  // namespace pekto
