// The help of the main mask: the help topic of each menu command (shown
// instead of running the command while F1 is held down), the commands that
// only open a help page, and the popup of the legal changes per year.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "ui/popup_entry.h"

namespace pekto {

inline constexpr std::string_view kMainHelpFile = "PEKTO.CHM";
inline constexpr std::string_view kLawHelpFile = "GESETZ.CHM";
inline constexpr std::string_view kIndexHelpFile = "REGISTER.CHM";

// F1 on the button that leaves the main mask.
inline constexpr int kLeaveButtonTopic = 300;

struct HelpPage {
  std::string_view help_file;  // a file of the installation, "PEKTO.CHM"
  int topic = 0;               // 0: the file's start page
  bool operator==(const HelpPage&) const = default;
};

// Topics 1..369 are shown as themselves; 0 and topics from 370 on open the
// help file at its start page.
[[nodiscard]] int ShownTopic(int topic);

// The help topic of a menu command of the main mask (0 where the command
// has none); nothing for an id that is no menu command of the mask.
[[nodiscard]] std::optional<int> MenuCommandTopic(int command);

// What a command shows when its action is to open a help page: the help
// topics of the help menu, the index, and the legal changes per year.
[[nodiscard]] std::optional<HelpPage> HelpPageOfCommand(int command);

inline constexpr int kLegalChangesCommand = 261;
// The years of the legal changes as popup entries (2020..2026 send 528..534;
// no page exists for 2019, its entry is shown greyed).
[[nodiscard]] std::vector<PopupEntry> LegalChangesYears();

}  // namespace pekto
