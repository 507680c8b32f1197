#include "calendar/kalen_dialog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "platform/dos_file_system.h"
#include "platform/start_token.h"

namespace pekto::calendar {
namespace {

namespace fs = std::filesystem;

class KalenDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(root_ / "drive_c" / "PEKTO"); }
  void TearDown() override {
    dialog_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fs::remove_all(root_);
  }
  void Start(YearMonth month) {
    ASSERT_TRUE(WriteStartToken(files_, "C:\\PEKTO"));
    dialog_ = StartCalendar(services_, files_, "C:\\PEKTO", month);
    ASSERT_NE(dialog_, nullptr);
  }
  void Step(int bar, QAbstractSlider::SliderAction action) {
    qobject_cast<QScrollBar*>(dialog_->Control(bar))->triggerAction(action);
  }
  // Writes a grab() of the dialog when PEKTO_SCREENSHOT_DIR names a folder.
  void Screenshot(const std::string& name) {
    const QPixmap picture = dialog_->grab();
    EXPECT_FALSE(picture.isNull());
    if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
      picture.save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name));
    }
  }

  fs::path root_ = fs::path(testing::TempDir()) / ("kalender_" + std::to_string(::getpid()));
  DosFileSystem files_{root_};
  rc::Script script_ = rc::LoadScripts(fs::path(PEKTO_SOURCE_DIR) / "resources" / "dorvel").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState state_;
  FieldStateStack stack_;
  DialogServices services_{script_, boxes_, help_, state_, stack_};
  std::unique_ptr<KalenDialog> dialog_;
};

TEST_F(KalenDialogTest, WithoutTheTokenTheGuardMessageEndsTheStart) {
  EXPECT_EQ(StartCalendar(services_, files_, "C:\\PEKTO", {2025, 5}), nullptr);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Stop);
  EXPECT_EQ(boxes_.shown[0].text, "Das Programm kann ausschlies-\r\nslich unter PEKTO.EXE gestartet\r\nwerden.");
}

TEST_F(KalenDialogTest, WithTheTokenTheCalendarOpensAndTakesIt) {
  Start({2025, 5});
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_FALSE(files_.FileExists("C:\\PEKTO\\START.DAT"));
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(dialog_->windowTitle().toStdString(), "Kalender");
  EXPECT_EQ(dialog_->Text(KalenDialog::kMonthName), "Mai");
  EXPECT_EQ(dialog_->Text(KalenDialog::kYear), "2025");
  EXPECT_EQ(dialog_->Text(KalenDialog::kHolidayList), " 1. Mai\n Christi Himmelfahrt");
  EXPECT_EQ(dialog_->Text(KalenDialog::kHolidayCount), "02");
  EXPECT_EQ(dialog_->Text(KalenDialog::kSundayCount), "04");
  EXPECT_EQ(dialog_->Text(KalenDialog::kSaturdayCount), "05");
  EXPECT_EQ(dialog_->Text(KalenDialog::kWorkingDayCount), "20");
  EXPECT_EQ(dialog_->Text(KalenDialog::kStateName), "alle Länder");
  Screenshot("kalender_mai_2025.png");
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(KalenDialogTest, WithoutItsTemplateTheCreationMessageShows) {
  rc::Script empty;
  DialogServices services{empty, boxes_, help_, state_, stack_};
  ASSERT_TRUE(WriteStartToken(files_, "C:\\PEKTO"));
  EXPECT_EQ(StartCalendar(services, files_, "C:\\PEKTO", {2025, 5}), nullptr);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text,
            "Der Kalender konnte nicht ge-\r\nöffnet werden.\r\nStarten Sie das Programm erneut\r\n"
            "direkt unter dem gewählten In-\r\nstallationspfad.");
}

TEST_F(KalenDialogTest, TheScrollBarsStepMonthAndYear) {
  Start({2024, 10});
  Step(KalenDialog::kMonthBar, QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(dialog_->Text(KalenDialog::kMonthName), "November");
  EXPECT_EQ(dialog_->Text(KalenDialog::kHolidayList),
            " Allerheiligen (lokal)\n Buß und Bettag\n      Entfällt in allen Bun-\n"
            "      desländern mit Ausnahme\n      Sachsens.");
  EXPECT_EQ(dialog_->Text(KalenDialog::kWorkingDayCount), "19");
  Screenshot("kalender_november_2024.png");
  Step(KalenDialog::kMonthBar, QAbstractSlider::SliderPageStepAdd);
  Step(KalenDialog::kMonthBar, QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(dialog_->View().shown, (YearMonth{2025, 1}));
  Step(KalenDialog::kYearBar, QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(dialog_->View().shown, (YearMonth{2024, 1}));
  EXPECT_EQ(qobject_cast<QScrollBar*>(dialog_->Control(KalenDialog::kYearBar))->value(), 50);
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(KalenDialogTest, TheLimitsPutUpTheirNotices) {
  Start({2099, 6});
  Step(KalenDialog::kYearBar, QAbstractSlider::SliderSingleStepAdd);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Datum bis maximal 31.12.2099");
  EXPECT_EQ(dialog_->View().shown, (YearMonth{2099, 6}));
  dialog_->close();
  Start({1900, 1});
  Step(KalenDialog::kMonthBar, QAbstractSlider::SliderSingleStepSub);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[1].text, "Datum bis minimal 01.01.1900");
  EXPECT_EQ(dialog_->Text(KalenDialog::kMonthName), "Januar");
  EXPECT_EQ(dialog_->Text(KalenDialog::kYear), "1900");
}

TEST_F(KalenDialogTest, TheStateBarMarksOnlyThatStatesHolidays) {
  Start({2024, 11});
  for (int i = 0; i < 13; ++i) Step(KalenDialog::kStateBar, QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(dialog_->Text(KalenDialog::kStateName), "Sachsen");
  EXPECT_EQ(dialog_->Text(KalenDialog::kHolidayList), " Buß und Bettag");
  EXPECT_EQ(dialog_->Text(KalenDialog::kWorkingDayCount), "20");
  Screenshot("kalender_november_2024_sachsen.png");
  Step(KalenDialog::kStateBar, QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(dialog_->Text(KalenDialog::kStateName), "Saarland");
  Step(KalenDialog::kMonthBar, QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(dialog_->Text(KalenDialog::kHolidayList), " 1. Weihnachtsfeiertag\n 2. Weihnachtsfeiertag");
  dialog_->ShowState(State::All);
  EXPECT_EQ(dialog_->Text(KalenDialog::kStateName), "alle Länder");
}

}  // namespace
}  // namespace pekto::calendar
