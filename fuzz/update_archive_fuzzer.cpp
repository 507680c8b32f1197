// The update archive PEKTOW.UPD as the update program reads it, and the
// signature check over it; an archive that reads is written and read back
// to the same files.
#include "fuzz/fuzz_support.h"
#include "online/update_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = pekto::fuzz::Text(data, size);
  if (const auto entries = pekto::ReadArchive(bytes)) {
    for (const auto& entry : *entries) pekto::fuzz::Require(pekto::IsArchiveFileName(entry.name), "plain names only");
    const auto written = pekto::WriteArchive(*entries);
    pekto::fuzz::Require(written.has_value(), "an archive that reads can be written");
    const auto again = pekto::ReadArchive(*written);
    pekto::fuzz::Require(again.has_value() && *again == *entries, "a written archive reads back");
  }
  // The first 64 bytes as a signature over the rest.
  if (size >= pekto::kSignatureBytes) {
    (void)pekto::VerifiedArchive(bytes.substr(pekto::kSignatureBytes), bytes.substr(0, pekto::kSignatureBytes),
                                 pekto::ReleasePublicKey());
  }
  return 0;
}
