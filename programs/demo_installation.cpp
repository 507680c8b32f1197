#include "programs/demo_installation.h"

#include "record/amount_normalisation.h"
#include "app/startup/system_file.h"
#include "bookings/wage_type_file.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"
#include "platform/dos_file_system.h"
#include "platform/dos_path.h"
#include "platform/value_lines.h"

namespace pekto {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kInstallRoot = "C:\\PEKTO";
constexpr std::string_view kUserDir = "C:\\PEKTO\\01";

bool IsDosCodePageSlot(int slot) {
  return slot == SlotOf(MaskField::FileName) || (slot >= slot::kCategory3Total && slot <= slot::kLastEmployerText);
}

void WriteIfMissing(const DosFileSystem& files, const std::string& path, std::string_view bytes, DemoReport& report) {
  if (files.FileExists(path)) return;
  if (files.ReplaceFile(path, bytes).ok) {
    report.written.push_back(path);
  } else {
    report.ok = false;
    report.problems.push_back(path + " kann nicht geschrieben werden");
  }
}

void WriteEmployees(const DosFileSystem& files, const fs::path& demo_dir, DemoReport& report) {
  for (const char* name : {"demo_employee.fields", "demo_employee2.fields"}) {
    const auto text = ReadWholeFile(demo_dir / name);
    std::string error;
    const auto record = text ? ReadFieldsFile(*text, error) : std::nullopt;
    if (!record) {
      report.ok = false;
      report.problems.push_back(std::string(name) + ": " + (text ? error : "nicht lesbar"));
      continue;
    }
    const std::string path = JoinDos(kUserDir, EmployeeFileName(*record));
    WriteIfMissing(files, path, EmployeeFileBytes(*record, path), report);
  }
}

}  // namespace

std::optional<EmployeeRecord> ReadFieldsFile(std::string_view text, std::string& error) {
  EmployeeRecord record;
  ValueLineReader reader(text);
  while (auto line = reader.Next()) {
    if (line->empty() || line->front() == '#') continue;
    const auto equals = line->find('=');
    const auto field = FieldByName(line->substr(0, equals));
    if (equals == std::string_view::npos || !field) {
      error = "unbekanntes Feld in Zeile " + std::to_string(reader.LinesRead()) + ": " + std::string(*line);
      return std::nullopt;
    }
    record.mask_fields[*field] = std::string(line->substr(equals + 1));
  }
  CopyMaskToRecord(record);
  return record;
}

std::string EmployeeFileName(const EmployeeRecord& record) {
  return record.mask_fields[MaskField::FileName] + "." + record.mask_fields[MaskField::BirthDate].substr(0, 3);
}

std::string EmployeeFileBytes(EmployeeRecord record, const std::string& path) {
  NormaliseForStorage(record.month_record);
  record.month_record[slot::kEmployeeFilePath] = path;
  std::string out;
  for (int slot = 0; slot < kMonthRecordSlots; ++slot) {
    const std::string& value = record.month_record[static_cast<std::size_t>(slot)];
    AppendQuotedLine(out, IsDosCodePageSlot(slot) ? Utf8ToDosUmlauts(value) : Utf8ToCp1252(value));
  }
  for (const auto& value : record.annual_block) AppendQuotedLine(out, Utf8ToCp1252(value));
  for (const auto& row : record.booking_table) {
    for (const auto& value : row) AppendQuotedLine(out, Utf8ToCp1252(value));
  }
  return out;
}

DemoReport PrepareDemoInstallation(const DosFileSystem& files, const fs::path& resource_dir) {
  DemoReport report;
  for (const std::string& dir : {std::string(kUserDir), JoinDos(kInstallRoot, "HIS01")}) {
    if (!files.CreateDirectories(dir)) {
      report.ok = false;
      report.problems.push_back(dir + " kann nicht angelegt werden");
      return report;
    }
  }
  NewSystemFile system{"PEKTO", "C", false, {{"Mustermann, Erika", ""}}, "1"};
  WriteIfMissing(files, JoinDos(kInstallRoot, kSystemFileName), MakeSystemFile(system).Serialize(), report);
  const auto wage_types = ReadWholeFile(resource_dir / "data" / "LOHNAR.DAT");
  if (wage_types) {
    WriteIfMissing(files, JoinDos(kInstallRoot, kWageTypeFileName), *wage_types, report);
  } else {
    report.ok = false;
    report.problems.emplace_back("resources/data/LOHNAR.DAT fehlt");
  }
  WriteEmployees(files, resource_dir / "demo", report);
  return report;
}

void LinkDemoAccessories(const DosFileSystem& files, const fs::path& program_dir, DemoReport& report) {
  const auto install = files.HostPath(kInstallRoot);
  if (!install) return;
  for (const char* name : {"dorvel", "fimrel"}) {
    std::error_code error;
    const fs::path built = fs::weakly_canonical(program_dir / name, error);
    const fs::path link = *install / name;
    if (error || !fs::is_regular_file(built, error) || fs::exists(fs::symlink_status(link, error))) continue;
    fs::create_symlink(built, link, error);
    if (error) {
      report.problems.push_back(link.string() + " kann nicht angelegt werden");
    } else {
      report.written.push_back(JoinDos(kInstallRoot, name));
    }
  }
}

void CopyDemoDocuments(const DosFileSystem& files, const std::vector<fs::path>& folders, DemoReport& report) {
  for (const fs::path& folder : folders) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) continue;
    bool any = false;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
      if (entry.path().extension() != ".pdf") continue;
      const auto bytes = ReadWholeFile(entry.path());
      if (!bytes) continue;
      any = true;
      WriteIfMissing(files, JoinDos(kInstallRoot, entry.path().filename().string()), *bytes, report);
    }
    if (any) return;
  }
}

}  // namespace pekto
