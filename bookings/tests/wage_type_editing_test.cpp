#include "bookings/wage_type_editing.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pekto {
namespace {

namespace col = wage_column;

WageTypeTable Types() {
  WageTypeTable t;
  t.rows[0] = {"01", "1", "Gehalt", "1", "1", "1", "1", "", "", ""};
  t.rows[1] = {"02", "12", "EG-Pauschale (Steuerklasse)", "1", "2", "4", "", "", "", ""};
  t.rows[2] = {"03", "44", "Steuertage", "9", "", "", "", "", "", ""};
  t.count = 3;
  return t;
}

struct RefusalCase {
  const char* name;
  WageTypeEditLine line;
  int focus;
  const char* caption;
  const char* first_line;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class EditorRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(EditorRefusals, NothingChanges) {
  const RefusalCase& c = GetParam();
  WageTypeTable table = Types();
  WageTypeEditLine edit = c.line;
  const auto result = ConfirmWageTypeLine(table, edit);
  ASSERT_EQ(result.outcome, WageTypeEditOutcome::Refused);
  EXPECT_EQ(result.focus, c.focus);
  EXPECT_EQ(result.message->caption, c.caption);
  EXPECT_EQ(result.message->lines.front(), c.first_line);
  EXPECT_EQ(edit, c.line);
  EXPECT_EQ(table.count, 3);
  EXPECT_FALSE(table.changed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorRefusals,
    testing::Values(
        RefusalCase{"UnknownRunningNumber", {"07", "", "", "", "", "", ""}, col::kRunningNumber, "Eingabe Fehler !",
                    "Der angegebene Datensatz wurde nicht gefunden."},
        RefusalCase{"NoName", {"", "5", "", "1", "1", "1", ""}, col::kName, "Eingabe Fehler",
                    "Bitte die Bezeichnung der"},
        RefusalCase{"NoNumber", {"", "", "Urlaubsgeld", "1", "2", "2", ""}, col::kNumber, "Eingabe Fehler",
                    "Bitte die Nummer der Lohnart"},
        RefusalCase{"NameWithAForbiddenCharacter", {"", "5", "Gehalt & Co", "1", "1", "1", ""}, col::kName,
                    "Eingabe Fehler", "Die Bezeichnung der Lohnart enthält"},
        RefusalCase{"NoCategory", {"", "5", "Urlaubsgeld", "", "2", "2", ""}, col::kCategory, "Eingabe Fehler",
                    "Bitte die Lohn-Art nach dem"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WageTypeEditor, AppendsChangesAndDeletes) {
  WageTypeTable table = Types();
  WageTypeEditLine edit = {"", "5", "Urlaubsgeld", "1", "2", "2", "1"};
  ASSERT_EQ(ConfirmWageTypeLine(table, edit).outcome, WageTypeEditOutcome::Appended);
  EXPECT_EQ(table.count, 4);
  EXPECT_EQ(table.rows[3][col::kRunningNumber], "04");
  EXPECT_EQ(table.rows[3][col::kName], "Urlaubsgeld");
  EXPECT_TRUE(table.changed);
  EXPECT_EQ(edit, WageTypeEditLine{});

  edit = {"1", "", "", "", "", "", ""};
  ASSERT_EQ(ConfirmWageTypeLine(table, edit).outcome, WageTypeEditOutcome::TakenIntoEditLine);
  EXPECT_EQ(edit[col::kName], "Gehalt");
  edit[col::kName] = "Monatsgehalt";
  ASSERT_EQ(ConfirmWageTypeLine(table, edit).outcome, WageTypeEditOutcome::Replaced);
  EXPECT_EQ(table.rows[0][col::kName], "Monatsgehalt");

  edit = {"03", "", "Steuertage", "9", "", "", ""};
  ASSERT_EQ(ConfirmWageTypeLine(table, edit).outcome, WageTypeEditOutcome::Deleted);
  ASSERT_EQ(table.count, 3);
  EXPECT_EQ(table.rows[2][col::kName], "Urlaubsgeld");
  EXPECT_EQ(table.rows[2][col::kRunningNumber], "03");
  EXPECT_EQ(table.rows[3][col::kRunningNumber], "");
}

TEST(WageTypeEditor, TheEnergyAllowanceKeepsItsName) {
  WageTypeTable table = Types();
  EXPECT_TRUE(IsNameReadOnly("EG-Pauschale (Steuerklasse)"));
  EXPECT_TRUE(IsNameReadOnly("EG-Pauschale (Pauschsteuer)"));
  EXPECT_FALSE(IsNameReadOnly("Inflationspraemie"));
  WageTypeEditLine edit = {"02", "13", "Bonus", "1", "2", "4", ""};
  ASSERT_EQ(ConfirmWageTypeLine(table, edit).outcome, WageTypeEditOutcome::Replaced);
  EXPECT_EQ(table.rows[1][col::kName], "EG-Pauschale (Steuerklasse)");
  EXPECT_EQ(table.rows[1][col::kNumber], "13");
}

TEST(WageTypeEditor, AHundredthWageTypeIsRefused) {
  WageTypeTable table;
  for (int i = 0; i < kMaxWageTypes; ++i) {
    WageTypeEditLine edit = {"", std::to_string(i + 1), "Lohnart", "1", "1", "1", ""};
    ASSERT_EQ(ConfirmWageTypeLine(table, edit).outcome, WageTypeEditOutcome::Appended) << i;
  }
  EXPECT_EQ(table.rows[98][col::kRunningNumber], "99");
  WageTypeEditLine edit = {"", "100", "Lohnart", "1", "1", "1", ""};
  const auto result = ConfirmWageTypeLine(table, edit);
  ASSERT_EQ(result.outcome, WageTypeEditOutcome::Refused);
  EXPECT_EQ(result.message->Text(), "Mehr als 99 Lohnarten\r\nkönnen nicht erfaßt\r\nwerden.");
  EXPECT_EQ(result.message->caption, "Kontrolle !");
  EXPECT_EQ(table.count, kMaxWageTypes);
}

TEST(KeyLists, WriteTheDigitOfTheEntry) {
  const auto categories = KeyListEntries(KeyList::Category);
  ASSERT_EQ(categories.size(), 10U);
  EXPECT_EQ(categories[3].text, "&4=Arbeitgeber SV-Beiträge oder Steuern");
  EXPECT_EQ(KeyListEntries(KeyList::Category, true)[3].text, "&4=Arbeitgeben SV-Beiträge oder Steuern");
  EXPECT_EQ(categories[9].text, "0=Sozialversicherungstage");
  EXPECT_EQ(KeyOfListCommand(categories[9].command), "0");
  EXPECT_EQ(KeyOfListCommand(KeyListEntries(KeyList::GarnishmentKey)[3].command), "3");
  EXPECT_EQ(KeyOfListCommand(KeyListEntries(KeyList::TaxKey)[0].command), "1");
  EXPECT_FALSE(KeyOfListCommand(kShowKeyListCommand));
}

TEST(Instructions, SayBuchungInTheBookingMask) {
  EXPECT_EQ(WageTypeInstruction(EditInstruction::New).Text(),
            "Bei der Neuerfassung einer Lohnart ist\r\nk e i n e  laufende Nummer anzugeben.");
  EXPECT_EQ(BookingInstruction(EditInstruction::New).lines.front(), "Bei der Neuerfassung einer Buchung ist");
  EXPECT_EQ(BookingInstruction(EditInstruction::Delete).lines[8], "3. Entfernen Sie nur die Buchungsnummer der Lohnart.");
  EXPECT_EQ(WageTypeInstruction(EditInstruction::Delete).lines[8], "3. Entfernen Sie nur die Nummer der Lohnart (Buchungs-");
  EXPECT_EQ(WageTypeInstruction(EditInstruction::Change).caption, "Hinweis");
}

TEST(WageTypeSelection, ListsNumberAndName) {
  const auto entries = WageTypeSelectionEntries(Types());
  ASSERT_EQ(entries.size(), 3U);
  EXPECT_EQ(entries[0], " 1  Gehalt");
  EXPECT_EQ(entries[1], "12  EG-Pauschale (Steuerklasse)");
}

// Deleting the wage-type file asks with "Nein" as the default answer.
TEST(WageTypeEditor, DeletingTheFileAsksWithNeinAsTheDefault) {
  EXPECT_EQ(DeleteWageTypeFileQuestion().kind, MessageKind::DeleteQuestion);
  EXPECT_EQ(UnsavedWageTypesQuestion().kind, MessageKind::Question);
}

}  // namespace
}  // namespace pekto
