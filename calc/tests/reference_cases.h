// The official wage-tax results of the ministry's flow chart: one period
// per case, with the main-mask fields it was computed from.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace pekto::testing {

struct ReferenceCase {
  std::string id;
  std::string family;  // "" for the first set; a, b, c, d, e2025, e2026
  std::vector<std::pair<std::string, std::string>> fields;
  std::int64_t wage_tax_cents = 0;
  std::int64_t soli_cents = 0;
  std::int64_t church_tax_base_cents = 0;
  // One-off payment outputs (STS, SOLZS, BKS; the fifth rule STV, SOLZV,
  // BKV); all 0 in files without those columns.
  std::int64_t sts_cents = 0;
  std::int64_t solzs_cents = 0;
  std::int64_t bks_cents = 0;
  std::int64_t stv_cents = 0;
  std::int64_t solzv_cents = 0;
  std::int64_t bkv_cents = 0;
};
inline void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.id; }


// Reads calc/tests/data/wage_tax_official.tsv; aborts the test run when the
// file is missing or damaged.
[[nodiscard]] const std::vector<ReferenceCase>& OfficialReferenceCases();

// The further sets: wage_tax_official_2024_12.tsv,
// wage_tax_official_2025_2026.tsv and wage_tax_official_extended.tsv.
[[nodiscard]] const std::vector<ReferenceCase>& December2024ReferenceCases();
[[nodiscard]] const std::vector<ReferenceCase>& Years2025And2026ReferenceCases();
[[nodiscard]] const std::vector<ReferenceCase>& ExtendedReferenceCases();

}  // namespace pekto::testing
