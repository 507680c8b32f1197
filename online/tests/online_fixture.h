// A throw-away installation C:\PEKTO under a drives root of its own, a
// loopback server standing in for the vendor's, and the online services
// wired to both, with recorders for boxes, programs and documents.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "online/publish.h"
#include "online/tests/loopback_server.h"
#include "online/vendor_online_services.h"
#include "platform/processes.h"
#include "ui/message_box.h"

namespace pekto::testing_support {

class RecordingOffers final : public UpdateOfferScreen {
 public:
  bool OfferUpdate(const UpdateOffer& offer) override {
    offers.push_back(offer);
    return answer;
  }
  std::vector<UpdateOffer> offers;
  bool answer = false;
};

class RecordingStartMask final : public OnlineStartMask {
 public:
  void EnableStartButtons(bool enabled) override { buttons.push_back(enabled); }
  void RefreshOnlineLines() override { ++refreshed; }
  void EndProgramForUpdate() override { ended = true; }
  std::vector<bool> buttons;
  int refreshed = 0;
  bool ended = false;
};

inline const char* kToday = "12-08-2026";

// A small release: an update program and an installer.
inline ReleaseDescription SmallRelease(const std::string& version, const std::string& date) {
  return {version,
          date,
          "PEKTO " + version + " ist erschienen",
          {"Neu in dieser Version:", "- Beitragssätze 2024"},
          {{"pektow.exe", true, "#!/bin/sh\necho update\n"}, {"INSTALL.EXE", true, "#!/bin/sh\necho install\n"},
           {"PEKTO.CHM", false, "help"}},
          {},
          {}};
}

class OnlineTest : public testing::Test {
 protected:
  OnlineTest() {
    root_ = std::filesystem::temp_directory_path() /
            ("pekto-online-" + std::to_string(::getpid()) + "-" +
             testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "drive_c" / "PEKTO" / "HIS01");
    files_ = std::make_unique<DosFileSystem>(root_);
    keys_ = GenerateKeyPair();
  }
  ~OnlineTest() override {
    std::error_code error;
    std::filesystem::remove_all(root_, error);
  }

  // The online services with the settings read, the server overriding
  // whatever the installation names.
  VendorOnlineServices& Services() {
    if (!services_) {
      const std::string server = server_.HostAndPort();
      OnlineEnvironment env{*files_,  boxes_,
                            http_,    programs_,
                            documents_, offers_,
                            [server](std::string_view name) -> std::optional<std::string> {
                              if (name == kServerEnvironmentVariable) return server;
                              return std::nullopt;
                            },
                            [] { return std::string(kToday); },
                            keys_.public_key};
      services_ = std::make_unique<VendorOnlineServices>(std::move(env));
      services_->ReadSettings(paths_);
      services_->AttachStartMask(&mask_);
    }
    return *services_;
  }
  void Write(const std::string& dos, const std::string& bytes) {
    files_->CreateDirectories(dos.substr(0, dos.rfind('\\')));
    ASSERT_TRUE(files_->ReplaceFile(dos, bytes).ok) << dos;
  }
  [[nodiscard]] std::string Read(const std::string& dos) const { return files_->ReadFile(dos).value_or("<missing>"); }
  [[nodiscard]] bool Exists(const std::string& dos) const { return files_->FileExists(dos); }
  void Install(const std::string& version, const std::string& date) {
    Write("C:\\PEKTO\\VERSPRK.INF", version + "\r\n" + date + "\r\n");
  }
  // The release built and signed with `key`, served by the loopback server.
  PublishResult Publish(const ReleaseDescription& release, const SecretKey& key) {
    PublishResult result = BuildRelease(release, key);
    EXPECT_EQ(result.error, "");
    for (const auto& [name, bytes] : result.files) server_.Serve("/" + name, OkReply(bytes));
    return result;
  }
  PublishResult Publish(const std::string& version, const std::string& date) {
    return Publish(SmallRelease(version, date), keys_.secret_key);
  }
  [[nodiscard]] std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& box : boxes_.shown) captions.push_back(box.caption);
    return captions;
  }

  std::filesystem::path root_;
  std::unique_ptr<DosFileSystem> files_;
  InstallPaths paths_{"C", "PEKTO", ""};
  LoopbackServer server_;
  KeyPair keys_;
  RecordingMessageBoxes boxes_;
  PlainHttpClient http_;
  RecordingProgramStarter programs_;
  RecordingDocumentOpener documents_;
  RecordingOffers offers_;
  RecordingStartMask mask_;
  std::unique_ptr<VendorOnlineServices> services_;
};

}  // namespace pekto::testing_support
