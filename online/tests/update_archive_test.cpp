#include "online/update_archive.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

std::vector<ArchiveEntry> TwoFiles() {
  return {{"pektow.exe", true, std::string("\x7f" "ELF\0\1", 6)}, {"INSTALL.EXE", false, ""}};
}

TEST(UpdateArchiveTest, ReadsBackWhatWasWritten) {
  const auto archive = WriteArchive(TwoFiles());
  ASSERT_TRUE(archive);
  EXPECT_EQ(ReadArchive(*archive), TwoFiles());
  EXPECT_NE(FindEntry(*ReadArchive(*archive), "PEKTOW.EXE"), nullptr);
}

struct DamageRow {
  const char* name;
  std::string (*damage)(std::string archive);
};
void PrintTo(const DamageRow& row, std::ostream* out) { *out << row.name; }
class DamagedArchiveTest : public testing::TestWithParam<DamageRow> {};

TEST_P(DamagedArchiveTest, IsRefused) {
  const std::string archive = *WriteArchive(TwoFiles());
  EXPECT_FALSE(ReadArchive(GetParam().damage(archive)));
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedArchiveTest,
    testing::Values(DamageRow{"Truncated", [](std::string a) { return a.substr(0, a.size() - 1); }},
                    DamageRow{"TrailingBytes", [](std::string a) { return a + "x"; }},
                    DamageRow{"Empty", [](std::string) { return std::string(); }},
                    DamageRow{"OtherMagic", [](std::string a) { return "X" + a.substr(1); }},
                    DamageRow{"HugeDeclaredSize",
                              [](std::string a) {
                                a[9 + 4 + 2 + 10 + 1 + 7] = '\x7f';
                                return a;
                              }},
                    DamageRow{"PathInAName",
                              [](std::string a) {
                                a[9 + 4 + 2] = '/';
                                return a;
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateArchiveTest, OnlyPlainUniqueFileNamesGoIn) {
  for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "C:x", "name with blank"}) {
    EXPECT_FALSE(WriteArchive({{bad, false, "x"}})) << bad;
  }
  EXPECT_FALSE(WriteArchive({{"A.EXE", false, ""}, {"a.exe", false, ""}}));
}

TEST(UpdateArchiveTest, TheSignatureHoldsOnlyForTheSignedBytesAndKey) {
  const KeyPair keys = GenerateKeyPair();
  const std::string archive = *WriteArchive(TwoFiles());
  const std::string signature = SignDetached(archive, keys.secret_key);
  EXPECT_EQ(signature.size(), kSignatureBytes);
  EXPECT_TRUE(VerifiedArchive(archive, signature, keys.public_key));
  std::string changed = archive;
  changed[archive.size() - 1] ^= 1;
  EXPECT_FALSE(VerifiedArchive(changed, signature, keys.public_key));
  EXPECT_FALSE(VerifiedArchive(archive, signature, GenerateKeyPair().public_key));
  EXPECT_FALSE(VerifiedArchive(archive, signature.substr(1), keys.public_key));
  EXPECT_FALSE(VerifiedArchive(archive, "", keys.public_key));
}

TEST(UpdateArchiveTest, KeysTravelAsHex) {
  const KeyPair keys = GenerateKeyPair();
  EXPECT_EQ(PublicKeyFromHex(ToHex(keys.public_key) + "\n"), keys.public_key);
  EXPECT_EQ(SecretKeyFromHex(ToHex(keys.secret_key)), keys.secret_key);
  EXPECT_FALSE(PublicKeyFromHex("abc"));
  EXPECT_FALSE(PublicKeyFromHex(std::string(64, 'g')));
  EXPECT_EQ(ToHex(ReleasePublicKey()).size(), 64u);
  EXPECT_NE(ReleasePublicKey(), PublicKey{});
}

}  // namespace
}  // namespace pekto
