#include "app/dialogs/star_dialog.h"

#include "app/startup/login.h"
#include "app/startup/online_services.h"
#include "app/startup/program_state.h"
#include "calc/year_parameters.h"
#include "platform/atomic_file.h"
#include "platform/processes.h"
#include "ui/widget_factory.h"
#include "ui/windows.h"

namespace pekto {

namespace {

constexpr int kNameTopic = 140;
constexpr int kPasswordTopic = 141;
constexpr int kNewPasswordTopic = 142;
constexpr int kKeyboardTopic = 211;
constexpr int kMaxNameLength = 30;
constexpr int kMaxPasswordLength = 30;
constexpr const char* kYearChangeDocumentName = "Wesentl_Neuerun2024.pdf";

std::string SupportedYears() {
  return std::to_string(kFirstParameterYear) + " - " + std::to_string(kLastParameterYear);
}

}  // namespace

StarDialog::StarDialog(AppContext& context, FrameCommands& frame)
    : Dialog(context.dialogs, "StarDialog"), context_(context), frame_(frame) {
  if (!IsBuilt()) return;
  setWindowTitle(ToQString(std::string(kProgramTitle) + " " + SupportedYears()));
  SetUpFields();
  const bool query_off = !context_.state.system_file.PasswordQueryEnabled();
  ShowControl(kQueryOffLine1, query_off);
  ShowControl(kQueryOffLine2, query_off);
  RefreshOnlineLines();
  context_.online.AttachStartMask(this);
  Focus(kNameField);
}

StarDialog::~StarDialog() { context_.online.AttachStartMask(nullptr); }

void StarDialog::EnableStartButtons(bool enabled) {
  Enable(kShowMainMask, enabled);
  Enable(kEndProgram, enabled);
}

void StarDialog::RefreshOnlineLines() {
  const std::vector<std::string> lines = context_.online.VersionLines();
  SetText(kVersionLine, lines.size() > 0 ? lines[0] : "");
  SetText(kLastCheckLine, lines.size() > 1 ? lines[1] : "");
  ShowStartCheckSetting();
}

void StarDialog::EndProgramForUpdate() { frame_.EndProgram(); }

void StarDialog::SetUpFields() {
  const std::u32string letters(kLetterKeys);
  SetFieldRule(kNameField, FieldInputRule{letters + U", ", kMaxNameLength}, " Name, Vorname", kNameTopic);
  SetFieldRule(kPasswordField, FieldInputRule{letters, kMaxPasswordLength}, " Paßwort", kPasswordTopic);
  SetFieldRule(kNewPasswordField, FieldInputRule{letters, kMaxPasswordLength}, " Paßwort neu", kNewPasswordTopic);
}

void StarDialog::ShowStartCheckSetting() {
  const std::string setting = context_.online.StartCheckSetting();
  CheckMenuItem(kCheckAtStart, setting == "1");
  CheckMenuItem(kNoCheckAtStart, setting == "2");
}

void StarDialog::OnCommand(int id) {
  if (OnlineCommand(id)) return;
  switch (id) {
    case kShowMainMask:
      LogIn();
      break;
    case kEndProgram:
    case kIdCancel:
      frame_.EndProgram();
      break;
    case kReleaseNotes: {
      ReleaseNotesDialog notes(context_, this);
      ShowModalDialog(notes);
      break;
    }
    case kYearChangeDocument:
      ShowYearChangeDocument();
      break;
    case kKeyboardHelp:
      Services().help.ShowTopic(context_.state.paths.File(kHelpFile), kKeyboardTopic);
      break;
    case kFieldHelp:
      Services().help.ShowTopic(context_.state.paths.File(kHelpFile), Services().field_state.help_topic);
      break;
    default:
      break;
  }
}

bool StarDialog::OnlineCommand(int id) {
  switch (id) {
    case kCheckVersion:
      context_.online.CheckVersion(0);
      return true;
    case kUpdateWithoutCheck:
      context_.online.CheckVersion(2);
      return true;
    case kCheckAtStart:
    case kNoCheckAtStart:
      context_.online.SetStartCheckSetting(id == kCheckAtStart ? "1" : "2");
      RefreshOnlineLines();
      return true;
    case kTermsOfBusiness:
      context_.online.OpenVendorPage(VendorPage::TermsOfBusiness);
      return true;
    case kHomepage:
      context_.online.OpenVendorPage(VendorPage::Homepage);
      return true;
    case kSiblingProduct:
      context_.online.OpenVendorPage(VendorPage::SiblingProduct);
      return true;
    default:
      return false;
  }
}

void StarDialog::LogIn() {
  const LoginInput input{Text(kNameField), Text(kPasswordField), Text(kNewPasswordField)};
  const LoginOutcome outcome = Login(context_.state, context_.files, Services().messages, input);
  if (outcome.logged_in) {
    frame_.ShowMainMask();
  } else {
    Focus(outcome.focus_field);
  }
}

void StarDialog::ShowYearChangeDocument() {
  const LaunchResult result = context_.documents.Open(context_.state.paths.File(kYearChangeDocumentName));
  if (result.started) return;
  MessageBoxCentered(Services().messages,
                     JoinLines({"Die wesentlichen Neuerungen können nicht angezeigt werden !",
                                "Eventuell wurde das Programm Adobe Reader  nicht auf", "Ihrem Rechner installiert."}),
                     "Kontrolle (Fehler" + std::to_string(result.error_code) + ")", kMbIconExclamation);
}

ReleaseNotesDialog::ReleaseNotesDialog(AppContext& context, QWidget* parent)
    : Dialog(context.dialogs, "PAIP4DLG", parent) {
  if (!IsBuilt()) return;
  const auto notes = ReadWholeFile(context.resource_dir / "release_notes.txt");
  SetText(101, notes.value_or("Die Programmänderungen konnten nicht gelesen werden."));
  Focus(kIdOk);
}

void ReleaseNotesDialog::OnCommand(int id) {
  if (id == kIdOk || id == kIdCancel) done(id);
}

}  // namespace pekto
