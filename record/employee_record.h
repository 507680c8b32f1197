// The open employee for one accounting month. Every value is text (UTF-8
// in memory), exactly as typed or as read from the employee file.
#pragma once

#include <array>
#include <string>

#include "record/mask_fields.h"

namespace pekto {

inline constexpr int kMonthRecordSlots = 101;
inline constexpr int kAnnualBlockSlots = 51;
inline constexpr int kBookingRows = 101;
inline constexpr int kBookingColumns = 13;

// The 60 texts of the main mask, addressed by field.
class MaskFields {
 public:
  [[nodiscard]] std::string& operator[](MaskField field) { return texts_[Index(field)]; }
  [[nodiscard]] const std::string& operator[](MaskField field) const { return texts_[Index(field)]; }
  [[nodiscard]] std::string& AtNumber(int number) { return texts_[static_cast<std::size_t>(number - 1)]; }
  [[nodiscard]] const std::string& AtNumber(int number) const {
    return texts_[static_cast<std::size_t>(number - 1)];
  }
  void Clear() { texts_.fill({}); }
  bool operator==(const MaskFields&) const = default;

 private:
  static std::size_t Index(MaskField field) { return static_cast<std::size_t>(static_cast<int>(field) - 1); }
  std::array<std::string, kMaskFieldCount> texts_{};
};

using MonthRecord = std::array<std::string, kMonthRecordSlots>;
using AnnualBlock = std::array<std::string, kAnnualBlockSlots>;
using BookingRow = std::array<std::string, kBookingColumns>;
using BookingTable = std::array<BookingRow, kBookingRows>;

// Fixed slots of the month record besides the mask fields.
namespace slot {
inline constexpr int kEmployeeFilePath = 35;
inline constexpr int kCategory3Total = 69;
inline constexpr int kFirstEmployerText = 70;
inline constexpr int kLastEmployerText = 81;
}  // namespace slot

struct EmployeeRecord {
  MaskFields mask_fields;
  MonthRecord month_record{};
  AnnualBlock annual_block{};
  BookingTable booking_table{};
  // The mask texts as last loaded, saved or cleared, and whether the user
  // has changed a field since.
  MaskFields saved_mask_fields;
  bool modified = false;

  bool operator==(const EmployeeRecord&) const = default;

  [[nodiscard]] std::string& Slot(MaskField field) { return month_record[SlotIndex(field)]; }
  [[nodiscard]] const std::string& Slot(MaskField field) const { return month_record[SlotIndex(field)]; }

 private:
  static std::size_t SlotIndex(MaskField field) { return static_cast<std::size_t>(SlotOf(field)); }
};

// Everything empty, `modified` false.
void ClearRecord(EmployeeRecord& record);

// Copies each mask text into its month-record slot.
void CopyMaskToRecord(EmployeeRecord& record);

enum class LoadVariant { Complete, Partial };
// Copies the slots back into the mask texts and into the saved copy; the
// partial variant leaves the income fields empty.
void CopyRecordToMask(EmployeeRecord& record, LoadVariant variant);

// A partial load keeps personal data and keys and empties the month's
// income data: these month-record slots and the whole booking table.
[[nodiscard]] bool IsIncomeSlot(int slot);
void EmptyIncomeData(EmployeeRecord& record);

// Whether the user changed the field since the last load, save or clear;
// sets `modified` when so. Called when a field receives the focus.
bool NoteFieldVisited(EmployeeRecord& record, MaskField field);

}  // namespace pekto
