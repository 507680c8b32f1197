// The login of the start mask: the typed name and passwords against the
// user table of the system file, and the password change.
#pragma once

#include <optional>
#include <string>

#include "ui/message_box.h"

namespace pekto {

class DosFileSystem;
class SystemFile;
struct ProgramState;

inline constexpr int kNameField = 300;
inline constexpr int kPasswordField = 301;
inline constexpr int kNewPasswordField = 302;

struct LoginInput {
  std::string name;
  std::string password;
  std::string new_password;
};

enum class LoginVerdict { Refused, LoggedIn, ChangePassword };

struct LoginDecision {
  LoginVerdict verdict = LoginVerdict::Refused;
  int user_number = 0;
  std::optional<Message> message;  // why it was refused
  int focus_field = kNameField;    // where the focus goes after a refusal
  std::string new_password;        // upper case, for ChangePassword
};

// The rules of the start mask without any side effect: upper case, the
// user table in order, the second comparison with the DOS "ö" as "Ö".
[[nodiscard]] LoginDecision DecideLogin(const SystemFile& file, const LoginInput& input);

struct LoginOutcome {
  bool logged_in = false;
  int focus_field = kNameField;
};

// Decides, shows the messages, rewrites the system file for a password
// change (nothing is accepted that was not written) and sets the user's
// paths on success.
LoginOutcome Login(ProgramState& state, const DosFileSystem& files, MessageBoxes& messages, const LoginInput& input);

}  // namespace pekto
