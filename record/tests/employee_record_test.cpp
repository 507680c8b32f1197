#include "record/employee_record.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace pekto {
namespace {

TEST(MaskFieldTable, NumbersSlotsAndNamesAreUnique) {
  std::set<int> slots;
  std::set<std::string_view> names;
  for (int i = 0; i < kMaskFieldCount; ++i) {
    const auto& spec = kMaskFieldTable[static_cast<std::size_t>(i)];
    EXPECT_EQ(spec.number, i + 1);
    EXPECT_TRUE(slots.insert(spec.slot).second) << spec.name;
    EXPECT_TRUE(names.insert(spec.name).second) << spec.name;
    EXPECT_GE(spec.slot, 0);
    EXPECT_LT(spec.slot, kMonthRecordSlots);
    EXPECT_EQ(FieldByName(spec.name), static_cast<MaskField>(spec.number));
  }
  EXPECT_FALSE(FieldByName("no_such_field").has_value());
}

TEST(MaskFieldTable, KnownFieldsKeepTheirSlots) {
  EXPECT_EQ(SlotOf(MaskField::BirthDate), 10);
  EXPECT_EQ(SlotOf(MaskField::Period), 80);
  EXPECT_EQ(SlotOf(MaskField::TaxableGross), 15);
  EXPECT_EQ(SlotOf(MaskField::PkvBasicPremium), 34);
  EXPECT_EQ(SpecOf(MaskField::KvKey).key_digits, "0135689");
}

TEST(EmployeeRecord, MaskToRecordAndBack) {
  auto record = std::make_unique<EmployeeRecord>();
  record->mask_fields[MaskField::FileName] = "MAIER";
  record->mask_fields[MaskField::TaxableGross] = "2500,00";
  CopyMaskToRecord(*record);
  EXPECT_EQ(record->month_record[11], "MAIER");
  EXPECT_EQ(record->month_record[15], "2500,00");

  record->mask_fields.Clear();
  CopyRecordToMask(*record, LoadVariant::Complete);
  EXPECT_EQ(record->mask_fields[MaskField::FileName], "MAIER");
  EXPECT_EQ(record->saved_mask_fields[MaskField::TaxableGross], "2500,00");
  EXPECT_FALSE(record->modified);
}

TEST(EmployeeRecord, PartialLoadKeepsPersonalDataAndEmptiesIncome) {
  auto record = std::make_unique<EmployeeRecord>();
  record->month_record[11] = "MAIER";
  record->month_record[6] = "1";       // KV key
  record->month_record[15] = "2500,00";  // taxable pay
  record->month_record[99] = "123";      // a result
  record->booking_table[3][2] = "Gehalt";
  CopyRecordToMask(*record, LoadVariant::Partial);
  EXPECT_EQ(record->mask_fields[MaskField::FileName], "MAIER");
  EXPECT_EQ(record->mask_fields[MaskField::KvKey], "1");
  EXPECT_EQ(record->mask_fields[MaskField::TaxableGross], "");
  EXPECT_EQ(record->month_record[99], "");
  EXPECT_EQ(record->booking_table[3][2], "");
}

TEST(EmployeeRecord, ClearEmptiesEverything) {
  auto record = std::make_unique<EmployeeRecord>();
  record->mask_fields[MaskField::FileName] = "X";
  record->month_record[100] = "1";
  record->annual_block[50] = "1";
  record->booking_table[100][12] = "1";
  record->saved_mask_fields[MaskField::FileName] = "X";
  record->modified = true;
  ClearRecord(*record);
  EXPECT_EQ(*record, EmployeeRecord{});
}

TEST(EmployeeRecord, VisitingAChangedFieldMarksTheRecordModified) {
  auto record = std::make_unique<EmployeeRecord>();
  record->saved_mask_fields[MaskField::TaxDays] = "30";
  record->mask_fields[MaskField::TaxDays] = "30";
  EXPECT_FALSE(NoteFieldVisited(*record, MaskField::TaxDays));
  EXPECT_FALSE(record->modified);
  record->mask_fields[MaskField::TaxDays] = "31";
  EXPECT_TRUE(NoteFieldVisited(*record, MaskField::TaxDays));
  EXPECT_TRUE(record->modified);
}

}  // namespace
}  // namespace pekto
