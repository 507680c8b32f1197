// Fixed employee-months for the payslip tests: each a record as the main
// mask leaves it, with the booking table and the annual block where the
// case needs them, and the wage types its bookings use.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "bookings/wage_type_file.h"
#include "record/employee_record.h"

namespace pekto::testing_support {

struct PayslipCase {
  std::string name;  // also the name of the expected sheet file
  std::shared_ptr<EmployeeRecord> record;
  bool from_booking_mask = false;
};

inline void PrintTo(const PayslipCase& c, std::ostream* os) { *os << c.name; }

[[nodiscard]] const WageTypeTable& FixtureWageTypes();
[[nodiscard]] std::vector<PayslipCase> PayslipCases();
[[nodiscard]] std::shared_ptr<EmployeeRecord> OrdinaryMonth();

// Where the expected sheets are kept.
[[nodiscard]] std::string ExpectedSheetPath(const std::string& name);

}  // namespace pekto::testing_support
