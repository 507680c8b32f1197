// Speed of the employee files: loading an employee file completely, saving
// it with the annual summation (security copy, year file, employee file,
// each replaced atomically with fsync), and pekto-calc --all over a data
// folder of 10,000 employee files. Targets: each file command under 20 ms,
// --all above 2,000 files per second.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <streambuf>

#include "app/files/employee_files.h"
#include "app/files/file_commands.h"
#include "calc/payroll_run.h"
#include "platform/atomic_file.h"
#include "tools/calc_command.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

// Answers every question with Yes and chooses the named entry.
class YesUser final : public FileCommandUser {
 public:
  UserAnswer Show(const DialogMessage& message) override {
    return message.kind == MessageKind::Question || message.kind == MessageKind::DeleteQuestion ? UserAnswer::Yes
                                                                                                 : UserAnswer::Ok;
  }
  bool Confirm(const ControlDialogContent&) override { return true; }
  std::optional<std::size_t> Choose(SelectionMode, const std::vector<std::string>& entries) override {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i] == choice) return i;
    }
    return std::nullopt;
  }
  std::string choice = "MAIER.050";
};

struct Folder {
  explicit Folder(const std::string& name)
      : root(fs::temp_directory_path() / ("pekto_bench_" + name + "_" + std::to_string(::getpid()))), files(root) {
    fs::remove_all(root);
    fs::create_directories(root / "drive_c" / "PEKTO" / "01");
  }
  ~Folder() { fs::remove_all(root); }
  fs::path root;
  DosFileSystem files;
  InstallPaths paths{"C", "PEKTO", "01"};
};

// An insured employee with a booking table of 30 lines, calculated.
void FillEmployee(EmployeeRecord& record, int variant) {
  using F = MaskField;
  const std::pair<F, std::string> fields[] = {{F::BirthDate, "05061980"},
                                              {F::FileName, "MAIER"},
                                              {F::StateCode, std::to_string(variant % 16 + 1)},
                                              {F::TaxClass, std::to_string(variant % 6 + 1)},
                                              {F::ChurchEmployee, "01"},
                                              {F::KvKey, "1"},
                                              {F::RvKey, "1"},
                                              {F::AvKey, "1"},
                                              {F::PvKey, "1"},
                                              {F::KvRate, "16,30"},
                                              {F::TaxDays, "30"},
                                              {F::SvDays, "30"},
                                              {F::Period, "0324"},
                                              {F::LevyKey, "3"},
                                              {F::U1Rate, "1,60"},
                                              {F::U2Rate, "0,44"},
                                              {F::GrossTotal, std::to_string(1500 + variant % 4000) + ",00"},
                                              {F::TaxableGross, std::to_string(1500 + variant % 4000) + ",00"},
                                              {F::SvGross, std::to_string(1500 + variant % 4000) + ",00"}};
  for (const auto& [field, value] : fields) record.mask_fields[field] = value;
  for (int row = 0; row < 30; ++row) {
    record.booking_table[static_cast<std::size_t>(row)] = {"1", "Gehalt", "1", "100", "", "", "1",
                                                           "1", "",       "",  "",    "", ""};
  }
  record.month_record[70] = "Bäckerei Müller";
  CopyMaskToRecord(record);
  (void)RunPayroll(record, LoadYearParameters(record.month_record));
}

void BM_LoadEmployeeFileCompletely(benchmark::State& state) {
  Folder folder("load");
  auto record = std::make_unique<EmployeeRecord>();
  FillEmployee(*record, 1);
  YesUser user;
  const FileCommandContext context{folder.files, folder.paths, "310324"};
  (void)SaveEmployee(*record, context, user);
  for (auto _ : state) {
    const FileCommandOutcome outcome = LoadEmployee(file_command::kLoadComplete, *record, context, user);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_LoadEmployeeFileCompletely)->Unit(benchmark::kMillisecond);

// Each save closes a new month: the record is put back before the
// summation, so the security copy, the year file and the employee file
// are all written.
void BM_SaveWithSummation(benchmark::State& state) {
  Folder folder("save");
  auto record = std::make_unique<EmployeeRecord>();
  FillEmployee(*record, 1);
  const auto open_month = std::make_unique<EmployeeRecord>(*record);
  YesUser user;
  const FileCommandContext context{folder.files, folder.paths, "310324"};
  for (auto _ : state) {
    state.PauseTiming();
    *record = *open_month;
    state.ResumeTiming();
    const FileCommandOutcome outcome = SaveEmployee(*record, context, user);
    if (outcome.result != FileCommandResult::Done || record->annual_block[49] != "032024") {
      state.SkipWithError("no summation");
    }
  }
}
BENCHMARK(BM_SaveWithSummation)->Unit(benchmark::kMillisecond);

class NullBuffer final : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_CalcAllOverTenThousandFiles(benchmark::State& state) {
  Folder folder("all");
  const fs::path dir = folder.root / "drive_c" / "PEKTO" / "01";
  auto record = std::make_unique<EmployeeRecord>();
  for (int i = 0; i < 10000; ++i) {
    ClearRecord(*record);
    FillEmployee(*record, i);
    const std::string name = "E" + std::to_string(i) + ".050";
    (void)ReplaceFileAtomically(dir / name, SerializeRecordFile(StoredBlockOf(*record)));
  }
  const std::vector<std::string> args = {"--all", dir.string()};
  NullBuffer null;
  std::ostream out(&null);
  std::istringstream in;
  for (auto _ : state) {
    const int code = RunCalcCommand(args, in, out, out);
    if (code != 0) state.SkipWithError("pekto-calc --all failed");
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_CalcAllOverTenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace pekto
