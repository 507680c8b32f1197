// What the program remembers of the main mask's last calculation: whether
// it was started from the booking mask (its evaluation sets the mark), and
// whether the user rejected its result in the results overview (the month
// is then not stored).
#pragma once

namespace pekto {

struct CalculationMarks {
  bool started_from_booking_mask = false;
  bool rejected = false;
};

}  // namespace pekto
