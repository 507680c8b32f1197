#include "bookings/tests/payslip_fixtures.h"

#include <initializer_list>
#include <utility>

#include "bookings/payslip.h"
#include "record/annual_block.h"

namespace pekto::testing_support {
namespace {

using Fields = std::initializer_list<std::pair<MaskField, const char*>>;

std::shared_ptr<EmployeeRecord> Record(Fields fields) {
  auto record = std::make_shared<EmployeeRecord>();
  for (const auto& [field, text] : fields) record->mask_fields[field] = text;
  return record;
}

void SetAddresses(EmployeeRecord& record) {
  namespace s = address_slot;
  record.month_record[s::kEmployeeName] = "Maier";
  record.month_record[s::kEmployeeFirstName] = "Jürgen";
  record.month_record[s::kEmployeeStreet] = "Lindenstraße 4";
  record.month_record[s::kEmployeePostcode] = "70173";
  record.month_record[s::kEmployeePlace] = "Stuttgart";
  record.month_record[s::kEmployerName] = "Bäckerei Köhler GmbH";
  record.month_record[s::kEmployerStreet] = "Marktplatz 1";
  record.month_record[s::kEmployerPostcode] = "70173";
  record.month_record[s::kEmployerPlace] = "Stuttgart";
}

// The year so far after four closed months of 3000,00.
void SetAnnualFigures(EmployeeRecord& record) {
  namespace a = annual_slot;
  auto& b = record.annual_block;
  b[a::kEntryDate] = "010421";
  b[a::kSvNumber] = "12150680M013";
  b[a::kHealthFund] = "AOK BW";
  b[a::kHolidayEntitlement] = "30";
  b[a::kHolidayRemaining] = "26";
  b[a::kGrossTotal] = "1200000";
  b[a::kTaxablePay] = "1200000";
  b[a::kTaxableTotal] = "1200000";
  b[a::kWageTaxCurrent] = "126832";
  b[a::kChurchTax] = "11412";
  b[a::kKvPay] = "1200000";
  b[a::kKvDays] = "120";
  b[a::kKvEmployer] = "97800";
  b[a::kKvEmployee] = "97800";
  b[a::kRvPay] = "1200000";
  b[a::kRvDays] = "120";
  b[a::kRvEmployer] = "111600";
  b[a::kRvEmployee] = "111600";
  b[a::kAvPay] = "1200000";
  b[a::kAvDays] = "120";
  b[a::kAvEmployer] = "15600";
  b[a::kAvEmployee] = "15600";
  b[a::kPvEmployer] = "20400";
  b[a::kPvEmployee] = "27600";
  b[a::kSvEmployeeTotal] = "252600";
  b[a::kLastSummation] = "042024";
}

BookingRow Booking(int number, const char* wage_type, const char* category, const char* quantity,
                   const char* per_unit, const char* total, const char* tax_key, const char* sv_key) {
  BookingRow row{};
  row[0] = (number < 10 ? "0" : "") + std::to_string(number);
  row[1] = wage_type;
  row[2] = category;
  row[4] = quantity;
  row[5] = per_unit;
  row[6] = total;
  row[7] = tax_key;
  row[8] = sv_key;
  return row;
}

}  // namespace

const WageTypeTable& FixtureWageTypes() {
  static const WageTypeTable table = [] {
    WageTypeTable t;
    const std::initializer_list<std::array<const char*, 6>> types = {
        {"01", "Gehalt", "1", "1", "1", "1"},
        {"02", "Stundenlohn", "1", "1", "1", "1"},
        {"03", "Überstunden 25 %", "1", "1", "1", "1"},
        {"10", "Weihnachtsgeld", "1", "2", "2", "1"},
        {"20", "Vorschuss", "2", "0", "0", "0"},
        {"30", "Fahrtkostenzuschuß", "3", "0", "0", "0"},
        {"44", "Steuertage", "9", "0", "0", "0"},
        {"45", "SozVer-Tage", "0", "0", "0", "0"},
        {"46", "Urlaub", "6", "0", "0", "0"},
    };
    for (const auto& type : types) {
      WageTypeRow& row = t.rows[t.count];
      row[wage_column::kRunningNumber] = std::to_string(t.count + 1);
      row[wage_column::kNumber] = type[0];
      row[wage_column::kName] = type[1];
      row[wage_column::kCategory] = type[2];
      row[wage_column::kTaxKey] = type[3];
      row[wage_column::kSvKey] = type[4];
      row[wage_column::kGarnishmentKey] = type[5];
      ++t.count;
    }
    return t;
  }();
  return table;
}

std::shared_ptr<EmployeeRecord> OrdinaryMonth() {
  using F = MaskField;
  auto record = Record({{F::BirthDate, "15061980"}, {F::FileName, "MAIER"}, {F::Period, "0524"},
                        {F::TaxClass, "1"}, {F::TaxDays, "30"}, {F::TaxableGross, "3000,00"},
                        {F::ChurchEmployee, "01"}, {F::StateCode, "8"}, {F::KvKey, "1"},
                        {F::KvRate, "16,30"}, {F::RvKey, "1"}, {F::AvKey, "1"}, {F::PvKey, "1"},
                        {F::LevyKey, "3"}, {F::U1Rate, "1,10"}, {F::U2Rate, "0,24"}, {F::SvDays, "30"}, {F::SvGross, "3000,00"}, {F::GrossTotal, "3000,00"}});
  SetAddresses(*record);
  SetAnnualFigures(*record);
  return record;
}

std::vector<PayslipCase> PayslipCases() {
  using F = MaskField;
  std::vector<PayslipCase> cases;
  cases.push_back({"ordinary_month", OrdinaryMonth(), false});

  auto mini = Record({{F::BirthDate, "01011990"}, {F::FileName, "SCHULZ"}, {F::Period, "0524"},
                      {F::StateCode, "11"}, {F::KvKey, "6"}, {F::RvKey, "1"}, {F::AvKey, "0"}, {F::PvKey, "0"},
                      {F::SvAttributeKey, "2"}, {F::FlatTaxKind, "1"}, {F::TaxDays, "30"}, {F::SvDays, "30"},
                      {F::GrossTotal, "538,00"}, {F::TaxableGross, "538,00"}, {F::SvGross, "538,00"},
                      {F::LevyKey, "3"}, {F::U1Rate, "1,10"}, {F::U2Rate, "0,24"}});
  cases.push_back({"mini_job", mini, false});

  auto midi = Record({{F::BirthDate, "12051985"}, {F::FileName, "KRAUSE"}, {F::Period, "1122"},
                      {F::StateCode, "11"}, {F::TaxClass, "1"}, {F::TaxDays, "30"}, {F::KvKey, "1"},
                      {F::KvRate, "16,20"}, {F::RvKey, "1"}, {F::AvKey, "1"}, {F::PvKey, "1"},
                      {F::SvAttributeKey, "3"}, {F::SvDays, "30"}, {F::GrossTotal, "1200,00"},
                      {F::TaxableGross, "1200,00"}, {F::SvGross, "1200,00"}});
  cases.push_back({"midi_job", midi, false});

  auto one_off = Record({{F::BirthDate, "15061980"}, {F::FileName, "MAIER"}, {F::Period, "1124"},
                         {F::TaxClass, "1"}, {F::TaxDays, "30"}, {F::ChurchEmployee, "01"}, {F::StateCode, "8"},
                         {F::KvKey, "1"}, {F::KvRate, "16,30"}, {F::RvKey, "1"}, {F::AvKey, "1"}, {F::PvKey, "1"},
                         {F::SvDays, "30"}, {F::GrossTotal, "5000,00"}, {F::TaxableGross, "3000,00"},
                         {F::SvGross, "3000,00"}, {F::TaxableOther, "2000,00"}, {F::SvOneOff, "2000,00"},
                         {F::OtherYears, "1"}, {F::ExpectedAnnualIncome, "33000,00"},
                         {F::KvAccumAmount, "30000,00"}, {F::KvAccumDays, "300"},
                         {F::RvAccumAmount, "30000,00"}, {F::RvAccumDays, "300"},
                         {F::AvAccumAmount, "30000,00"}, {F::AvAccumDays, "300"},
                         {F::GarnishDependants, "1"}, {F::GarnishMonths, "1"}, {F::GarnishIncome, "5000,00"},
                         {F::GarnishClaims, "1500,00"}});
  SetAddresses(*one_off);
  cases.push_back({"one_off_and_garnishment", one_off, false});

  // 30 bookings: a salary, 27 overtime lines, a Christmas bonus, an
  // advance and a travel allowance; the payslip runs onto a second sheet.
  auto booked = Record({{F::BirthDate, "15061980"}, {F::FileName, "MAIER"}, {F::Period, "1224"},
                        {F::TaxClass, "1"}, {F::ChurchEmployee, "01"}, {F::StateCode, "8"}, {F::KvKey, "1"},
                        {F::KvRate, "16,30"}, {F::RvKey, "1"}, {F::AvKey, "1"}, {F::PvKey, "1"},
                        {F::TaxDays, "30"}, {F::SvDays, "30"}});
  SetAddresses(*booked);
  SetAnnualFigures(*booked);
  int n = 0;
  booked->booking_table[0] = Booking(1, "01", "1", "1", "2500,00", "2500,00", "1", "1");
  ++n;
  for (int i = 0; i < 25; ++i) {
    booked->booking_table[static_cast<std::size_t>(n)] = Booking(n + 1, "03", "1", "2", "20,00", "40,00", "1", "1");
    ++n;
  }
  booked->booking_table[static_cast<std::size_t>(n)] = Booking(n + 1, "10", "1", "1", "1000,00", "1000,00", "2", "2");
  ++n;
  booked->booking_table[static_cast<std::size_t>(n)] = Booking(n + 1, "20", "2", "1", "-200,00", "-200,00", "0", "0");
  ++n;
  booked->booking_table[static_cast<std::size_t>(n)] = Booking(n + 1, "30", "3", "20", "4,50", "90,00", "0", "0");
  ++n;
  booked->booking_table[static_cast<std::size_t>(n)] = Booking(n + 1, "46", "6", "2", "", "", "", "");
  ++n;
  // What the evaluation of these lines writes into the month.
  booked->mask_fields[F::GrossTotal] = "4500,00";
  booked->mask_fields[F::TaxableGross] = "3500,00";
  booked->mask_fields[F::SvGross] = "3500,00";
  booked->mask_fields[F::TaxableOther] = "1000,00";
  booked->mask_fields[F::SvOneOff] = "1000,00";
  booked->mask_fields[F::OtherYears] = "1";
  booked->mask_fields[F::ExpectedAnnualIncome] = "42000,00";
  booked->month_record[67] = "4500,00";
  booked->month_record[68] = "200,00";  // category 2 negated: the advance of -200,00
  booked->month_record[69] = "90,00";
  cases.push_back({"booked_two_sheets", booked, true});
  return cases;
}

std::string ExpectedSheetPath(const std::string& name) {
  return std::string(PEKTO_SOURCE_DIR) + "/bookings/tests/data/" + name + ".txt";
}

}  // namespace pekto::testing_support
