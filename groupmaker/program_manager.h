// The group creator's client of the shell's program-group service: builds
// the Program Manager's command texts from the group definition, sends
// them in one execute transaction followed by ShowGroup, and reports every
// failure in a box of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "groupmaker/mandor_ini.h"
#include "platform/desktop_shell.h"
#include "ui/message_box.h"

namespace pekto {

inline constexpr std::string_view kGroupCreatorCaption = "MANDOR";
// The group creator ends by itself this long after its work.
inline constexpr int kGroupCreatorEndMilliseconds = 5000;
inline constexpr int kProgramManagerTimeoutMilliseconds = 20000;

// "[CreateGroup(name)]" followed by one AddItem per item in their order.
[[nodiscard]] std::string CreateGroupCommands(const GroupDefinition& group);
[[nodiscard]] std::string ShowGroupCommand(std::string_view group_name);
// The box text for an error code of the DDE library.
[[nodiscard]] std::string DdeErrorText(int code);

class ProgrammManager {
 public:
  ProgrammManager(ProgramGroupService& service, MessageBoxes& boxes) : service_(service), boxes_(boxes) {}
  // Connects; a missing service is reported and leaves the client unconnected.
  void Connect();
  [[nodiscard]] bool Connected() const { return connected_; }
  // Sends the group when it has at least one item.
  void CreateGroup(const GroupDefinition& group);
  void Disconnect();

 private:
  void Send(std::string_view commands);

  ProgramGroupService& service_;
  MessageBoxes& boxes_;
  bool connected_ = false;
};

// What MANDOR.EXE does between its start and its timer: read the INI text
// (nullopt: no file), connect, send, disconnect.
void RunGroupCreator(const std::optional<std::string>& ini_bytes, std::string_view creator_dir,
                     ProgramGroupService& service, MessageBoxes& boxes);

}  // namespace pekto
