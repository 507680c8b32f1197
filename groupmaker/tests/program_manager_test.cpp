#include "groupmaker/program_manager.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace pekto {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTwoItems =
    "[INSTALL]\r\nPROG_GRP_NAME=Pekto\r\nNUM_ITEMS=2\r\nITEM_PATH1=\\PEKTO.EXE\r\nITEM_NAME1=Pekto\r\n"
    "ITEM_ICOPATH1=\\PEKTO.ICO\r\nITEM_PATH2=\\DORVEL.EXE\r\nITEM_NAME2=Kalender\r\n";

TEST(ProgramManagerCommands, CreateGroupCarriesEveryItem) {
  GroupDefinition group{"Pekto", {{"D:\\PROG\\PEKTO.EXE", "Pekto", "D:\\PROG\\PEKTO.ICO"}, {"D:\\PROG\\DORVEL.EXE", "Kalender", ""}}};
  EXPECT_EQ(CreateGroupCommands(group),
            "[CreateGroup(Pekto)][AddItem(D:\\PROG\\PEKTO.EXE,Pekto,D:\\PROG\\PEKTO.ICO)]"
            "[AddItem(D:\\PROG\\DORVEL.EXE,Kalender)]");
  EXPECT_EQ(ShowGroupCommand("Pekto"), "[ShowGroup(Pekto,1)]");
}

struct ErrorCase {
  const char* name;
  int code;
  const char* text;
};
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }
class DdeErrorTest : public testing::TestWithParam<ErrorCase> {};
TEST_P(DdeErrorTest, TextByCode) { EXPECT_EQ(DdeErrorText(GetParam().code), GetParam().text); }
INSTANTIATE_TEST_SUITE_P(
    Codes, DdeErrorTest,
    testing::Values(ErrorCase{"First", 0x4000, "Fehler: DMLERR_ADVACKTIMEOUT"},
                    ErrorCase{"BusyEndsInATab", 0x4001, "Fehler: DMLERR_BUSY\t"},
                    ErrorCase{"NotInitialisedEndsInATab", 0x4003, "Fehler: DMLERR_DLL_NOT_INITIALIZED\t"},
                    ErrorCase{"NoConversation", 0x400A, "Fehler: DMLERR_NO_CONV_ESTABLISHED"},
                    ErrorCase{"Last", 0x4011, "Fehler: DMLERR_UNFOUND_QUEUE_ID"},
                    ErrorCase{"BelowTheTable", 0x3FFF, "Unbekannter DDE-Fehler"},
                    ErrorCase{"AboveTheTable", 0x4012, "Unbekannter DDE-Fehler"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

TEST(GroupCreator, OneExecuteForTheGroupThenShowGroup) {
  RecordingProgramGroupService service;
  RecordingMessageBoxes boxes;
  RunGroupCreator(kTwoItems, "D:\\PROG\\", service, boxes);
  ASSERT_EQ(service.executed.size(), 2u);
  EXPECT_EQ(service.executed[0],
            "[CreateGroup(Pekto)][AddItem(D:\\PROG\\PEKTO.EXE,Pekto,D:\\PROG\\PEKTO.ICO)]"
            "[AddItem(D:\\PROG\\DORVEL.EXE,Kalender)]");
  EXPECT_EQ(service.executed[1], "[ShowGroup(Pekto,1)]");
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_FALSE(service.connected);
}

TEST(GroupCreator, NoItemsOrNoFileSendsNothing) {
  RecordingProgramGroupService service;
  RecordingMessageBoxes boxes;
  RunGroupCreator("[INSTALL]\nPROG_GRP_NAME=Pekto\nNUM_ITEMS=0\n", "C:\\PEKTO\\", service, boxes);
  RunGroupCreator(std::nullopt, "C:\\PEKTO\\", service, boxes);
  EXPECT_TRUE(service.executed.empty());
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(GroupCreator, AMissingServiceIsReportedAndEachTransactionFails) {
  RecordingProgramGroupService service;
  service.available = false;
  RecordingMessageBoxes boxes;
  RunGroupCreator(kTwoItems, "C:\\PEKTO\\", service, boxes);
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0], (Message{"MANDOR",
                                     "Konnte Konversation nicht starten. Stellen Sie sicher, dassder Programmanager "
                                     "verfügbar ist.",
                                     MessageIcon::Stop, MessageButtons::Ok}));
  EXPECT_EQ(boxes.shown[1], (Message{"MANDOR", "Fehler: DMLERR_NO_CONV_ESTABLISHED", MessageIcon::Information,
                                     MessageButtons::Ok}));
  EXPECT_EQ(boxes.shown[2], boxes.shown[1]);
}

TEST(GroupCreator, AFailedTransactionShowsItsError) {
  RecordingProgramGroupService service;
  service.answer = kDdeNotProcessed;
  RecordingMessageBoxes boxes;
  RunGroupCreator(kTwoItems, "C:\\PEKTO\\", service, boxes);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, "Fehler: DMLERR_NOTPROCESSED");
}

TEST(GroupCreator, WritesTheDesktopMenuOfTheGroup) {
  const fs::path root = fs::absolute(fs::path(testing::TempDir()) / ("mandor_" + std::to_string(::getpid())));
  fs::remove_all(root);
  fs::create_directories(root / "drives" / "drive_d" / "PROG");
  std::ofstream(root / "drives" / "drive_d" / "PROG" / "PEKTO.EXE") << "x";
  const DosFileSystem files(root / "drives");
  DesktopMenuGroupService service(files, XdgDirectories{root / "data", root / "config", root / "home"});
  RecordingMessageBoxes boxes;
  RunGroupCreator(kTwoItems, "D:\\PROG\\", service, boxes);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(fs::exists(root / "data" / "applications" / "pekto-pekto-pekto.desktop"));
  EXPECT_TRUE(fs::exists(root / "data" / "applications" / "pekto-pekto-kalender.desktop"));
  EXPECT_TRUE(fs::exists(root / "data" / "desktop-directories" / "pekto-pekto.directory"));
  EXPECT_TRUE(fs::exists(root / "config" / "menus" / "applications-merged" / "pekto-pekto.menu"));
  fs::remove_all(root);
}

}  // namespace
}  // namespace pekto
