// One entry of a popup menu as data: what the dialogs' cores hand to the
// dialog layer for a key directory, the F1 choice or a list of years.
#pragma once

#include <string>

namespace pekto {

struct PopupEntry {
  std::string text;  // "&" before the access key
  int command = 0;   // what choosing the entry sends; 0 for a line that is only shown
  bool enabled = true;
  bool separator = false;
  bool literal = false;  // a line of text only: "&" is shown as a character, not an access key
  bool operator==(const PopupEntry&) const = default;

  [[nodiscard]] bool Selectable() const { return !separator && enabled && command != 0; }
};

}  // namespace pekto
