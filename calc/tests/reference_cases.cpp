#include "calc/tests/reference_cases.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
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

std::vector<ReferenceCase> Load() {
  const std::string path = std::string(PEKTO_SOURCE_DIR) + "/calc/tests/data/wage_tax_official.tsv";
  std::ifstream file(path);
  if (!file) Abort("cannot open " + path);
  std::vector<ReferenceCase> cases;
  std::string line;
  std::getline(file, line);  // header
  while (std::getline(file, line)) {
    if (line.empty()) continue;
    const auto cells = SplitTabs(line);
    if (cells.size() != 5) Abort("bad line: " + line);
    const JsonParseResult fields = ParseJson(cells[1]);
    if (!fields.ok) Abort(cells[0] + ": " + fields.error);
    ReferenceCase c;
    c.id = cells[0];
    for (const auto& [name, value] : fields.value.members) c.fields.emplace_back(name, value.text);
    c.wage_tax_cents = std::stoll(cells[2]);
    c.soli_cents = std::stoll(cells[3]);
    c.church_tax_base_cents = std::stoll(cells[4]);
    cases.push_back(std::move(c));
  }
  return cases;
}

}  // namespace

const std::vector<ReferenceCase>& OfficialReferenceCases() {
  static const std::vector<ReferenceCase> cases = Load();
  return cases;
}

}  // namespace pekto::testing
