// The user of the file-command tests: records every box, "Kontrolle"
// dialog and list it is asked, and answers from its queues (Yes, button
// 102 and no choice when they run dry). And a fixture with a data folder,
// an employee on the mask and the commands of the main mask.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

#include "app/files/file_commands.h"
#include "app/files/tests/data_folder.h"
#include "calc/payroll_run.h"

namespace pekto::testing_support {

class ScriptedUser final : public FileCommandUser {
 public:
  struct ListShown {
    SelectionMode mode;
    std::vector<std::string> entries;
  };

  UserAnswer Show(const DialogMessage& message) override {
    shown.push_back(message);
    if (message.kind != MessageKind::Question && message.kind != MessageKind::DeleteQuestion &&
        message.kind != MessageKind::Warning) {
      return UserAnswer::Ok;
    }
    if (answers.empty()) return UserAnswer::Yes;
    const UserAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  bool Confirm(const ControlDialogContent& content) override {
    confirmed.push_back(content);
    if (confirm_answers.empty()) return true;
    const bool answer = confirm_answers.front();
    confirm_answers.pop_front();
    return answer;
  }
  std::optional<std::size_t> Choose(SelectionMode mode, const std::vector<std::string>& entries) override {
    lists.push_back({mode, entries});
    if (before_choice) before_choice();
    const auto it = std::find(entries.begin(), entries.end(), choice);
    if (it == entries.end()) return std::nullopt;
    return static_cast<std::size_t>(it - entries.begin());
  }

  std::vector<DialogMessage> shown;
  std::vector<ControlDialogContent> confirmed;
  std::vector<ListShown> lists;
  std::deque<UserAnswer> answers;
  std::deque<bool> confirm_answers;
  std::string choice;                   // the entry to choose from a list
  std::function<void()> before_choice;  // runs while the list is open
};

using MaskEntries = std::vector<std::pair<MaskField, const char*>>;

// MAIER, born 5 June 1980, class I in NRW with church tax, insured in all
// branches, 3250 euros a month.
inline const MaskEntries kMaier = {{MaskField::BirthDate, "05061980"},
                                   {MaskField::FileName, "MAIER"},
                                   {MaskField::StateCode, "11"},
                                   {MaskField::TaxClass, "1"},
                                   {MaskField::ChurchEmployee, "01"},
                                   {MaskField::KvKey, "1"},
                                   {MaskField::RvKey, "1"},
                                   {MaskField::AvKey, "1"},
                                   {MaskField::PvKey, "1"},
                                   {MaskField::KvRate, "16,30"},
                                   {MaskField::TaxDays, "30"},
                                   {MaskField::SvDays, "30"},
                                   {MaskField::GrossTotal, "3250,00"},
                                   {MaskField::TaxableGross, "3250,00"},
                                   {MaskField::SvGross, "3250,00"},
                                   {MaskField::Period, "0324"}};

class FileCommandTest : public testing::Test {
 protected:
  explicit FileCommandTest(const std::string& name = "commands") : folder_(name) {}

  void Enter(const MaskEntries& entries) {
    for (const auto& [field, value] : entries) record_->mask_fields[field] = value;
  }
  // RETURN on the main mask: the calculation run over the record.
  PayrollResult Calculate() {
    CopyMaskToRecord(*record_);
    return RunPayroll(*record_, LoadYearParameters(record_->month_record));
  }
  FileCommandOutcome Command(int id) { return RunFileCommand(id, *record_, context_, user_); }
  FileCommandOutcome Save() { return Command(file_command::kSave); }
  // The next month as a user does it: load completely, change the period,
  // calculate.
  void NextMonth(const char* name, const char* period) {
    user_.choice = name;
    ASSERT_EQ(Command(file_command::kLoadComplete).result, FileCommandResult::Done);
    record_->mask_fields[MaskField::Period] = period;
    (void)Calculate();
  }
  [[nodiscard]] std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& m : user_.shown) captions.push_back(m.caption);
    return captions;
  }

  DataFolder folder_;
  FileCommandContext context_{folder_.files, folder_.paths, "310324"};
  std::unique_ptr<EmployeeRecord> record_ = std::make_unique<EmployeeRecord>();
  ScriptedUser user_;
};

}  // namespace pekto::testing_support
