#include "app/startup/login.h"

#include "app/startup/program_state.h"
#include "platform/dos_file_system.h"
#include "platform/utf8.h"

namespace pekto {

namespace {

Message Check(std::string text, MessageIcon icon = MessageIcon::Exclamation) {
  return {"Kontrolle !", std::move(text), icon, MessageButtons::Ok};
}

LoginDecision Refuse(std::string text, int focus_field) {
  LoginDecision decision;
  decision.message = Check(std::move(text));
  decision.focus_field = focus_field;
  return decision;
}

// The byte 0x94 of a password that an older installer stored in the DOS
// code page reads as "”" in Windows-1252; as the typed text is in upper
// case, it is compared as "Ö".
std::string WithDosUmlautOAsUpperCase(const std::string& password) {
  std::string out;
  for (std::size_t pos = 0; pos < password.size();) {
    const char32_t c = NextCodePoint(password, pos);
    AppendUtf8(out, c == U'\u201D' ? U'Ö' : c);
  }
  return out;
}

int FindUser(const SystemFile& file, const std::string& name, const std::string& password, bool dos_variant) {
  for (int number = 1; number <= kUserEntries; ++number) {
    const UserEntry user = file.User(number);
    if (ToUpperGerman(user.name) != name) continue;
    if (user.password == password) return number;
    if (dos_variant && WithDosUmlautOAsUpperCase(user.password) == password) return number;
  }
  return 0;
}

}  // namespace

LoginDecision DecideLogin(const SystemFile& file, const LoginInput& input) {
  const std::string name = ToUpperGerman(input.name);
  const std::string password = ToUpperGerman(input.password);
  const std::string new_password = ToUpperGerman(input.new_password);
  int user_number = 1;
  if (!file.PasswordQueryEnabled()) {
    if (!new_password.empty()) {
      return Refuse(
          JoinLines({"Um Ihr Paßwort zu ändern, müssen", "Sie die Paßwortabfrage (Instal-", "lationsprogramm wählen."}),
          kNewPasswordField);
    }
  } else {
    if (name.empty()) return Refuse(JoinLines({"Es muß der Name und das", "Paßwort angegeben werden !"}), kNameField);
    user_number = FindUser(file, name, password, true);
    if (user_number == 0) return Refuse("Name oder Paßwort ungültig !", kNameField);
  }
  if (new_password.empty()) return {LoginVerdict::LoggedIn, user_number, std::nullopt, 0, {}};
  if (password.empty()) return Refuse(" Bitte Ihr altes Paßwort angeben....", kPasswordField);
  if (FindUser(file, name, password, false) == 0) return Refuse("NAME oder PASSWORT ungültig !", kPasswordField);
  return {LoginVerdict::ChangePassword, user_number, std::nullopt, 0, new_password};
}

namespace {

// Writes the new password; false (after the message) when the file could
// not be written, the old password then stays valid.
bool ChangePassword(ProgramState& state, const DosFileSystem& files, MessageBoxes& messages,
                    const LoginDecision& decision) {
  SystemFile changed = state.system_file;
  changed.SetPassword(decision.user_number, decision.new_password);
  const std::string path = state.paths.File(kSystemFileName);
  if (!WriteSystemFile(files, path, changed).ok) {
    MessageBoxCentered(
        messages,
        JoinLines({"Die Systemdatei " + path, "konnte nicht geschrieben werden.", "Ihr Paßwort wurde nicht geändert."}),
        "PEKTO Fehler!", kMbIconStop);
    return false;
  }
  const SystemFileRead reread = ReadSystemFile(files, path);
  state.system_file = reread.status == SystemFileStatus::Ok ? reread.file : changed;
  ApplyPaths(state);
  messages.Show(Check(JoinLines({"Ihr neues Paßwort wurde", "angenommen...."}), MessageIcon::Information));
  return true;
}

}  // namespace

LoginOutcome Login(ProgramState& state, const DosFileSystem& files, MessageBoxes& messages, const LoginInput& input) {
  const LoginDecision decision = DecideLogin(state.system_file, input);
  if (decision.verdict == LoginVerdict::Refused) {
    if (decision.message) messages.Show(*decision.message);
    return {false, decision.focus_field};
  }
  if (decision.verdict == LoginVerdict::ChangePassword && !ChangePassword(state, files, messages, decision)) {
    return {false, kNewPasswordField};
  }
  state.user_number = decision.user_number;
  ApplyPaths(state);
  return {true, 0};
}

}  // namespace pekto
