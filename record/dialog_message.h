// A message box as data: the core decides caption, lines, icon and buttons;
// only the dialog layer shows it.
#pragma once

#include <string>
#include <vector>

namespace pekto {

enum class MessageKind {
  Information,  // information icon, OK
  Exclamation,  // exclamation icon, OK (input errors)
  Question,     // question icon, Yes/No
  DeleteQuestion,  // question icon, Yes/No with "Nein" the default: before anything is deleted
  Warning,      // exclamation icon, Yes/No
  Stop,         // stop icon, OK (errors)
};

struct DialogMessage {
  std::string caption;
  std::vector<std::string> lines;
  MessageKind kind = MessageKind::Information;

  // The lines joined with CR LF, as the box shows them.
  [[nodiscard]] std::string Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) text += "\r\n";
      text += lines[i];
    }
    return text;
  }
  bool operator==(const DialogMessage&) const = default;
};

}  // namespace pekto
