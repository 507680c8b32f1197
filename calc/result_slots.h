// Where a calculation run leaves its results in the month record, so that
// they are saved with the employee file. The record has 22 slots that no
// mask field, booking total or employer text uses; they hold the results
// below as whole cents in text, empty when zero. The full result of a
// month is the PayrollResult of a run over the record.
//
//   slot  result
//    18   wage tax of current pay                 ("Laufende AN", Lohnsteuer)
//    36   church tax of current pay               ("Laufende AN", KiSt-AN)
//    37   spouse's church tax of current pay      ("Laufende AN", KiSt-EG)
//    38   solidarity surcharge of current pay     ("Laufende AN", Sol-Beitr.)
//    39   KV employee share of current pay
//    58   RV employee share of current pay
//    59   AV employee share of current pay
//    60   PV employee share of current pay
//    61   KV employer share of current pay
//    62   RV employer share of current pay
//    63   AV employer share of current pay
//    64   PV employer share of current pay
//    84   wage tax on one-off payments, both parts
//    92   church tax on one-off payments, employee and spouse, both parts
//    93   surcharge on one-off payments, both parts
//    94   employee contributions on one-off payments (KV+RV+AV+PV)
//    95   employer contributions on one-off payments (KV+RV+AV+PV)
//    96   chamber contribution                    ("Kammer")
//    97   net pay                                 ("Netto")
//    98   garnishment                             ("Pfändung")
//    99   payout                                  ("Ausbezahlt")
//   100   employer total                          ("Gesamt")
#pragma once

#include <span>

#include "record/employee_record.h"
#include "calc/payroll_result.h"

namespace pekto {

struct ResultSlot {
  int slot;
  const char* meaning;
};

[[nodiscard]] std::span<const ResultSlot> ResultSlots();

// Writes the results into their slots (cents text, empty when zero).
void WriteResultSlots(const PayrollResult& result, MonthRecord& record);

// "123456" for 1234.56 euros, "" for zero.
[[nodiscard]] std::string CentsText(Cents amount);

}  // namespace pekto
