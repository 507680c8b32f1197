// The start mask "StarDialog": user name and password, the password
// change, and the menu of release notes, update check, vendor pages and
// help.
#pragma once

#include "app/dialogs/app_context.h"
#include "app/startup/online_services.h"

namespace pekto {

class StarDialog final : public Dialog, public OnlineStartMask {
 public:
  StarDialog(AppContext& context, FrameCommands& frame);
  ~StarDialog() override;

  // Command ids of the start mask.
  static constexpr int kShowMainMask = 1;
  static constexpr int kEndProgram = 103;
  static constexpr int kReleaseNotes = 5528;
  static constexpr int kYearChangeDocument = 5527;
  static constexpr int kCheckVersion = 5529;
  static constexpr int kUpdateWithoutCheck = 5530;
  static constexpr int kCheckAtStart = 5534;
  static constexpr int kNoCheckAtStart = 5535;
  static constexpr int kTermsOfBusiness = 5531;
  static constexpr int kHomepage = 5532;
  static constexpr int kSiblingProduct = 5629;
  static constexpr int kKeyboardHelp = 593;
  static constexpr int kFieldHelp = 592;
  // The two lines shown when the password query is switched off.
  static constexpr int kQueryOffLine1 = 113;
  static constexpr int kQueryOffLine2 = 114;
  // The installed version and the last online check.
  static constexpr int kVersionLine = 115;
  static constexpr int kLastCheckLine = 116;

  void EnableStartButtons(bool enabled) override;
  void RefreshOnlineLines() override;
  void EndProgramForUpdate() override;

 protected:
  void OnCommand(int id) override;

 private:
  void SetUpFields();
  void ShowStartCheckSetting();
  void LogIn();
  void ShowYearChangeDocument();
  bool OnlineCommand(int id);

  AppContext& context_;
  FrameCommands& frame_;
};

// "Programmauslegung und Neuigkeiten": the release notes of the program.
class ReleaseNotesDialog final : public Dialog {
 public:
  ReleaseNotesDialog(AppContext& context, QWidget* parent);

 protected:
  void OnCommand(int id) override;
};

}  // namespace pekto
