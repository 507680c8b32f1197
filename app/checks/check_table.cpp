#include "app/checks/check_table.h"

#include <array>

#include "app/checks/check_conditions.h"

namespace pekto {
namespace {

using F = MaskField;
using namespace check;

// Number, field that gets the focus, condition, message; in the order the
// checks run. The messages are the program's own texts, kept as written.
constexpr std::array<InputCheck, 103> kInputChecks = {{
    {1, F::Period, &PeriodNotFourDigits,
     "Bitte den Abrechnungsmonat/Jahr im\r\n"
     "korrekten Format angeben...."},
    {2, F::Period, &PeriodMonthOutOfRange,
     "Bitte einen logischen Abrechnungs-\r\n"
     "monat 01 - 12 angeben...."},
    {3, F::Period, &NoParametersForYear,
     "Es wurden keine Bezugsdaten (Steuer- und Sozialversicherung) für das Jahr {Jahr} gefunden. Mit dieser "
     "Progrannversion können ausschliesslich die Jahre {Jahre} abgerechnet werden.\r\n"
     "\r\n"
     "Bitte wenden Sie sich gegebenenfalls an den Softwareersteler.\r\n"
     "Telefon: {Telefon}"},
    {4, F::KvRate, &KvSupplementNegative,
     "Der Zusatzbeitrag zur Krankenversicherung kann nicht\r\n"
     "nagativ sein.\r\n"
     "\r\n"
     "Bitte prüfen Sie den von Ihnen angegebenen prozentualen\r\n"
     "Beitragssatz zur Krankenversicherung."},
    {5, F::FileName, &FileNameStartsWithBlank,
     "Im Eingabefeld NAME Ist an erster Stelle\r\n"
     "kein BLANK zulässig...."},
    {6, F::KvKey, &KvKeyTwoAbolished,
     "Der KV-Schlüssel 2 ist ab 2009\r\n"
     "unzulässig......"},
    {7, F::SvAttributeKey, &GleitzoneProtectionEnded,
     "Ab dem 01.01.2015 entfällt der Bestandsschutz für eine Gleitzonenbeschäftigung.\r\n"
     "Mitarbeiter deren regelmässiges Entgelt ab diesem Zeitpunkt weiterhin zwischen\r\n"
     "400,01 Euro und 450,00 Euro beträgt,  müssen dann der Bundesknappschaft (Minijob)\r\n"
     "zugeordnet werden."},
    {8, F::SvAttributeKey, &TransitionKeyOtherThanThree,
     "Ab dem 01.07.2019 ist für den sozialversicherungsrechtlichen Übergangsbereich\r\n"
     "(bis zum 30.06.2019 Gleitzone) ausschliesslich der Schlüssel 3 zulässig."},
    {9, F::NetWageAgreement, &NetWageForLowEarner,
     "Nettolohnvereinbarung ist bei Geringver-\r\n"
     "diener nicht möglich...."},
    {10, F::SvAttributeKey, &ProtectionKeySevenOutsideItsPeriod,
     "Der Gleitzonenschlüssel 7 ist ausschliesslich für die\r\n"
     "Abrechnungszeitraüme 01.10.22 bie 31.12.23\r\n"
     "vorgesehen."},
    {11, F::RvKey, &ProtectedMidijobWithPensionKey,
     "Ein Bestandschutz besteht im Übergangsbereich zwischen 450,01 Euro und 520,00 Euro und ist vom Gesetzgeber in "
     "der Rentenversicherung nicht vorgesehen. Es sei denn, es handelt sich um einen Beschäftigten im "
     "Privathaushalt.\r\n"
     "\r\n"
     "Der Mitarbeiter muss über zwei Krankemkassen abgerechnet werden. Ee müssen also zwei Abrechnungen erstellt "
     "werden:\r\n"
     "1. Gesetzliche Krankenkassen mit der Beistragsgruppe (KV RV AV PV) 1011 und Personengruppe 109\r\n"
     "2. Bundesknappschaft (Minijobzentrale) mit der Beistragsgruppe 0100 oder 0500 und Personengruppe 109\r\n"
     "\r\n"
     "In den Versicherungszweigen KV AV PV können weitere Besonderheiten z.B. Verzicht auf Bestandsschutz bestehen."},
    {12, F::StateCode, &StateCodeUnknown, "Bitte das Bundesland gemäß Schlüsselverzeichnis eintragen...."},
    {13, F::PvEmployerAmount, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld\r\n"
     "PV-AG mit korrekter Kommastel-\r\n"
     "lung (xxx,xx) angeben."},
    {14, F::PvEmployeeAmount, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld\r\n"
     "PV-AN mit korrekter Kommastel-\r\n"
     "lung (xxx,xx) angeben."},
    {15, F::KvRate, &AmountMalformed,
     "Bitte den % Satz im Eingabefeld\r\n"
     "KV-Satz im korrekter Kommastel-\r\n"
     "lung (xx,xx) angeben."},
    {16, F::KvEmployerAmount, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld\r\n"
     "KV-AG mit korrekter Kommastel-\r\n"
     "lung (xx,xx) angeben."},
    {17, F::KvEmployeeAmount, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld\r\n"
     "KV-AN mit korrekter Kommastel-\r\n"
     "lung (xx,xx) angeben."},
    {18, F::KvEmployerAmount, &VoluntaryAmountMissing,
     "Bitte den Arbeitgeberbeitrag zur freiwilligen\r\n"
     "Krankenversicherung angeben."},
    {19, F::KvEmployeeAmount, &VoluntaryAmountMissing,
     "Bitte den Arbeitnehmerbeitrag zur freiwilligen\r\n"
     "Krankenversicherung angeben."},
    {20, F::PvEmployerAmount, &VoluntaryAmountMissing,
     "Bitte den Arbeitgeberbeitrag zur freiwilligen\r\n"
     "Pflegeversicherung angeben."},
    {21, F::PvEmployeeAmount, &VoluntaryAmountMissing,
     "Bitte den Arbeitnehmerbeitrag zur freiwilligen\r\n"
     "Pflegeversicherung angeben."},
    {22, F::U1Rate, &AmountMalformed,
     "Bitte den % Satz im Eingabefeld\r\n"
     "UV1 mit korrekter Kommastel-\r\n"
     "lung (xx,xx) angeben."},
    {23, F::U2Rate, &AmountMalformed,
     "Bitte den % Satz im Eingabefeld\r\n"
     "UV2 mit korrekter Kommastel-\r\n"
     "lung (xx,xx) angeben."},
    {24, F::ChildAllowances, &AmountMalformed,
     "Bitte die Anzahl der Kinderfrei-\r\n"
     "beträge  mit korrekter Kommastel-\r\n"
     "lung (xx,x) angeben."},
    {25, F::AnnualAllowance, &AmountMalformed,
     "Bitte die Menge mit korrekter\r\n"
     "Kommastellung (xxx,xx) oder\r\n"
     "(-xxx,xx) angeben."},
    {26, F::PkvBasicPremium, &AmountMalformed,
     "Bitte die steuerlch ansetzbare Zahlung des Arbeitnehmers zur\r\n"
     "prvaten Krankenversicherung mit korrekter Kommastellung\r\n"
     "(xxx,xx) angeben.\r\n"
     "\r\n"
     "Der entsprechende Betrag wird privatversicherten Arbeitneh-\r\n"
     "mern von der Krankenkasse mtgeteilt."},
    {27, F::PensionFirstMonth, &AmountMalformed,
     "Bitte den Versorgungsbezug, für den ersten\r\n"
     "vollen Monat im Jahr, mit korrekter Komma-\r\n"
     "stellung (xx,xx) angeben."},
    {28, F::PensionInCurrent, &AmountMalformed,
     "Bitte den im laufenden steuerpflichtigen\r\n"
     "Bruttolohn enthaltenen Versorgungsbezug\r\n"
     "mit korrekter Kommastellung (xxxx,xx)\r\n"
     "angeben."},
    {29, F::PensionOneOffExpected, &AmountMalformed,
     "Bitte die zu erwartenden einmaligen\r\n"
     "Versorgungsbezüge mit korrekter Kom-\r\n"
     "mastellung (xxxx,xx) angeben."},
    {30, F::GrossTotal, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld Brutto-\r\n"
     "lohn gesamt mit korrekter Kommastel-\r\n"
     "lung (xxxx,xx) angeben."},
    {31, F::PensionInOther, &AmountMalformed,
     "Bitte den im sonstigen steuerpflichtigen\r\n"
     "Bruttolohn enthaltenen Versorgungsbezug\r\n"
     "mit korrekter Kommastellung (xxxx,xx)\r\n"
     "angeben."},
    {32, F::TaxableGross, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld steuerpflich-\r\n"
     "tiger Bruttolohn mit korrekter Kommastellung\r\n"
     "(xxxx,xx) angeben."},
    {33, F::SvGross, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld SV-Pflichti-\r\n"
     "ger Bruttolohn mit korrekter Kommastellung\r\n"
     "(xxxx,xx) angeben."},
    {34, F::SvOneOff, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld SV-Pflich-\r\n"
     "tig st. Bezüge mit korrekter Kommastellung\r\n"
     "(xxxx,xx) angeben."},
    {35, F::TaxableOther, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld Steuerpflich-\r\n"
     "tig st. Bezüge mit korrekter Kommastellung\r\n"
     "(xxxx,xx) angeben."},
    {36, F::KvAccumAmount, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld KV-Pflichtig\r\n"
     "st. Bezüge mit korrekter Kommastellung\r\n"
     "(xxxx,xx) angeben."},
    {37, F::RvAccumAmount, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld RV-Pflichtig\r\n"
     "st. Bezüge mit korrekter Kommastellung\r\n"
     "(xxxx,xx) angeben."},
    {38, F::AvAccumAmount, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld ALO-Pflichtig\r\n"
     "st. Bezüge mit korrekter Kommastellung\r\n"
     "(xxxx,xx) angeben."},
    {39, F::LevyAccumAmount, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld umlagepflichtige\r\n"
     "sonstige Bezüge mit korrekter Kommastellung\r\n"
     "(xxxx,xx) angeben."},
    {40, F::ExpectedAnnualIncome, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld zu erwartendes\r\n"
     "Steuerpfl. Entgelt st. Bezüge mit korrekter\r\n"
     "Kommastellung (xxxx,xx) angeben."},
    {41, F::GarnishIncome, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld Pfänd-\r\n"
     "bares Arbeitseinkommen mit korrekter\r\n"
     "Kommastellung (xxxx,xx) angeben."},
    {42, F::GarnishClaims, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld For-\r\n"
     "derungen gesamt mit korrekter Komma-\r\n"
     "stellung (xxxx,xx) angeben."},
    {43, F::MidiOtherEmployerPay, &AmountMalformed,
     "Bitte den Betrag im Eingabefeld Mehrfach\r\n"
     "Gleitzone mit korrekter Kommastellung\r\n"
     "(xxx,xx) angeben."},
    {44, F::ChildAllowances, &ChildAllowancesNotInHalves,
     "Bitte die Kinderanzahl im korrekten\r\n"
     "Format eintragen...."},
    {45, F::KvKey, &KeyNotInList,
     "Bitte den KV-Schlüssel gemäß Schlüssel-\r\n"
     "verzeichnis eintragen...."},
    {46, F::KvRate, &KvRateWithPrivateInsurance,
     "Bei einem privat versicherten Arbeitnehmer ist\r\n"
     "kein prozentualer Krankenversicherungssatz an-\r\n"
     "anzugeben."},
    {47, F::KvKey, &VoluntaryAmountsWithCompulsoryKey,
     "Arbeitnehmer kann nicht KV-Pflichtig\r\n"
     "und freiwillig versichert sein...."},
    {48, F::KvKey, &EmployeeShareWithoutFirmPayerKey,
     "Ab 2005 ist für freiwillig Versicherte deren\r\n"
     "KV-Beiträge oder PV-Beiträge durch den Arbeit-\r\n"
     "geber abgeführt werden, nur noch der KV-Schlüs-\r\n"
     "sel 9 zulässig. Bei Angabe des AN-Beitrages wer-\r\n"
     "den die freiw. Beiträge abgeführt."},
    {49, F::RvKey, &KeyNotInList,
     "Bitte den RV-Schlüssel gemäß Schlüssel-\r\n"
     "verzeichnis eintragen...."},
    {50, F::RvKey, &RvKeyOfFormerBranches,
     "Die RV-Beitragsgsschlüssel 2,3 und 4\r\n"
     "sind ab 2005 nicht mehr gültig...."},
    {51, F::AvKey, &KeyNotInList,
     "Bitte den AV-Schlüssel gemäß Schlüssel-\r\n"
     "verzeichnis eintragen...."},
    {52, F::PvKey, &KeyNotInList,
     "Bitte den PV-Schlüssel gemäß Schlüssel-\r\n"
     "verzeichnis eintragen...."},
    {53, F::MidiOtherEmployerPay, &OtherEmployerPayAboveLimit,
     "Das Arbeitsentgelt anderer Arbeitgeber\r\n"
     "innerhalb der Gleitzone kann nicht mehr\r\n"
     "als {Grenze} Euro betragen. (Kein Gleitzo-\r\n"
     "nenfall bei Ihnen) ??"},
    {54, F::TaxClass, &TaxClassWithFlatTax,
     "Bei Pauschalversteuerung keine Angabe\r\n"
     "der Lohnsteuerklasse...."},
    {55, F::BirthDate, &BirthDateNotEightDigits,
     "Bitte das Geburtsdatum achtstellg\r\n"
     "eintragen...."},
    {56, F::BirthDate, &BirthDateNotADate,
     "Es wurde ein unlogisches Geburts-\r\n"
     "datum angegeben...."},
    {57, F::KvRate, &KvRateMissing,
     "Bitte den Beitragssatz zur Kranken-\r\n"
     "versicherung angeben...."},
    {58, F::U1Rate, &U1RateMissing, "Bitte den Beitragssatz zur UV1 angeben...."},
    {59, F::SvAttributeKey, &TransitionKeyBeforeApril2003,
     "Die Schlüssel 3,4 und 5 sind als gesamt\r\n"
     "sozialversicherungsrelevantes Merkmal\r\n"
     "erst ab dem 01.04.2003 zugelassen...."},
    {60, F::KvKey, &MiniJobWithKvKey,
     "Krankenversicherungsschlüssel bei Ge-\r\n"
     "ringfügigkeit unzulässig.."},
    {61, F::RvKey, &MiniJobWithRvKey,
     "Rentenversicherungsschlüssel bei Ge-\r\n"
     "ringfügigkeit unzulässig.."},
    {62, F::KvKey, &MiniJobKvKeyWithoutMiniJob,
     "Krankenversicherungsschlüssel nur bei\r\n"
     "Geringfügigkeit zulässig"},
    {63, F::RvKey, &MiniJobRvKeyWithoutMiniJob,
     "Rentenversicherungsschlüssel nur bei\r\n"
     "Geringfügigkeit zulässig."},
    {64, F::RvKey, &MiniJobRvKeyBeforeApril1999,
     "Rentenversicherungsschlüssel erst\r\n"
     "ab 01.04.99 zulässig."},
    {65, F::KvKey, &MiniJobKvKeyBeforeApril1999,
     "Krankenversicherungsschlüssel erst\r\n"
     "ab 01.04.99 zulässig"},
    {66, F::TaxFactor, &FactorBefore2010,
     "Der Faktor für die Steuerklasse vier ist erst\r\n"
     "ab dem 01.01.2010 zulässig"},
    {67, F::TaxFactor, &FactorNotThreeDigits,
     "Der Faktor für die Steuerklasse vier, muss\r\n"
     "dreistellig eingetragen werden.."},
    {68, F::TaxFactor, &FactorZero,
     "Der Faktor 000 ist für die Steuerklasse\r\n"
     "vier nicht zulässeig..."},
    {69, F::TaxFactor, &FactorWithoutClassFour,
     "Der Faktor zur Berechnung der Lohnsteuer ist ausschliesslch\r\n"
     "für die Steuerklasse vier zulässeig..."},
    {70, F::ChurchEmployee, &ChurchKeyUnknown,
     "Bitte den Kirchensteuerschlüssel laut\r\n"
     "Schlüsselverzeichnis eintragen...."},
    {71, F::ChurchSpouse, &ChurchKeyUnknown,
     "Bitte den Kirchensteuerschlüssel laut\r\n"
     "Schlüsselverzeichnis eintragen...."},
    {72, F::ChurchSpouse, &SpouseChurchWithoutEmployeeChurch,
     "Ehegatte kann nicht pflichtig sein, da Arbeitnehmer nicht pflichtig...."},
    {73, F::BirthDate, &OlderThan103,
     "Laut Geburtsdatum ist der Arbeitnehmer zu Zeitpunkt\r\n"
     "der Abrechnung über 103 Jahre alt."},
    {74, F::BirthDate, &YoungerThan10,
     "Laut Geburtsdatum ist der Arbeitnehmer zu Zeitpunkt der\r\n"
     "Abrechnung noch keine 10 Jahre alt."},
    {75, F::TaxClass, &TaxablePayWithoutTaxation,
     "Bei steuerpflichtigem Entgelt Steuer-\r\n"
     "klasse oder Pauschalierung angeben...."},
    {76, F::TaxClass, &TaxableOneOffWithoutTaxation,
     "Bei steuerpflichtigem Entgelt Steuer-\r\n"
     "klasse oder Pauschalierung angeben...."},
    {77, F::SvAttributeKey, &OldGleitzoneProtectionKey,
     "Sie haben den Gleitzonenschlüssel {Schluessel} (Gesamt sozialversicherungsrelevantes Merkmal)\r\n"
     "gesetzt. Dieser Schlüssel ist ausschliesslich unter den folgenden Bedingungen zulässig:\r\n"
     "\r\n"
     "Die Abrechnung muss sich auf das Jahr 2013 oder 2014 beziehen\r\n"
     "\r\n"
     "und\r\n"
     "\r\n"
     "das Beschäftigungsverhältnis hat bereits im Dezember 2012 bestanden\r\n"
     "\r\n"
     "und\r\n"
     "\r\n"
     "das Arbeitsentgelt beträgt zwischen 400,01 Euro und 450,00 Euro."},
    {78, F::FlatTaxKind, &FlatTaxWithTaxNetWage,
     "Bei Pauschal. kann Nettolohnvereinbarung\r\n"
     "nur für SV-Beiträge gelten...."},
    {79, F::TaxDays, &TaxDaysMissing,
     "Bei steuerpflichtigem Entgelt sind\r\n"
     "die Steuertage anzugeben...."},
    {80, F::TaxDays, &DaysOutOfRange,
     "Die Anzahl der Steuertage muss\r\n"
     "\r\n"
     "kleiner 30 oder\r\n"
     "30=Monat oder\r\n"
     "360=Jahr sein...."},
    {81, F::SvDays, &SvDaysMissing,
     "Bei sozialversicherungspflichtigem Entgelt\r\n"
     "sind die Sozialtage anzugeben...."},
    {82, F::SvDays, &DaysOutOfRange,
     "Die Anzahl der Sozialversicherungstage muss\r\n"
     "\r\n"
     "kleiner 30 oder\r\n"
     "30=Monat oder\r\n"
     "360=Jahr sein...."},
    {83, F::SvDays, &TransitionBeyondOneMonth,
     "In der Gleitzone können nur Abrechnungs-\r\n"
     "zeiträume bis zu einem Monat abgerechnet\r\n"
     "werden...."},
    {84, F::OtherYears, &OneOffYearsMissing,
     "Bitte die Anzahl der Jahre für\r\n"
     "die Einmalzahlung angeben...."},
    {85, F::TaxableOther, &OneOffMissingForYears,
     "Bitte die steuerpflichtige\r\n"
     " Einnalzahlung angeben...."},
    {86, F::TaxableOther, &FlatTaxOneOffForSeveralYears,
     "Sonstiger Bezug ist steuerrechtlich als\r\n"
     "laufender Bezug zu behandeln...."},
    {87, F::RvAccumDays, &AccumulatedDaysMissing,
     "Die zu Grunde liegenden Rentenver-\r\n"
     "sicherungstage sind anzugeben...."},
    {88, F::KvAccumDays, &AccumulatedDaysMissing,
     "Die zu Grunde liegenden Krankenver-\r\n"
     "sicherungstage sind anzugeben...."},
    {89, F::AvAccumDays, &AccumulatedDaysMissing,
     "Die zu Grunde liegenden Arbeitslosen-\r\n"
     "versicherungstage sind anzugeben...."},
    {90, F::LevyAccumDays, &AccumulatedDaysMissing,
     "Die zu Grunde liegenden Umlageversich-\r\n"
     "erungstage sind anzugeben....."},
    {91, F::GarnishCalendarDays, &GarnishDaysAbove31, "Tagesanzahl kann nicht grösser 31 sein...."},
    {92, F::GarnishCalendarDays, &GarnishPeriodMissing,
     "Die Zeitangabe (Tage/Monate) muß\r\n"
     "bei Lohnpfändung erfolgen...."},
    {93, F::GarnishClaims, &GarnishClaimsMissing, "Bitte die Gesamtforderung angeben...."},
    {94, F::PensionMonths, &PensionMonthsAbove12,
     "Die Anzahl der Monate für die Versorgungs-\r\n"
     "bezüge gezahlt werden, kann maximal 12 sein."},
    {95, F::PensionMonths, &PensionMonthsMissingForYear,
     "Beträgt der Abrechnungszeitraum 360 Steuertage\r\n"
     "und werden Versorgungsbezüge gezahlt, so sind\r\n"
     "die Monate, für die Versorgungsbezüge gezahlt\r\n"
     "werden, anzugeben."},
    {96, F::PensionFirstMonth, &PensionFirstMonthMissing,
     "Bitte den Versorgungsbezug, für den\r\n"
     "ersten vollen Monat im Jahr angeben."},
    {97, F::PensionStartYear, &PensionStartYearImplausible,
     "Das Jahr ab dem der Versorgungsbezug erstmalig\r\n"
     "gewährt wurde, ist nicht plausibel."},
    {98, F::PensionStartYear, &PensionStartYearMissing,
     "Bitte das Jahr ab dem der Versorgungsbezug\r\n"
     "erstmalig gewährt wurde angeben."},
    {99, F::PkvBasicPremium, &PrivatePremiumBefore2010,
     "Beiträge des Arbeitnehmers zur prvaten Krankenversicherung\r\n"
     "können erst ab 2010 steuerlich berücksichtigt werrden.\r\n"
     "\r\n"
     "Der entsprechende Betrag wird privatversicherten Arbeitneh-\r\n"
     "mern von der Krankenkasse mtgeteilt. Bitte entfernen Sie\r\n"
     "den Eintrag."},
    {100, F::PvKey, &PvKeyWithPrivateInsurance,
     "Bei privat versicherten Arbeitnehmern muss als\r\n"
     "Schlüssel für die Pflegeversicherung 0 einge-\r\n"
     "tragen werden."},
    {101, F::PkvBasicPremium, &PrivatePremiumWithoutPrivateKey,
     "Die steuerlich ansetzbare Zahlung des Arbeitnehmers zur privaten\r\n"
     "Krankenversicherung ist nur für privatversicherte mit KV-Schlüssel=0\r\n"
     "anzugeben. Falls der Arbeitgeber einen Zuschuss zur privaten KV\r\n"
     "gewährt, ist dieser unter KV-AG bzw. PV-AG (erste Eingabezeile)\r\n"
     "einzutragen. Der steuerlich ansetzbare Betrag wird privatversich-\r\n"
     "erten Arbeitnehmern von der Krankenkasse mtgeteilt."},
    {102, F::TaxableOther, &OneOffPensionWithoutOneOff,
     "Bitte den steuerpflichtigen sonstigen\r\n"
     "Bezug angeben........."},
    {103, F::ChurchEmployee, &FlatChurchByDenominationWithoutChurch,
     "Keine Aufteilung nach Konfession möglich,\r\n"
     "da keine Konfessionszugeh....."},
}};

}  // namespace

CheckContext::CheckContext(const MaskFields& mask_fields, const YearParameters& year_parameters)
    : mask(mask_fields),
      params(year_parameters),
      period_yyyymm(PeriodToYyyymm(mask_fields[F::Period])),
      year(period_yyyymm / 100) {}

std::span<const InputCheck> InputCheckTable() { return kInputChecks; }

}  // namespace pekto
