#include "app/checks/key_directories.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace pekto {
namespace {

using F = MaskField;

constexpr KeyEntry kStateEntries[] = {
    {"0&1=Baden-Württemberg", "01"},
    {"0&2=Bayern", "02"},
    {"0&3=Berlin-Ost", "03"},
    {"0&4=Berlin-West", "04"},
    {"0&5=Brandenburg", "05"},
    {"0&6=Bremen", "06"},
    {"0&7=Hamburg", "07"},
    {"0&8=Hessen", "08"},
    {"0&9=Mecklenburg-Vorpommern", "09"},
    {"10=&Niedersachsen", "10"},
    {"11=Nordrhein-&Westfalen", "11"},
    {"12=&Rheinland-Pfalz", "12"},
    {"13=&Saarland", "13"},
    {"14=Sa&chsen", "14"},
    {"15=Sachsen-&Anhalt", "15"},
    {"16=Schleswig-&Holstein", "16"},
    {"17=&Thüringen", "17"},
};

constexpr KeyEntry kPvChildrenEntries[] = {
    {"&1 Kind (keine Altersgrenze)", "1"},
    {"&2 Kinder (unter 25 Jahren und berechnungsrelevant ab Juli 2023)", "2"},
    {"&3 Kinder (unter 25 Jahren und berechnungsrelevant ab Juli 2023)", "3"},
    {"&4 Kinder (unter 25 Jahren und berechnungsrelevant ab Juli 2023)", "4"},
    {"&5 Kinder und mehr (unter 25 Jahren und Berechnungsrelevant ab Juli 2023)", "5"},
};

constexpr KeyEntry kTaxClassEntries[] = {
    {"&1 Steuerklasse", "1"}, {"&2 Steuerklasse", "2"}, {"&3 Steuerklasse", "3"},
    {"&4 Steuerklasse", "4"}, {"&5 Steuerklasse", "5"}, {"&6 Steuerklasse", "6"},
};

constexpr KeyEntry kInsolvencyEntries[] = {
    {"&1=Kein Beitrag zu Insolvenzgeldumlage, da Beschäftigte/r im Privathaushalt oder einer "
     "Wohnungseigentümergemeinschaft",
     "1"},
};

constexpr KeyEntry kKvEntries[] = {
    {"&0=Kein KV-Beitrag", "0"},
    {"&1=Allgemeiner KV-Beitrag", "1"},
    {"&3=Ermäßigter KV-Beitrag", "3"},
    {"&5=Freiwillig versicherter Arbeitnehmer und Firmenzahler (Beiträge automatisiert berechnen)", "5"},
    {"&6=Geringfügigkeits Beitrag", "6"},
    {"&8=Privat versicherter Arbeinehmer", "8"},
    {"&9=Freiwillig versicherter Arbeitnehmer und Firmenzahler (Beiträge manuell erfassen)", "9"},
};

constexpr KeyEntry kRvEntries[] = {
    {"&0=Kein RV-Beitrag", "0"},
    {"&1=Voller RV-Beitrag", "1"},
    {"&3=Halber RV-Beitrag", "3"},
    {"&5=Arbeitgeberbeitrag (geringfügig)", "5"},
};

constexpr KeyEntry kAvEntries[] = {
    {"&0=Kein AV-Beitrag", "0"}, {"&1=Voller AV-Beitrag", "1"}, {"&2=Halber AV-Beitrag", "2"}};

constexpr KeyEntry kPvEntries[] = {
    {"&0=Kein PV-Beitrag", "0"}, {"&1=Voller PV-Beitrag", "1"}, {"&2=Halber PV-Beitrag", "2"}};

constexpr KeyEntry kSpecialTableEntries[] = {{"&1=Besondere Tabelle benutzen", "1"}};

constexpr KeyEntry kNetWageEntries[] = {
    {"&1=NTLV für alle gesetzlichen Abzüge", "1"},
    {"&2=NTLV für alle gesetzlichen Abzüge aus laufenden Bezügen", "2"},
    {"&3=NTLV für alle gesetzlichen Abzüge aus sonstigen Bezügen", "3"},
    {"&4=NTLV für die gesamte Lohnsteuer", "4"},
    {"&5=NTLV für Lohnsteuer aus laufenden Bezügen", "5"},
    {"&6=NTLV für Lohnsteuer aus sonstigen Bezügen", "6"},
    {"&7=NTLV für die gesamte Sozialversicherung", "7"},
    {"&8=NTLV für die Sozialvers. aus laufenden Bezügen", "8"},
    {"&9=NTLV für die Sozialvers. aus sonstigen Bezügen", "9"},
};

constexpr KeyEntry kSvAttributeEntries[] = {
    {"&1=Geringverdiener nur Auszubildende ab dem 01.01.2000 (Arbeigeber trägt Sozialvers.-Beiträge alleine)", "1"},
    {"&2=Geringfügig Beschäftigter", "2"},
    {"&3=Beschäftigter innerhalb der Gleitzone (ab Juli 2019 sozialversicherungsrechtlicher Übergangsbereich "
     "-Midijob-)",
     "3"},
    {"&4=Beschäftigter innerhalb der Gleizone aber voller Rentenversicherungsbeitrag (zulässig für "
     "Abrechnungszeiträume bis Juni 2019)",
     "4"},
    {"&7=Bestandsschutz innerhalb der Gleizone vom 01.10.22 bis 31.12.23 (Arbeitsentgeld betrug vor dem "
     "01.10.22 und beträgt danach zwischen 450,01 Euro und 520,00 Euro)",
     "7"},
    {"&8=Bestandsschutz wie unter Schlüssel 7, allerdings beschäftigt in einem Privathaushalt.", "8"},
};

constexpr KeyEntry kLevyEntries[] = {
    {"&1=Kein Beitrag (Arbeitnehmer dessen Beschäftigungsverhältniss nicht länger als 4 Wochen besteht)", "1"},
    {"&2=Nur Beitrag zur UV2  (Unternehmen mit mehr als 30 Mitarbeiter)", "2"},
    {"&3=Beitrag zur UV1 und UV2 (Unternehmen mit nicht mehr als 30 Mitarbeiter)", "3"},
};

constexpr KeyEntry kChamberEntries[] = {{"&1=Kammerbeitrag berechnen", "1"}};

constexpr KeyEntry kFlatTaxEntries[] = {
    {"&1=Im geringen Umfang und gegen geringen Arbeitslohn", "1"},
    {"&2=Kurzfristig Beschäftigte", "2"},
    {"&3=Beschäftigte in Land-/ und Forstwirtschaft", "3"},
};

constexpr KeyEntry kChurchFlatEntries[] = {
    {"&1=Kirchensteuer bei Pauschalierung unterdrücken (Nachweisverfahren)", "1"},
    {"&2=Kirchensteuerermittlung bei Pauschalierung nach Konfessionsschlüssel (Nachweisverfahren)", "2"},
};

constexpr std::string_view kPvChildrenHeading[] = {
    "Anzahl der Kinder falls der ermässigte PV-Beitrag berücksichtigt werden muss."};

constexpr std::string_view kNetWageHeading[] = {
    "Achtung:", "Die Nettolohnvereinbarung stellt eine Ausnahme dar. In der",
    "Regel ist in diesem Eingabefeld kein Eintrag vorzunehmen."};

constexpr std::string_view kRvNotes[] = {
    "     Ab dem 01.01.2013 nur noch zulässig, falls der Arbeitnehmer den vollen Beitrag",
    "     in der Rentenversicherung (also Schlüssel=1) ausdrücklich ablehnt.",
    "     Vor dem 01.01.2013 massgeblich, falls der Arbeitnehmer den vollen Beitrag in",
    "     der Rentenversicherung ausdrücklich verlangte."};

constexpr std::string_view kKvRateExplanation[] = {
    "E  r  l  ä  u  t  e  r u n  g",
    "Der Beitragssatz zur Krankenversicherung setzt sich zusammen aus dem paritätischen finanzierten "
    "Beitragssatz und",
    "dem vom Arbeitnehmer alleine finanzierten Zusatzbeitrag. Die Höhe beider Beiträgssätze wurden bis 2014 vom "
    "Gesetz-",
    "geber festgelegt.",
    "Ab 2015 wird der Zusatzbeitrag von der Krankenkasse festgelegt und kann somit von Krankenkasse zu "
    "Krankenkasse",
    "unterschiedlich sein. Auf Grund dessen, muss ab dem Abrechnungsjahr 2015 der Beitragssatz zur "
    "Krankenversicher-",
    "sicherung von Ihnen hier manuell erfasst werden.",
    "B e i t r g s s ä t z e",
    "15,50% = einzutragender allgemeiner Satz für die Jahre 2011-2014 (14,60% paritätischer Beitragsstz + 0,90% "
    "Zusatzbeitrag)",
    "14,90% = einzutragender ermässigter Satz für die Jahre 2011-2014 (14,00% paritätischer Beitragsstz + 0,90% "
    "Zusatzbeitrag)",
    "xx,xx% = einzutragender allgemeiner Satz ab dem Jahr 2015 (14,60% paritätischer Beitragsstz + x,xx% "
    "Zusatzbeitrag)",
    "xx,xx% = einzutragender ermässigter Satz ab dem Jahr 2015 (14,00% paritätischer Beitragsstz + x,xx% "
    "Zusatzbeitrag)"};

constexpr std::string_view kChurchWithoutLandNote[] = {
    "Der entsprechende Kirchensteuerschlüssel", "kann erst nach Eintrag des zutreffenden",
    "Bundeslandes und des Abrechnungszeitrau-", "mes ausgewiesen werden."};

// Church-tax entries by Land (bit n for Land key n of the "Bundesland"
// directory) and accounting year. A Land offers the religious communities
// whose church tax its employers withhold from wages:
//  - every Land: the Protestant and the Roman Catholic churches and the
//    Catholic Diocese of the Old Catholics (religion codes ev, rk, ak of the
//    electronic wage-tax deduction features, ELStAM);
//  - "Evangelisch lt/rf" where Lutheran and Reformed churches both levy the
//    tax under codes lt and rf: Bayern (BayKiStG) and Niedersachsen
//    (NdsKiStRG; Lutheran Landeskirchen and the Ev.-reformierte Kirche);
//  - Baden-Württemberg (KiStG BW and the Finance Ministry's orders on the
//    administration of the church tax of these communities): Israelitische
//    Religionsgemeinschaft Württembergs (iw), Israelitische
//    Religionsgemeinschaft Baden (ib), Freireligiöse Landesgemeinde Baden (fb);
//  - Hessen (HessKiStG): the Jewish communities entitled to levy the
//    Kultussteuer (il), the Jüdische Gemeinde Frankfurt am Main (is), the
//    Freireligiöse Gemeinde Offenbach am Main (fs, its Kultussteuerordnung,
//    StAnz. Hessen);
//  - Rheinland-Pfalz (KiStG RP; corporations under Art. 43 of the Land
//    constitution): the Jewish Kultusgemeinden (is), the Freireligiöse
//    Gemeinde Mainz (fm), the Freireligiöse Landesgemeinde Pfalz (fg) and
//    the free Protestant community of Alzey (fa) under its former name
//    before the years this version calculates and under its present name
//    "Freie Religionsgemeinschaft Alzey" from 2020;
//  - Bayern (Landesverband der Israelitischen Kultusgemeinden) and Saarland
//    (KiStG-Saar § 1: Synagogengemeinde Saar): "Israelitisch" (is);
//  - Hamburg and Schleswig-Holstein: the Jüdische Gemeinde in Hamburg levies
//    its Kultussteuer in both Länder under its order of 2005 as amended in
//    2008 (jh), offered from 2008;
//  - Berlin: the Jüdische Gemeinde zu Berlin (jd);
//  - the other Länder: the Jewish Kultussteuer of their Landesverbände (jd).
// The key is the same in every Land; only the offer and the text differ.
struct ChurchEntry {
  KeyEntry entry;
  std::uint32_t lands;
  int first_year = 0;
  int last_year = 9999;
};

constexpr std::uint32_t Lands(std::initializer_list<int> keys) {
  std::uint32_t bits = 0;
  for (const int key : keys) bits |= std::uint32_t{1} << key;
  return bits;
}

constexpr std::uint32_t kAllLands = Lands({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17});
constexpr int kFirstYearOfThisVersion = 2020;

constexpr ChurchEntry kChurchEntries[] = {
    {{"0&1=Evangelisch", "01"}, kAllLands & ~Lands({2, 10})},
    {{"0&1=Evangelisch lt/rf", "01"}, Lands({2, 10})},
    {{"02=Römisch katholisch", "02"}, kAllLands},
    {{"0&3=Alt katholisch", "03"}, kAllLands},
    {{"0&4=Israelitisch Gemeinden", "04"}, Lands({8})},
    {{"0&4=Israelitisch Württemberg", "04"}, Lands({1})},
    {{"0&4=Israelitisch", "04"}, Lands({2, 12, 13})},
    {{"0&5=Israelitisch Baden", "05"}, Lands({1})},
    {{"0&6=Israelitisch Frankfurt/M", "06"}, Lands({8})},
    {{"0&7=Israelische / Jüdische Kultussteuer", "07"}, Lands({5, 6, 9, 10, 11, 14, 15, 17})},
    {{"0&7=Jüdische Kultus- Gemeindesteuer", "07"}, Lands({3, 4})},
    {{"0&7=Jüdische Kultus- Gemeindesteuer (zulässig ab 2008)", "07"}, Lands({7, 16}), 2008},
    {{"0&8=Unitarische Religionsgem. Fr.Protestanten", "08"}, Lands({12}), 0, kFirstYearOfThisVersion - 1},
    {{"0&8=Freie Religionsgemeinschaft Alzey", "08"}, Lands({12}), kFirstYearOfThisVersion},
    {{"0&9=Freireligiöse Landesgemeinde Baden", "09"}, Lands({1})},
    {{"10=Freireligiöse Gemeinde &Offenbach/M", "10"}, Lands({8})},
    {{"11=Freireligiöse Gemeinde &Mainz", "11"}, Lands({12})},
    {{"12=Freireligiöse Landedgemeinde &Pfalz", "12"}, Lands({12})},
};

struct StaticDirectory {
  MaskField field;
  const KeyEntry* entries;
  std::size_t entry_count;
  const std::string_view* heading;
  std::size_t heading_count;
  const std::string_view* notes;
  std::size_t note_count;
};

template <std::size_t N>
constexpr StaticDirectory Directory(MaskField field, const KeyEntry (&entries)[N]) {
  return {field, entries, N, nullptr, 0, nullptr, 0};
}

constexpr StaticDirectory kStaticDirectories[] = {
    Directory(F::StateCode, kStateEntries),
    {F::PvChildren, kPvChildrenEntries, std::size(kPvChildrenEntries), kPvChildrenHeading,
     std::size(kPvChildrenHeading), nullptr, 0},
    Directory(F::TaxClass, kTaxClassEntries),
    Directory(F::InsolvencyException, kInsolvencyEntries),
    Directory(F::KvKey, kKvEntries),
    {F::RvKey, kRvEntries, std::size(kRvEntries), nullptr, 0, kRvNotes, std::size(kRvNotes)},
    Directory(F::AvKey, kAvEntries),
    Directory(F::PvKey, kPvEntries),
    Directory(F::SpecialTable, kSpecialTableEntries),
    {F::NetWageAgreement, kNetWageEntries, std::size(kNetWageEntries), kNetWageHeading, std::size(kNetWageHeading),
     nullptr, 0},
    Directory(F::SvAttributeKey, kSvAttributeEntries),
    Directory(F::LevyKey, kLevyEntries),
    Directory(F::ChamberKey, kChamberEntries),
    Directory(F::FlatTaxKind, kFlatTaxEntries),
    Directory(F::ChurchFlatKey, kChurchFlatEntries),
    {F::KvRate, nullptr, 0, kKvRateExplanation, std::size(kKvRateExplanation), nullptr, 0},
};

// "S" buttons 550..567 in control order.
constexpr std::array<MaskField, 18> kKeyButtonFields = {
    F::NetWageAgreement,    F::KvKey,        F::RvKey,      F::AvKey,       F::PvKey,          F::SvAttributeKey,
    F::InsolvencyException, F::LevyKey,      F::StateCode,  F::TaxClass,    F::ChurchEmployee, F::ChurchSpouse,
    F::PvChildren,          F::SpecialTable, F::ChamberKey, F::FlatTaxKind, F::ChurchFlatKey,  F::KvRate};
constexpr int kFirstKeyButton = 550;

constexpr int kFirstLandCommand = 7220;   // "01"
constexpr int kFirstChurchCommand = 608;  // "01"
constexpr int kZeroCommand = 640;         // "0"
constexpr int kFirstDigitCommand = 800;   // "1"

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Value of a text of one or two digits.
std::optional<int> SmallNumber(std::string_view text) {
  if (text.size() > 2 || !AllDigits(text)) return std::nullopt;
  int value = 0;
  for (const char c : text) value = value * 10 + (c - '0');
  return value;
}

std::vector<KeyEntry> ChurchEntriesOf(int land, int year) {
  std::vector<KeyEntry> entries;
  for (const ChurchEntry& row : kChurchEntries) {
    const bool in_land = (row.lands & (std::uint32_t{1} << land)) != 0;
    if (in_land && year >= row.first_year && year <= row.last_year) entries.push_back(row.entry);
  }
  return entries;
}

KeyDirectory ChurchDirectory(MaskField field, const MaskFields& mask) {
  KeyDirectory directory{field, {}, {}, {}};
  const auto land = LandOf(mask[F::StateCode]);
  const auto year = PeriodYearOf(mask[F::Period]);
  if (!land || !year) {
    directory.heading.assign(std::begin(kChurchWithoutLandNote), std::end(kChurchWithoutLandNote));
    return directory;
  }
  directory.entries = ChurchEntriesOf(*land, *year);
  return directory;
}

bool IsChurchField(MaskField field) { return field == F::ChurchEmployee || field == F::ChurchSpouse; }

}  // namespace

std::optional<KeyDirectory> KeyDirectoryOf(MaskField field, const MaskFields& mask) {
  if (IsChurchField(field)) return ChurchDirectory(field, mask);
  for (const StaticDirectory& d : kStaticDirectories) {
    if (d.field != field) continue;
    KeyDirectory directory{field, {}, {}, {}};
    directory.entries.assign(d.entries, d.entries + d.entry_count);
    directory.heading.assign(d.heading, d.heading + d.heading_count);
    directory.notes.assign(d.notes, d.notes + d.note_count);
    return directory;
  }
  return std::nullopt;
}

std::optional<MaskField> FieldOfKeyButton(int control_id) {
  const int index = control_id - kFirstKeyButton;
  if (index < 0 || index >= static_cast<int>(kKeyButtonFields.size())) return std::nullopt;
  return kKeyButtonFields[static_cast<std::size_t>(index)];
}

std::optional<int> CommandOfEntry(MaskField field, std::string_view key) {
  const auto value = SmallNumber(key);
  if (!value) return std::nullopt;
  if (key.size() == 1) return *value == 0 ? kZeroCommand : kFirstDigitCommand + *value - 1;
  if (*value < 1) return std::nullopt;
  if (IsChurchField(field) && *value <= 9) return kFirstChurchCommand + *value - 1;
  return kFirstLandCommand + *value - 1;
}

std::optional<std::string> KeyOfCommand(int command) {
  const auto two_digits = [](int n) {
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  };
  if (command == kEmptyFieldCommand) return std::string();
  if (command == kZeroCommand) return std::string("0");
  if (command >= kFirstDigitCommand && command < kFirstDigitCommand + 9) {
    return std::string(1, static_cast<char>('1' + command - kFirstDigitCommand));
  }
  if (command >= kFirstChurchCommand && command < kFirstChurchCommand + 9) {
    return two_digits(command - kFirstChurchCommand + 1);
  }
  if (command >= kFirstLandCommand && command < kFirstLandCommand + 17) {
    return two_digits(command - kFirstLandCommand + 1);
  }
  return std::nullopt;
}

std::optional<int> LandOf(std::string_view state_code) {
  const auto value = SmallNumber(state_code);
  if (!value || *value < 1 || *value > 17) return std::nullopt;
  return value;
}

std::optional<int> PeriodYearOf(std::string_view period) {
  if (period.size() != 4) return std::nullopt;
  const auto month = SmallNumber(period.substr(0, 2));
  const auto year = SmallNumber(period.substr(2, 2));
  if (!month || !year || *month < 1 || *month > 12) return std::nullopt;
  return 2000 + *year;
}

bool IsChurchTaxKey(std::string_view key, std::string_view state_code, std::string_view period) {
  const auto value = SmallNumber(key);
  const auto land = LandOf(state_code);
  const auto year = PeriodYearOf(period);
  if (!value || !land || !year) return false;
  for (const KeyEntry& entry : ChurchEntriesOf(*land, *year)) {
    if (SmallNumber(entry.key) == value) return true;
  }
  return false;
}

}  // namespace pekto
