// The official wage-tax results of the ministry's flow chart: one month per
// case, with the main-mask fields it was computed from.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace pekto::testing {

struct ReferenceCase {
  std::string id;
  std::vector<std::pair<std::string, std::string>> fields;
  std::int64_t wage_tax_cents = 0;
  std::int64_t soli_cents = 0;
  std::int64_t church_tax_base_cents = 0;
};
inline void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.id; }

// Reads calc/tests/data/wage_tax_official.tsv; aborts the test run when the
// file is missing or damaged.
[[nodiscard]] const std::vector<ReferenceCase>& OfficialReferenceCases();

}  // namespace pekto::testing
