// The small settings files from outside: mandor.INI with the group it
// defines and the Program Manager commands built from it, the installer's
// HPEKTOWU.INI, the update hand-over file as the installer and the online
// services read it, a downloaded version file's update offer, and the
// server setting PEKTO_SERVER.INF. Every reader gets the same bytes.
#include "fuzz/fuzz_support.h"
#include "groupmaker/mandor_ini.h"
#include "groupmaker/program_manager.h"
#include "installer/installer_files.h"
#include "online/online_files.h"
#include "online/vendor_server.h"
#include "platform/desktop_shell.h"
#include "platform/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = pekto::fuzz::Text(data, size);

  const pekto::IniFile ini = pekto::IniFile::Parse(text);
  const pekto::GroupDefinition group = pekto::ReadGroupDefinition(ini, "C:\\PEKTO\\");
  const std::string commands = pekto::CreateGroupCommands(group) + pekto::ShowGroupCommand(group.group_name);
  (void)pekto::ParseProgramManagerCommands(commands);
  (void)pekto::ParseProgramManagerCommands(text);

  (void)pekto::InstallDirFromSettings(text);
  (void)pekto::ParseInstallerHandOver(text);
  if (const auto hand_over = pekto::ParseHandOver(text)) {
    const auto again = pekto::ParseHandOver(pekto::SerializeHandOver(*hand_over));
    pekto::fuzz::Require(again.has_value() && *again == *hand_over, "a written hand-over file reads back");
  }
  const pekto::UpdateOffer offer = pekto::ParseUpdateOffer(text);
  pekto::fuzz::Require(pekto::CodePointCount(offer.caption) <= 150 && pekto::CodePointCount(offer.notes) <= 8000,
                       "the offer keeps within its 150 and 8000 characters");
  (void)pekto::ParseVendorServer(text);
  return 0;
}
