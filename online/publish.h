// A release as the vendor puts it on a static web server: the version file
// "VERSPRK.INF" (version, date, caption, change notes), the update archive
// and its signature, the probe file "JSUMMEN.COM" and the two pages
// "index.htm" and "allgengebi.htm". Used by the publishing tool.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "online/update_archive.h"

namespace pekto {

struct ReleaseDescription {
  std::string version;             // its first four characters are the year: "2024.2"
  std::string date;                // DDMMYYYY
  std::string caption;             // the update offer's title
  std::vector<std::string> notes;  // the change notes, one line each
  std::vector<ArchiveEntry> files;  // must hold pektow.exe and INSTALL.EXE
  std::string homepage_html;        // empty: a plain default page
  std::string terms_html;
};

struct PublishResult {
  std::string error;  // empty when the release was built
  std::map<std::string, std::string> files;  // server file name -> bytes
};

[[nodiscard]] PublishResult BuildRelease(const ReleaseDescription& release, const SecretKey& key);
// Writes the files into `folder`, each replaced atomically; an error text
// or empty.
[[nodiscard]] std::string WriteRelease(const std::filesystem::path& folder, const PublishResult& release);

// The public half of a secret key.
[[nodiscard]] PublicKey PublicKeyOf(const SecretKey& key);

}  // namespace pekto
