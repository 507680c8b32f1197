#include "groupmaker/program_manager.h"

#include <array>

namespace pekto {

namespace {

// The DDE library's error codes 0x4000..0x4011 in order.
constexpr std::array<std::string_view, 18> kDdeErrorTexts = {
    "Fehler: DMLERR_ADVACKTIMEOUT",
    "Fehler: DMLERR_BUSY\t",
    "Fehler: DMLERR_DATAACKTIMEOUT",
    "Fehler: DMLERR_DLL_NOT_INITIALIZED\t",
    "Fehler: DMLERR_DLL_USAGE",
    "Fehler: DMLERR_EXECACKTIMEOUT",
    "Fehler: DMLERR_INVALIDPARAMETER",
    "Fehler: DMLERR_LOW_MEMORY",
    "Fehler: DMLERR_MEMORY_ERROR",
    "Fehler: DMLERR_NOTPROCESSED",
    "Fehler: DMLERR_NO_CONV_ESTABLISHED",
    "Fehler: DMLERR_POKEACKTIMEOUT",
    "Fehler: DMLERR_POSTMSG_FAILED",
    "Fehler: DMLERR_REENTRANCY",
    "Fehler: DMLERR_SERVER_DIED",
    "Fehler: DMLERR_SYS_ERROR",
    "Fehler: DMLERR_UNADVACKTIMEOUT",
    "Fehler: DMLERR_UNFOUND_QUEUE_ID",
};
constexpr int kFirstDdeError = 0x4000;

}  // namespace

std::string CreateGroupCommands(const GroupDefinition& group) {
  std::string text = "[CreateGroup(" + group.group_name + ")]";
  for (const auto& item : group.items) {
    text += "[AddItem(" + item.path + "," + item.name;
    if (!item.icon_path.empty()) text += "," + item.icon_path;
    text += ")]";
  }
  return text;
}

std::string ShowGroupCommand(std::string_view group_name) { return "[ShowGroup(" + std::string(group_name) + ",1)]"; }

std::string DdeErrorText(int code) {
  const int index = code - kFirstDdeError;
  if (index < 0 || index >= static_cast<int>(kDdeErrorTexts.size())) return "Unbekannter DDE-Fehler";
  return std::string(kDdeErrorTexts[static_cast<std::size_t>(index)]);
}

void ProgrammManager::Connect() {
  connected_ = service_.Connect();
  if (!connected_) {
    MessageBoxCentered(boxes_,
                       "Konnte Konversation nicht starten. Stellen Sie sicher, dassder Programmanager verfügbar ist.",
                       kGroupCreatorCaption, kMbIconStop);
  }
}

void ProgrammManager::CreateGroup(const GroupDefinition& group) {
  if (group.items.empty()) return;
  Send(CreateGroupCommands(group));
  Send(ShowGroupCommand(group.group_name));
}

void ProgrammManager::Send(std::string_view commands) {
  const int result = connected_ ? service_.Execute(commands) : kDdeNoConversation;
  if (result != kDdeNoError) MessageBoxCentered(boxes_, DdeErrorText(result), kGroupCreatorCaption, kMbIconInformation);
}

void ProgrammManager::Disconnect() {
  if (connected_) service_.Disconnect();
  connected_ = false;
}

void RunGroupCreator(const std::optional<std::string>& ini_bytes, std::string_view creator_dir,
                     ProgramGroupService& service, MessageBoxes& boxes) {
  ProgrammManager client(service, boxes);
  client.Connect();
  const GroupDefinition group = ReadGroupDefinition(IniFile::Parse(ini_bytes.value_or("")), creator_dir);
  client.CreateGroup(group);
  client.Disconnect();
}

}  // namespace pekto
