// The messages of the online services, as the program shows them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/startup/online_services.h"
#include "ui/message_box.h"

namespace pekto::online_message {

[[nodiscard]] Message VersionFileNotRead();
[[nodiscard]] Message DownloadedVersionFileMissing();
[[nodiscard]] Message VersionIsCurrent(std::string_view version, std::string_view date);
[[nodiscard]] Message UpdateIncomplete(std::size_t bytes);
[[nodiscard]] Message UpdateNotAuthentic();
[[nodiscard]] Message HandOverNotWritten(std::string_view web_address);
[[nodiscard]] Message UpdateProgramMissing(std::string_view web_address);
[[nodiscard]] Message UpdateProgramNotStarted(std::string_view web_address);
[[nodiscard]] Message FirstRunQuestion();
[[nodiscard]] Message OutdatedAtStart();
[[nodiscard]] Message VendorPageNotOpened(VendorPage page, std::string_view web_address);
[[nodiscard]] Message SettingNotSaved(std::string_view path);
[[nodiscard]] Message NoRemoteAssistance();

}  // namespace pekto::online_message
