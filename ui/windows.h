// Showing dialogs and message boxes on the screen: modal and modeless
// dialogs, centring one window over another, the message boxes centred
// over the active window, and the help window.
#pragma once

#include <QPointer>
#include <filesystem>
#include <memory>

#include "platform/help.h"
#include "ui/dialog.h"
#include "ui/message_box.h"

class QWidget;

namespace pekto {

class HelpWindow;

// Moves `moved` so that it stands centred over `reference`, kept on the
// screen, and keeps it above other windows.
void CenterWindowOver(const QWidget& reference, QWidget& moved);

// Runs the dialog modally, centred over its owner; the owner's field state
// (input filter, help topic) is saved while it runs and restored after.
int ShowModalDialog(Dialog& dialog);
// Shows the dialog; false when it could not be created from its template.
bool ShowModelessDialog(Dialog& dialog);

class ScreenMessageBoxes final : public MessageBoxes {
 public:
  MessageResult Show(const Message& message) override;
};

// Help pages in a window of their own, one window for all topics, with a
// close button; Esc closes it.
class HelpWindowViewer final : public HelpViewer {
 public:
  explicit HelpWindowViewer(std::filesystem::path help_root);
  ~HelpWindowViewer() override;
  void ShowTopic(std::string_view help_file, int topic) override;
  // The window once a topic was shown (it closes with Esc or its button).
  [[nodiscard]] QWidget* Window() const;

 private:
  std::filesystem::path help_root_;
  std::unique_ptr<HelpWindow> window_;
};

}  // namespace pekto
