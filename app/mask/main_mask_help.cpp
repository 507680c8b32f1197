#include "app/mask/main_mask_help.h"

#include <array>

namespace pekto {
namespace {

struct CommandTopic {
  int command;
  int topic;
};

// The menu commands of the main mask with their help topics (0: none).
constexpr std::array<CommandTopic, 32> kMenuCommandTopics = {{
    {256, 212},  {257, 213},  {265, 230},  {258, 214}, {259, 215},  {260, 216}, {276, 0},    {280, 232},
    {4096, 272}, {290, 263},  {289, 0},    {5289, 0},  {288, 254},  {279, 256}, {5661, 0},   {5662, 0},
    {5413, 328}, {5414, 328}, {512, 209},  {261, 100}, {5426, 0},   {273, 217}, {4359, 218}, {264, 218},
    {274, 211},  {275, 207},  {5417, 329}, {5424, 0},  {5425, 330}, {5730, 0},  {5731, 0},   {5427, 0},
}};

// The commands whose action is to show a help topic of the main help file.
constexpr std::array<CommandTopic, 6> kHelpTopicCommands = {{
    {512, 209},
    {273, 217},
    {274, 211},
    {275, 207},
    {5417, 329},
    {5425, 330},
}};

constexpr int kIndexCommand = 5426;
constexpr int kFirstLegalChangesCommand = 528;  // 2020
constexpr int kLastLegalChangesCommand = 534;   // 2026
constexpr int kFirstLegalChangesTopic = 50;
constexpr int kFirstShownTopic = 1;
constexpr int kLastContextTopic = 369;

}  // namespace

int ShownTopic(int topic) { return topic >= kFirstShownTopic && topic <= kLastContextTopic ? topic : 0; }

std::optional<int> MenuCommandTopic(int command) {
  for (const CommandTopic& row : kMenuCommandTopics) {
    if (row.command == command) return row.topic;
  }
  return std::nullopt;
}

std::optional<HelpPage> HelpPageOfCommand(int command) {
  if (command == kIndexCommand) return HelpPage{kIndexHelpFile, 0};
  if (command >= kFirstLegalChangesCommand && command <= kLastLegalChangesCommand) {
    return HelpPage{kLawHelpFile, kFirstLegalChangesTopic + command - kFirstLegalChangesCommand};
  }
  for (const CommandTopic& row : kHelpTopicCommands) {
    if (row.command == command) return HelpPage{kMainHelpFile, row.topic};
  }
  return std::nullopt;
}

std::vector<PopupEntry> LegalChangesYears() {
  std::vector<PopupEntry> years = {{"201&9", 0, false, false}};
  for (int command = kFirstLegalChangesCommand; command <= kLastLegalChangesCommand; ++command) {
    const int year_digit = command - kFirstLegalChangesCommand;
    years.push_back({"202&" + std::to_string(year_digit), command, true, false});
  }
  return years;
}

}  // namespace pekto
