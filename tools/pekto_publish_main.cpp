// pekto-publish: builds, from a release build, the files a vendor puts on
// a static web server (VERSPRK.INF, the signed update PEKTOW.UPD with
// PEKTOW.SIG, JSUMMEN.COM, index.htm, allgengebi.htm).
//
//   pekto-publish --generate-key KEYFILE
//   pekto-publish --key KEYFILE --version 2024.2 --date 15072024
//       --caption "..." --notes NOTES.txt --out FOLDER
//       --add pektow.exe=build/release/programs/pektow --add INSTALL.EXE=...
//       [--add NAME=PATH ...] [--homepage FILE] [--terms FILE]
// (one command line)
//
// The key file holds the secret signing key in hex and stays outside the
// repository; the program only carries the public half. An ARCVAI.EXE among
// the files must install the version and date given (its VERSPRK.INF), or
// the online check would offer the update again once it is installed.
#include <sys/stat.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "installer/archive_version.h"
#include "online/publish.h"
#include "platform/atomic_file.h"
#include "platform/value_lines.h"

namespace {

namespace fs = std::filesystem;

int Usage() {
  std::cerr << "usage: pekto-publish --generate-key KEYFILE\n"
               "       pekto-publish --key KEYFILE --version TEXT --date DDMMYYYY --caption TEXT\n"
               "                     --notes FILE --out FOLDER --add NAME=PATH... [--homepage FILE] [--terms FILE]\n";
  return 2;
}

int GenerateKey(const fs::path& key_file) {
  std::error_code error;
  if (fs::exists(key_file, error)) {
    std::cerr << "pekto-publish: " << key_file << " exists; it is not overwritten\n";
    return 1;
  }
  const pekto::KeyPair pair = pekto::GenerateKeyPair();
  const mode_t old_mask = ::umask(077);
  const pekto::WriteResult written = pekto::ReplaceFileAtomically(key_file, pekto::ToHex(pair.secret_key) + "\n");
  ::umask(old_mask);
  if (!written.ok) {
    std::cerr << "pekto-publish: cannot write " << key_file << "\n";
    return 1;
  }
  std::cout << pekto::ToHex(pair.public_key) << "\n";
  std::cerr << "Configure the program with -DPEKTO_RELEASE_PUBLIC_KEY=" << pekto::ToHex(pair.public_key) << "\n";
  return 0;
}

std::optional<std::string> ReadText(const std::string& path) {
  auto bytes = pekto::ReadWholeFile(path);
  if (!bytes) std::cerr << "pekto-publish: cannot read " << path << "\n";
  return bytes;
}

bool IsExecutable(const fs::path& path) {
  std::error_code error;
  const auto perms = fs::status(path, error).permissions();
  return !error && (perms & fs::perms::owner_exec) != fs::perms::none;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options;
  std::vector<std::string> added;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (!name.starts_with("--") || i + 1 >= argc) return Usage();
    const std::string value = argv[++i];
    if (name == "--add") {
      added.push_back(value);
    } else {
      options[name] = value;
    }
  }
  if (options.contains("--generate-key")) return GenerateKey(options["--generate-key"]);
  for (const char* required : {"--key", "--version", "--date", "--caption", "--notes", "--out"}) {
    if (!options.contains(required)) return Usage();
  }
  const auto key_text = ReadText(options["--key"]);
  if (!key_text) return 1;
  const auto key = pekto::SecretKeyFromHex(*key_text);
  if (!key) {
    std::cerr << "pekto-publish: " << options["--key"] << " holds no secret key\n";
    return 1;
  }
  if (pekto::PublicKeyOf(*key) != pekto::ReleasePublicKey()) {
    std::cerr << "pekto-publish: warning: this key is not the one built into this program ("
              << pekto::ToHex(pekto::ReleasePublicKey()) << ")\n";
  }
  pekto::ReleaseDescription release{options["--version"], options["--date"], options["--caption"], {}, {}, {}, {}};
  const auto notes = ReadText(options["--notes"]);
  if (!notes) return 1;
  for (const auto& line : pekto::SplitValueLines(*notes)) release.notes.push_back(line);
  for (const auto& item : added) {
    const auto equals = item.find('=');
    if (equals == std::string::npos) return Usage();
    const std::string path = item.substr(equals + 1);
    const auto bytes = ReadText(path);
    if (!bytes) return 1;
    release.files.push_back({item.substr(0, equals), IsExecutable(path), *bytes});
    if (item.substr(0, equals) == "ARCVAI.EXE") {
      const std::string wrong = pekto::CheckArchiveVersion(path, options["--version"], options["--date"]);
      if (!wrong.empty()) {
        std::cerr << "pekto-publish: " << wrong << "\n";
        return 1;
      }
    }
  }
  for (const auto& [option, target] : {std::pair{"--homepage", &release.homepage_html},
                                       std::pair{"--terms", &release.terms_html}}) {
    if (!options.contains(option)) continue;
    const auto page = ReadText(options[option]);
    if (!page) return 1;
    *target = *page;
  }
  const pekto::PublishResult result = pekto::BuildRelease(release, *key);
  if (!result.error.empty()) {
    std::cerr << "pekto-publish: " << result.error << "\n";
    return 1;
  }
  if (const std::string error = pekto::WriteRelease(options["--out"], result); !error.empty()) {
    std::cerr << "pekto-publish: " << error << "\n";
    return 1;
  }
  for (const auto& [name, bytes] : result.files) std::cout << options["--out"] << "/" << name << "\n";
  return 0;
}
