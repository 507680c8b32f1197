#include "tools/calc_command.h"

#include <cctype>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "app/checks/input_checks.h"
#include "app/files/file_commands.h"
#include "bookings/account/account_sheet.h"
#include "bookings/booking_evaluation.h"
#include "bookings/payslip.h"
#include "bookings/wage_type_file.h"
#include "calc/payroll_run.h"
#include "platform/atomic_file.h"
#include "platform/dos_file_system.h"
#include "tools/json.h"
#include "tools/mask_input.h"
#include "tools/result_output.h"
#include "tools/stored_month.h"

namespace pekto {
namespace {

constexpr int kBadInput = 2;

constexpr std::string_view kUsage =
    "Aufruf:\n"
    "  pekto-calc FELD=WERT ... [--json] [--explain]\n"
    "  pekto-calc --json-lines [--explain] < eingabe.jsonl\n"
    "  pekto-calc --file PFAD [--json] [--explain]\n"
    "  pekto-calc --all ORDNER [--explain]\n"
    "  pekto-calc --file PFAD --bookings [--json]   (ebenso --all ORDNER --bookings)\n"
    "  pekto-calc --file PFAD [--bookings] --payslip text\n"
    "  pekto-calc --file PFAD [--bookings] --payslip pdf --out DATEI.pdf\n"
    "  pekto-calc --file PFAD --account text|pdf [--out DATEI]\n"
    "\n"
    "Berechnet einen Abrechnungsmonat aus den Feldern der Hauptmaske, z. B.\n"
    "  pekto-calc period=0124 tax_class=1 tax_days=30 taxable_gross=3000,00\n"
    "Beträge mit Dezimalkomma (3000,00); fehlende Felder sind leer.\n"
    "--json        Ergebnis als JSON (Beträge in Cent)\n"
    "--json-lines  je Zeile {\"id\": ..., \"fields\": {...}} lesen, je Zeile ein Ergebnis schreiben\n"
    "--file PFAD   den in einer Mitarbeiterdatei gespeicherten Monat berechnen\n"
    "              (DOS-Pfad wie C:\\PEKTO\\01\\MAIER.050 oder Pfad des Rechners)\n"
    "--all ORDNER  jede Mitarbeiterdatei eines Datenordners berechnen, je Datei\n"
    "              eine Zeile {\"id\": Dateiname, \"result\": {...}} oder {\"id\": ..., \"error\": ...}\n"
    "--explain     Zwischenwerte der Berechnung ausgeben\n"
    "--payslip text|pdf  die Lohnabrechnung des Monats als Text (UTF-8) oder als\n"
    "              PDF-Datei (--out DATEI.pdf) ausgeben, wie sie gedruckt wird\n"
    "--account text|pdf  das Lohnkonto des Jahres (mit der Jahresdatei neben der\n"
    "              Mitarbeiterdatei) als Text oder als PDF-Datei ausgeben; mit\n"
    "              --out DATEI steht der Text in der Datei\n"
    "--no-checks   ohne die Eingabeprüfungen der Hauptmaske rechnen\n"
    "--bookings    mit --file/--all: zuerst die Buchungen der Datei auswerten\n"
    "              (Lohnarten aus LOHNAR.DAT des Installationsordners); mit\n"
    "              --payslip stehen die Buchungen auf der Abrechnung\n"
    "\n"
    "Vor der Berechnung laufen die Eingabeprüfungen der Hauptmaske; die erste\n"
    "fehlgeschlagene Prüfung beendet den Aufruf mit Rückgabewert 2.\n";

struct Options {
  bool json = false;
  bool json_lines = false;
  bool explain = false;
  bool help = false;
  bool checks = true;
  bool bookings = false;  // --bookings: evaluate the stored booking lines first
  std::optional<std::string> file;        // --file PATH
  std::optional<std::string> all_folder;  // --all FOLDER
  std::optional<std::string> payslip;     // --payslip text|pdf
  std::optional<std::string> account;     // --account text|pdf
  std::optional<std::string> out_file;    // --out FILE.pdf
  std::vector<std::pair<std::string, std::string>> fields;
};

std::optional<std::string> ParseArguments(std::span<const std::string> args, Options& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--file" || arg == "--all") {
      if (i + 1 >= args.size()) return "Nach " + arg + " fehlt der Pfad";
      (arg == "--file" ? options.file : options.all_folder) = args[++i];
    } else if (arg == "--payslip" || arg == "--account" || arg == "--out") {
      if (i + 1 >= args.size()) return "Nach " + arg + " fehlt " + (arg == "--out" ? "die Datei" : "text oder pdf");
      (arg == "--payslip" ? options.payslip : arg == "--account" ? options.account : options.out_file) = args[++i];
    } else if (arg == "--bookings") {
      options.bookings = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--json-lines") {
      options.json_lines = true;
    } else if (arg == "--explain") {
      options.explain = true;
    } else if (arg == "--no-checks") {
      options.checks = false;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (const auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) != 0) {
      options.fields.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
    } else {
      return "Unbekannte Option \"" + arg + "\" (pekto-calc --help zeigt den Aufruf)";
    }
  }
  return std::nullopt;
}

// The main mask's input checks, answered without a user: warnings that let
// the calculation go on are answered so and reported.
struct Checked {
  std::optional<DialogMessage> refusal;
  int field = 0;  // the field a refusal names
  std::vector<DialogMessage> warnings;
};

// The evaluated bookings of a month calculated with --bookings: the booked
// wage types for the checks and the fields the evaluation wrote.
struct EvaluatedBookings {
  std::vector<BookedWageType> booked;
  std::string fields_json;  // {"gross_total":"3000,00",...}
};

Checked CheckMask(const EmployeeRecord& record, const std::optional<EvaluatedBookings>& bookings = std::nullopt) {
  const YearParameters params = LoadYearParameters(YearParameterInputsOf(record.mask_fields));
  CheckInputs inputs{record.mask_fields, params};
  if (bookings) inputs.bookings = bookings->booked;
  const CheckOutcome outcome = RunInputChecks(inputs, ContinuingAnswer);
  Checked checked;
  if (outcome.failure) {
    checked.refusal = outcome.failure->message;
    checked.field = NumberOf(outcome.failure->focus);
  } else if (outcome.stopped_by) {
    checked.refusal = outcome.stopped_by->message;
    checked.field = outcome.stopped_by->focus ? NumberOf(*outcome.stopped_by->focus) : 0;
  }
  for (const InputWarning& warning : outcome.passed) checked.warnings.push_back(warning.message);
  return checked;
}

// A message box as one line of text: "Caption: line line ...".
std::string OneLine(const DialogMessage& message) {
  std::string text = message.caption + ":";
  for (const std::string& line : message.lines) {
    if (!line.empty()) text += " " + line;
  }
  return text;
}

PayrollResult Calculate(EmployeeRecord& record, bool explain) {
  CopyMaskToRecord(record);
  const YearParameters params = LoadYearParameters(record.month_record);
  return RunPayroll(record, params, RunOptions{explain});
}

void WriteExplanation(std::ostream& out, const PayrollResult& result) {
  for (const auto& line : result.working.explanation) out << line << '\n';
}

// A JSON field value as mask text: strings as they are, whole numbers as
// their digits, null as empty.
std::optional<std::string> FieldText(const JsonValue& value) {
  switch (value.kind) {
    case JsonValue::Kind::String:
      return value.text;
    case JsonValue::Kind::Null:
      return std::string();
    case JsonValue::Kind::Number:
      if (value.text.find_first_not_of("0123456789") == std::string::npos) return value.text;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::string IdJson(const JsonValue* id) {
  if (id == nullptr) return "null";
  if (id->kind == JsonValue::Kind::String) return JsonQuote(id->text);
  if (id->kind == JsonValue::Kind::Number) return id->text;
  return "null";
}

std::string ErrorLine(const std::string& id_json, const std::string& message) {
  JsonWriter w;
  w.BeginObject();
  w.Raw("id", id_json);
  w.String("error", message);
  w.EndObject();
  return w.Text();
}

std::string JsonList(const std::vector<std::string>& texts) {
  std::string list = "[";
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) list += ',';
    list += JsonQuote(texts[i]);
  }
  return list + "]";
}

// The output line of one employee-month: the main mask's checks (their
// refusal is an error object with the field), then the result with the
// warnings that were answered and the working values when asked.
std::string CalculatedLine(const std::string& id_json, EmployeeRecord& record, const Options& options, bool& failed,
                           const std::optional<EvaluatedBookings>& bookings = std::nullopt) {
  const Checked checked = options.checks ? CheckMask(record, bookings) : Checked{};
  JsonWriter w;
  w.BeginObject();
  w.Raw("id", id_json);
  failed = checked.refusal.has_value();
  if (checked.refusal) {
    w.BeginObject("error");
    w.Integer("field", checked.field);
    w.String("message", checked.refusal->Text());
    w.EndObject();
    w.EndObject();
    return w.Text();
  }
  const PayrollResult result = Calculate(record, options.explain);
  w.Raw("result", ResultJson(result));
  if (bookings) w.Raw("evaluated", bookings->fields_json);
  if (!checked.warnings.empty()) {
    std::vector<std::string> texts;
    for (const DialogMessage& warning : checked.warnings) texts.push_back(warning.Text());
    w.Raw("warnings", JsonList(texts));
  }
  if (options.explain) w.Raw("explain", JsonList(result.working.explanation));
  w.EndObject();
  return w.Text();
}

// One input line of --json-lines; returns its output line.
std::string ProcessJsonLine(std::string_view line, std::size_t line_number, EmployeeRecord& record,
                            const Options& options, bool& failed) {
  const std::string where = "Zeile " + std::to_string(line_number) + ": ";
  const JsonParseResult parsed = ParseJson(line);
  failed = true;
  if (!parsed.ok) return ErrorLine("null", where + parsed.error);
  if (parsed.value.kind != JsonValue::Kind::Object) return ErrorLine("null", where + "JSON-Objekt erwartet");
  const std::string id = IdJson(parsed.value.Find("id"));
  const JsonValue* fields = parsed.value.Find("fields");
  if (fields == nullptr || fields->kind != JsonValue::Kind::Object) {
    return ErrorLine(id, where + "\"fields\" fehlt oder ist kein Objekt");
  }
  // The run reads the mask and writes the month record and the annual
  // block; the booking table stays empty and needs no clearing per line.
  record.mask_fields.Clear();
  record.month_record.fill({});
  record.annual_block.fill({});
  for (const auto& [name, value] : fields->members) {
    const auto text = FieldText(value);
    if (!text) return ErrorLine(id, where + "Feld " + name + ": Wert als Zeichenkette angeben");
    if (auto error = SetMaskField(record, name, *text)) return ErrorLine(id, where + error->message);
  }
  return CalculatedLine(id, record, options, failed);
}

int RunJsonLines(std::istream& in, std::ostream& out, const Options& options) {
  auto record = std::make_unique<EmployeeRecord>();
  std::string line;
  std::size_t line_number = 0;
  bool any_failed = false;
  while (std::getline(in, line)) {
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    bool failed = false;
    out << ProcessJsonLine(line, line_number, *record, options, failed) << '\n';
    any_failed = any_failed || failed;
  }
  return any_failed ? kBadInput : 0;
}

// One month on standard output: the checks' refusal ends the call, the
// warnings are reported, then the table or JSON.
int ReportMonth(EmployeeRecord& record, const Options& options, std::ostream& out, std::ostream& err,
                const std::optional<EvaluatedBookings>& bookings = std::nullopt) {
  const Checked checked = options.checks ? CheckMask(record, bookings) : Checked{};
  if (checked.refusal) {
    err << "pekto-calc: Feld " << checked.field << ": " << OneLine(*checked.refusal) << '\n';
    return kBadInput;
  }
  for (const DialogMessage& warning : checked.warnings) err << "pekto-calc: " << OneLine(warning) << '\n';
  const PayrollResult result = Calculate(record, options.explain);
  if (options.explain) WriteExplanation(options.json ? err : out, result);
  if (options.json && bookings) {
    std::string json = ResultJson(result);
    json.insert(json.size() - 1, ",\"evaluated\":" + bookings->fields_json);
    out << json << '\n';
  } else {
    out << (options.json ? ResultJson(result) + "\n" : ResultTable(result));
  }
  return 0;
}

// LOHNAR.DAT of the installation whose data folder holds the employee file
// (C:\PEKTO\01\MAIER.050 -> C:\PEKTO\LOHNAR.DAT), found without regard to
// case; an empty table when there is none.
WageTypeTable InstallationWageTypes(const std::filesystem::path& employee_file) {
  WageTypeTable table;
  const std::filesystem::path installation = employee_file.parent_path().parent_path();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(installation, error)) {
    std::string name = entry.path().filename().string();
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (name != kWageTypeFileName) continue;
    if (const auto bytes = ReadWholeFile(entry.path())) ParseWageTypes(*bytes, table);
    break;
  }
  return table;
}

// EvaluateBookings over the stored lines, as "Programmausführung
// fortsetzen" does before RETURN.
EvaluatedBookings EvaluateStoredBookings(EmployeeRecord& record, const std::filesystem::path& employee_file) {
  const WageTypeTable wage_types = InstallationWageTypes(employee_file);
  const BookingEvaluation evaluation = EvaluateBookings(record);
  JsonWriter w;
  w.BeginObject();
  for (const auto& [field, text] : evaluation.written) w.String(SpecOf(field).name, text);
  w.EndObject();
  return {BookedWageTypes(record.booking_table, wage_types), w.Text()};
}

int RunFields(const Options& options, std::ostream& out, std::ostream& err) {
  auto record = std::make_unique<EmployeeRecord>();
  for (const auto& [name, value] : options.fields) {
    if (auto error = SetMaskField(*record, name, value)) {
      err << "pekto-calc: " << error->message << '\n';
      return kBadInput;
    }
  }
  return ReportMonth(*record, options, out, err);
}

// The host path of a --file or --all argument; DOS paths go through the
// drives root (PEKTO_DRIVES).
std::optional<std::filesystem::path> HostPathOf(const std::string& argument, std::ostream& err) {
  const DosFileSystem files(DrivesRootFromEnvironment(SystemEnvironment()));
  auto host = HostPathOfArgument(files, argument);
  if (!host) err << "pekto-calc: " << argument << ": kein Laufwerksordner für diesen Pfad (PEKTO_DRIVES)\n";
  return host;
}

// A document as text (on standard output, or into --out) or as PDF.
int WriteDocument(const OutputPages& pages, const std::string& format, const Options& options, const PdfExport& pdf,
                  std::ostream& out, std::ostream& err) {
  if (format == "text") {
    if (!options.out_file) {
      out << DocumentText(pages);
      return 0;
    }
    if (const WriteResult written = ReplaceFileAtomically(*options.out_file, DocumentText(pages)); !written.ok) {
      err << "pekto-calc: " << *options.out_file << ": Die Datei konnte nicht geschrieben werden.\n";
      return kBadInput;
    }
    return 0;
  }
  if (!pdf) {
    err << "pekto-calc: PDF-Ausgabe ist in diesem Programm nicht verfügbar\n";
    return kBadInput;
  }
  if (const auto failure = pdf(pages, *options.out_file)) {
    err << "pekto-calc: " << *options.out_file << ": " << *failure << '\n';
    return kBadInput;
  }
  return 0;
}

// The payslip of the stored month, built as the viewer shows it.
int WritePayslip(const EmployeeRecord& record, const std::filesystem::path& path, const Options& options,
                 const PdfExport& pdf, std::ostream& out, std::ostream& err) {
  const WageTypeTable wage_types = options.bookings ? InstallationWageTypes(path) : WageTypeTable{};
  const PayslipBuild build = BuildPayslipOf(record, wage_types, options.bookings);
  if (build.limit_message) err << "pekto-calc: " << OneLine(*build.limit_message) << '\n';
  return WriteDocument(build.pages, *options.payslip, options, pdf, out, err);
}

// The payroll account of the stored month's year: the year file lies beside
// the employee file. A missing year file leaves the table to what the
// employee file itself holds; a damaged one is named.
int WriteAccount(const EmployeeRecord& record, const std::filesystem::path& path, const Options& options,
                 const PdfExport& pdf, std::ostream& out, std::ostream& err) {
  const int year = AccountYearOf(record);
  const std::filesystem::path year_path = path.parent_path() / AccountYearFileName(record, year);
  std::optional<YearFile> year_file;
  std::error_code error;
  if (std::filesystem::exists(year_path, error)) {
    const auto bytes = ReadWholeFile(year_path);
    const YearFileRead read = bytes ? ParseYearFile(*bytes) : YearFileRead{ReadStatus::Damaged, {}};
    if (read.status != ReadStatus::Ok) {
      err << "pekto-calc: " << year_path.filename().string() << ": Die Jahresdatei ist beschädigt.\n";
      return kBadInput;
    }
    year_file = read.file;
  }
  const AccountYear account = AccountMonthsOf(record, year_file ? &*year_file : nullptr, year);
  const OutputPages pages =
      BuildAccountSheet({record, account, SheetDate(TodayAsTtmmjj()), YearGarnishments(account)});
  return WriteDocument(pages, *options.account, options, pdf, out, err);
}

int RunFile(const Options& options, const PdfExport& pdf, std::ostream& out, std::ostream& err) {
  const auto path = HostPathOf(*options.file, err);
  if (!path) return kBadInput;
  auto record = std::make_unique<EmployeeRecord>();
  if (auto error = LoadStoredMonthFile(*path, *record)) {
    err << "pekto-calc: " << *options.file << ": " << *error << '\n';
    return kBadInput;
  }
  std::optional<EvaluatedBookings> bookings;
  if (options.bookings) bookings = EvaluateStoredBookings(*record, *path);
  if (options.payslip) return WritePayslip(*record, *path, options, pdf, out, err);
  if (options.account) return WriteAccount(*record, *path, options, pdf, out, err);
  return ReportMonth(*record, options, out, err, bookings);
}

int RunAll(const Options& options, std::ostream& out, std::ostream& err) {
  const auto folder = HostPathOf(*options.all_folder, err);
  if (!folder) return kBadInput;
  std::error_code error;
  if (!std::filesystem::is_directory(*folder, error)) {
    err << "pekto-calc: Ordner " << *options.all_folder << " wurde nicht gefunden.\n";
    return kBadInput;
  }
  auto record = std::make_unique<EmployeeRecord>();
  bool any_failed = false;
  for (const StoredFileEntry& entry : EmployeeFilesIn(*folder)) {
    const std::string id = JsonQuote(entry.name);
    bool failed = true;
    if (!entry.regular_file) {
      out << ErrorLine(id, "Datei " + entry.name + " ist keine Datei.") << '\n';
    } else if (auto load_error = LoadStoredMonthFile(entry.host, *record)) {
      out << ErrorLine(id, *load_error) << '\n';
    } else {
      std::optional<EvaluatedBookings> bookings;
      if (options.bookings) bookings = EvaluateStoredBookings(*record, entry.host);
      out << CalculatedLine(id, *record, options, failed, bookings) << '\n';
    }
    any_failed = any_failed || failed;
  }
  return any_failed ? kBadInput : 0;
}

}  // namespace

int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err,
                   const PdfExport& pdf) {
  Options options;
  auto error = ParseArguments(args, options);
  const int sources = (options.json_lines ? 1 : 0) + (options.file ? 1 : 0) + (options.all_folder ? 1 : 0);
  if (!error && (sources > 1 || (sources == 1 && !options.fields.empty()))) {
    error = "Felder, --json-lines, --file und --all schließen einander aus";
  }
  if (!error && options.payslip) {
    if (!options.file) {
      error = "--payslip braucht --file PFAD";
    } else if (*options.payslip != "text" && *options.payslip != "pdf") {
      error = "--payslip text oder --payslip pdf";
    } else if (*options.payslip == "pdf" && !options.out_file) {
      error = "--payslip pdf braucht --out DATEI.pdf";
    }
  }
  if (!error && options.account) {
    if (!options.file) {
      error = "--account braucht --file PFAD";
    } else if (options.payslip) {
      error = "--account und --payslip schließen einander aus";
    } else if (*options.account != "text" && *options.account != "pdf") {
      error = "--account text oder --account pdf";
    } else if (*options.account == "pdf" && !options.out_file) {
      error = "--account pdf braucht --out DATEI.pdf";
    }
  }
  if (!error && options.bookings && !options.file && !options.all_folder) {
    error = "--bookings gilt nur mit --file oder --all";
  }
  if (error) {
    err << "pekto-calc: " << *error << '\n';
    return kBadInput;
  }
  if (options.help) {
    out << kUsage;
    return 0;
  }
  if (options.json_lines) return RunJsonLines(in, out, options);
  if (options.file) return RunFile(options, pdf, out, err);
  if (options.all_folder) return RunAll(options, out, err);
  return RunFields(options, out, err);
}

}  // namespace pekto
