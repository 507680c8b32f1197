#include "app/dialogs/results_overview_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "app/dialogs/tests/main_mask_fixture.h"
#include "ui/windows.h"

namespace pekto {
namespace {

using namespace overview_control;
using testing_support::kResourceDir;
using testing_support::Screenshot;
using testing_support::UiResponder;

class ResultsOverviewDialogTest : public ::testing::Test {
 protected:
  // Shows the overview and answers with `command`; true when rejected.
  bool Show(const PayrollResult& result, bool from_booking_mask, int command, const std::string& picture = {}) {
    owner_.show();
    ResultsOverviewDialog overview(services_, result, from_booking_mask, &owner_);
    responder_.HandleDialog([&](QWidget&) {
      for (int id = 401; id <= 481; ++id) {
        if (overview.Control(id) != nullptr) texts_[id] = overview.Text(id);
      }
      alignment_ = qobject_cast<QLineEdit*>(overview.Control(Grid(0, 0)))->alignment();
      if (!picture.empty()) Screenshot(overview, picture);
      overview.SendCommand(command);
    });
    ShowModalDialog(overview);
    return overview.Rejected();
  }

  rc::Script script_ = rc::LoadScripts(kResourceDir / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState state_;
  FieldStateStack stack_;
  DialogServices services_{script_, boxes_, help_, state_, stack_};
  QWidget owner_;
  UiResponder responder_;
  std::map<int, std::string> texts_;
  Qt::Alignment alignment_;
};

TEST_F(ResultsOverviewDialogTest, ShowsTheContentsRightAlignedAndCanBeRejected) {
  PayrollResult r;
  r.current_employee.wage_tax = Cents(31708);
  r.uniform_flat_tax = true;
  r.employer.flat_wage_tax = Cents(1076);
  EXPECT_FALSE(Show(r, false, kAccept));
  EXPECT_EQ(texts_, ResultsOverviewTexts(r, false));
  EXPECT_TRUE(alignment_.testFlag(Qt::AlignRight));
  EXPECT_TRUE(Show(r, true, kReject, "results_overview_flat_tax.png"));
  EXPECT_EQ(texts_[kNoteFrame], "Hinweis: Eine ausführliche Darstellung des Bruttolohnbereiches erfogt.");
}

TEST_F(ResultsOverviewDialogTest, EscapeLetsTheCalculationStand) {
  owner_.show();
  ResultsOverviewDialog overview(services_, PayrollResult{}, false, &owner_);
  responder_.HandleDialog([&](QWidget&) { QTest::keyClick(&overview, Qt::Key_Escape); });
  ShowModalDialog(overview);
  EXPECT_FALSE(overview.Rejected());
}

}  // namespace
}  // namespace pekto
