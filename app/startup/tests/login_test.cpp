#include "app/startup/login.h"

#include <gtest/gtest.h>

#include "app/startup/program_state.h"
#include "app/startup/tests/test_installation.h"

namespace pekto {
namespace {

using testing_support::TestInstallation;
using testing_support::TwoUsers;

SystemFile Users(bool query = true) {
  NewSystemFile contents = TwoUsers();
  contents.password_query = query;
  contents.users.push_back({"KÖNIG", "K\u201DNIG"});  // written by an installer in the DOS code page
  contents.users.push_back({"MAIER", "ZWEITES"});
  return MakeSystemFile(contents);
}

struct LoginRow {
  const char* name;
  bool query;
  LoginInput input;
  LoginVerdict verdict;
  int user;
  const char* message;  // nullptr: none
  int focus;
};
void PrintTo(const LoginRow& c, std::ostream* os) { *os << c.name; }

class DecideLoginTest : public testing::TestWithParam<LoginRow> {};

TEST_P(DecideLoginTest, Decides) {
  const auto& row = GetParam();
  const LoginDecision decision = DecideLogin(Users(row.query), row.input);
  EXPECT_EQ(decision.verdict, row.verdict);
  if (row.verdict != LoginVerdict::Refused) {
    EXPECT_EQ(decision.user_number, row.user);
  }
  ASSERT_EQ(decision.message.has_value(), row.message != nullptr);
  if (row.message != nullptr) {
    EXPECT_EQ(decision.message->caption, "Kontrolle !");
    EXPECT_EQ(decision.message->text, row.message);
    EXPECT_EQ(decision.focus_field, row.focus);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecideLoginTest,
    testing::Values(
        LoginRow{"QueryOffEmptyMaskIsUser01", false, {}, LoginVerdict::LoggedIn, 1, nullptr, 0},
        LoginRow{
            "QueryOffIgnoresTheTypedName", false, {"Müller, Jürgen", "x", ""}, LoginVerdict::LoggedIn, 1, nullptr, 0},
        LoginRow{"QueryOffRefusesAPasswordChange",
                 false,
                 {"", "", "neu"},
                 LoginVerdict::Refused,
                 0,
                 "Um Ihr Paßwort zu ändern, müssen\r\nSie die Paßwortabfrage (Instal-\r\nlationsprogramm wählen.",
                 kNewPasswordField},
        LoginRow{"EmptyName",
                 true,
                 {"", "GEHEIM", ""},
                 LoginVerdict::Refused,
                 0,
                 "Es muß der Name und das\r\nPaßwort angegeben werden !",
                 kNameField},
        LoginRow{"ExactMatch", true, {"MAIER", "GEHEIM", ""}, LoginVerdict::LoggedIn, 1, nullptr, 0},
        LoginRow{"LowerCaseTypingMatches", true, {"maier", "geheim", ""}, LoginVerdict::LoggedIn, 1, nullptr, 0},
        LoginRow{"StoredNameInMixedCaseWithUmlauts",
                 true,
                 {"müller, jürgen", "öl", ""},
                 LoginVerdict::LoggedIn,
                 2,
                 nullptr,
                 0},
        LoginRow{"DosUmlautInTheStoredPassword", true, {"König", "könig", ""}, LoginVerdict::LoggedIn, 3, nullptr, 0},
        LoginRow{"FirstMatchingEntryWins", true, {"Maier", "zweites", ""}, LoginVerdict::LoggedIn, 4, nullptr, 0},
        LoginRow{"WrongPassword",
                 true,
                 {"MAIER", "FALSCH", ""},
                 LoginVerdict::Refused,
                 0,
                 "Name oder Paßwort ungültig !",
                 kNameField},
        LoginRow{"UnknownName",
                 true,
                 {"SCHMIDT", "GEHEIM", ""},
                 LoginVerdict::Refused,
                 0,
                 "Name oder Paßwort ungültig !",
                 kNameField},
        LoginRow{"PasswordChange", true, {"maier", "geheim", "neues"}, LoginVerdict::ChangePassword, 1, nullptr, 0},
        LoginRow{"ChangeWithDosUmlautNeedsTheExactPassword",
                 true,
                 {"König", "könig", "neu"},
                 LoginVerdict::Refused,
                 0,
                 "NAME oder PASSWORT ungültig !",
                 kPasswordField}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecideLogin, APasswordChangeWithoutTheOldPasswordIsRefused) {
  // An entry whose password is empty admits the empty password; changing
  // it still asks for the old one.
  NewSystemFile contents = TwoUsers();
  contents.users.push_back({"LEER", ""});
  const LoginDecision decision = DecideLogin(MakeSystemFile(contents), {"leer", "", "neu"});
  EXPECT_EQ(decision.verdict, LoginVerdict::Refused);
  ASSERT_TRUE(decision.message.has_value());
  EXPECT_EQ(decision.message->text, " Bitte Ihr altes Paßwort angeben....");
  EXPECT_EQ(decision.focus_field, kPasswordField);
}

class LoginTest : public testing::Test {
 protected:
  void SetUp() override {
    installation_.Install(TwoUsers());
    state_.system_file = ReadSystemFile(installation_.files, "C:\\PEKTO\\LODAT2.SYS").file;
    ApplyPaths(state_);
  }
  TestInstallation installation_{"login"};
  ProgramState state_;
  RecordingMessageBoxes boxes_;
};

TEST_F(LoginTest, TheLoginSetsTheUsersDirectories) {
  EXPECT_TRUE(Login(state_, installation_.files, boxes_, {"müller, jürgen", "öl", ""}).logged_in);
  EXPECT_EQ(state_.paths.UserDataDir(), "C:\\PEKTO\\02");
  EXPECT_EQ(state_.paths.HistoryDir(), "C:\\PEKTO\\HIS02");
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(LoginTest, APasswordChangeRewritesTheSystemFileAndIsAnnounced) {
  const LoginOutcome outcome = Login(state_, installation_.files, boxes_, {"maier", "geheim", "sommer"});
  EXPECT_TRUE(outcome.logged_in);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Ihr neues Paßwort wurde\r\nangenommen....");
  const SystemFileRead reread = ReadSystemFile(installation_.files, "C:\\PEKTO\\LODAT2.SYS");
  EXPECT_EQ(reread.file.User(1).password, "SOMMER");
  EXPECT_EQ(reread.file.User(2).password, "ÖL");
  EXPECT_EQ(state_.system_file, reread.file);
}

TEST_F(LoginTest, AnUnwritableSystemFileKeepsTheOldPasswordAndRefusesTheLogin) {
  const DosFileSystem elsewhere(installation_.root / "nowhere");
  const LoginOutcome outcome = Login(state_, elsewhere, boxes_, {"maier", "geheim", "sommer"});
  EXPECT_FALSE(outcome.logged_in);
  EXPECT_EQ(outcome.focus_field, kNewPasswordField);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_EQ(state_.system_file.User(1).password, "GEHEIM");
  EXPECT_EQ(state_.user_number, 0);
}

TEST_F(LoginTest, ARefusalShowsItsMessageAndLeavesThePaths) {
  const LoginOutcome outcome = Login(state_, installation_.files, boxes_, {"maier", "x", ""});
  EXPECT_FALSE(outcome.logged_in);
  EXPECT_EQ(outcome.focus_field, kNameField);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(state_.paths.user_dir, "");
}

}  // namespace
}  // namespace pekto
