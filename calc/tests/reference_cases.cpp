#include "calc/tests/reference_cases.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "tools/json.h"

namespace pekto::testing {
namespace {

[[noreturn]] void Abort(const std::string& why) {
  std::cerr << "reference cases: " << why << '\n';
  std::abort();
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  std::string cell;
  while (std::getline(stream, cell, '\t')) cells.push_back(cell);
  return cells;
}

// The files are tab-separated with a header line; the JSON cells of the
// later files are quoted CSV-style ("" for a quote inside).
std::string Unquote(const std::string& cell) {
  if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"') return cell;
  std::string out;
  for (std::size_t i = 1; i + 1 < cell.size(); ++i) {
    out += cell[i];
    if (cell[i] == '"' && cell[i + 1] == '"') ++i;
  }
  return out;
}

std::vector<ReferenceCase> Load(const std::string& file_name) {
  const std::string path = std::string(PEKTO_SOURCE_DIR) + "/calc/tests/data/" + file_name;
  std::ifstream file(path);
  if (!file) Abort("cannot open " + path);
  std::string line;
  std::getline(file, line);
  const auto header = SplitTabs(line);
  std::map<std::string, std::size_t> column;
  for (std::size_t i = 0; i < header.size(); ++i) column[header[i]] = i;
  for (const char* required : {"id", "fields", "lohnsteuer_cents", "soli_cents", "church_tax_base_cents"}) {
    if (!column.contains(required)) Abort(file_name + ": no column " + required);
  }
  std::vector<ReferenceCase> cases;
  while (std::getline(file, line)) {
    if (line.empty()) continue;
    const auto cells = SplitTabs(line);
    if (cells.size() != header.size()) Abort("bad line: " + line);
    auto cell = [&](const char* name) { return Unquote(cells[column.at(name)]); };
    auto cents = [&](const char* name) -> std::int64_t {
      return column.contains(name) ? std::stoll(cells[column.at(name)]) : 0;
    };
    const JsonParseResult fields = ParseJson(cell("fields"));
    if (!fields.ok) Abort(cells[0] + ": " + fields.error);
    ReferenceCase c;
    c.id = cell("id");
    if (column.contains("family")) c.family = cell("family");
    for (const auto& [name, value] : fields.value.members) c.fields.emplace_back(name, value.text);
    c.wage_tax_cents = cents("lohnsteuer_cents");
    c.soli_cents = cents("soli_cents");
    c.church_tax_base_cents = cents("church_tax_base_cents");
    c.sts_cents = cents("sts_cents");
    c.solzs_cents = cents("solzs_cents");
    c.bks_cents = cents("bks_cents");
    c.stv_cents = cents("stv_cents");
    c.solzv_cents = cents("solzv_cents");
    c.bkv_cents = cents("bkv_cents");
    cases.push_back(std::move(c));
  }
  return cases;
}

}  // namespace

const std::vector<ReferenceCase>& OfficialReferenceCases() {
  static const std::vector<ReferenceCase> cases = Load("wage_tax_official.tsv");
  return cases;
}

const std::vector<ReferenceCase>& December2024ReferenceCases() {
  static const std::vector<ReferenceCase> cases = Load("wage_tax_official_2024_12.tsv");
  return cases;
}

const std::vector<ReferenceCase>& Years2025And2026ReferenceCases() {
  static const std::vector<ReferenceCase> cases = Load("wage_tax_official_2025_2026.tsv");
  return cases;
}

const std::vector<ReferenceCase>& ExtendedReferenceCases() {
  static const std::vector<ReferenceCase> cases = Load("wage_tax_official_extended.tsv");
  return cases;
}

}  // namespace pekto::testing
