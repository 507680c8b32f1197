#include "record/employee_record.h"

namespace pekto {

void ClearRecord(EmployeeRecord& record) {
  record.mask_fields.Clear();
  record.month_record.fill({});
  record.annual_block.fill({});
  for (auto& row : record.booking_table) row.fill({});
  record.saved_mask_fields.Clear();
  record.modified = false;
}

void CopyMaskToRecord(EmployeeRecord& record) {
  for (const auto& spec : kMaskFieldTable) {
    record.month_record[static_cast<std::size_t>(spec.slot)] = record.mask_fields.AtNumber(spec.number);
  }
}

bool IsIncomeSlot(int slot) {
  return (slot >= 13 && slot <= 24) || (slot >= 26 && slot <= 28) || slot == 56 ||
         (slot >= 65 && slot <= 69) || slot == 82 || slot == 83 || (slot >= 85 && slot <= 90) ||
         (slot >= 97 && slot <= 100);
}

void EmptyIncomeData(EmployeeRecord& record) {
  for (int slot = 0; slot < kMonthRecordSlots; ++slot) {
    if (IsIncomeSlot(slot)) record.month_record[static_cast<std::size_t>(slot)].clear();
  }
  for (auto& row : record.booking_table) row.fill({});
}

void CopyRecordToMask(EmployeeRecord& record, LoadVariant variant) {
  if (variant == LoadVariant::Partial) EmptyIncomeData(record);
  for (const auto& spec : kMaskFieldTable) {
    record.mask_fields.AtNumber(spec.number) = record.month_record[static_cast<std::size_t>(spec.slot)];
  }
  record.saved_mask_fields = record.mask_fields;
  record.modified = false;
}

bool NoteFieldVisited(EmployeeRecord& record, MaskField field) {
  const bool changed = record.mask_fields[field] != record.saved_mask_fields[field];
  if (changed) record.modified = true;
  return changed;
}

}  // namespace pekto
