#include "ui/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextBrowser>
#include <QUrl>

#include "ui/widget_factory.h"

namespace pekto {

namespace {

ScreenRect ToScreenRect(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

void MoveCentred(const QWidget& reference, QWidget& moved) {
  const QScreen* screen = reference.screen();
  if (screen == nullptr) return;
  const QSize size = moved.frameGeometry().size();
  const ScreenPoint corner =
      CenterPosition(ToScreenRect(reference.frameGeometry()), size.width(), size.height(),
                     ToScreenRect(screen->geometry()), ToScreenRect(screen->availableGeometry()));
  moved.move(corner.x, corner.y);
}

// Centred over the window that was active when it was raised, once it
// knows its size; with no active window it stays where the system puts it.
class CentredMessageBox final : public QMessageBox {
 public:
  explicit CentredMessageBox(QWidget* active) : QMessageBox(active), reference_(active) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    if (reference_ != nullptr) MoveCentred(*reference_, *this);
  }

 private:
  QPointer<QWidget> reference_;
};

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

void AddButtons(QMessageBox& box, MessageButtons buttons) {
  const auto add = [&box](QMessageBox::StandardButton button, const char* text) {
    box.addButton(button)->setText(QString::fromUtf8(text));
  };
  switch (buttons) {
    case MessageButtons::Ok:
      add(QMessageBox::Ok, "OK");
      break;
    case MessageButtons::OkCancel:
      add(QMessageBox::Ok, "OK");
      add(QMessageBox::Cancel, "Abbrechen");
      break;
    case MessageButtons::YesNoCancel:
      add(QMessageBox::Yes, "&Ja");
      add(QMessageBox::No, "&Nein");
      add(QMessageBox::Cancel, "Abbrechen");
      break;
    case MessageButtons::YesNo:
      add(QMessageBox::Yes, "&Ja");
      add(QMessageBox::No, "&Nein");
      break;
  }
}

MessageResult ResultOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MessageResult::Yes;
    case QMessageBox::No:
      return MessageResult::No;
    case QMessageBox::Cancel:
      return MessageResult::Cancel;
    default:
      return MessageResult::Ok;
  }
}

}  // namespace

void CenterWindowOver(const QWidget& reference, QWidget& moved) {
  if (!moved.testAttribute(Qt::WA_WState_Created) || !moved.isVisible()) moved.adjustSize();
  MoveCentred(reference, moved);
  if (!moved.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    const bool visible = moved.isVisible();
    moved.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (visible) moved.show();
  }
}

int ShowModalDialog(Dialog& dialog) {
  if (!dialog.IsBuilt()) return -1;
  SavedFieldState saved(dialog.Services().field_states, dialog.Services().field_state);
  if (const QWidget* owner = dialog.parentWidget()) CenterWindowOver(*owner->window(), dialog);
  return dialog.exec();
}

bool ShowModelessDialog(Dialog& dialog) {
  if (!dialog.IsBuilt()) return false;
  dialog.show();
  return true;
}

MessageResult ScreenMessageBoxes::Show(const Message& message) {
  CentredMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(ToQString(message.caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQString(message.text).replace("\r\n", "\n"));
  box.setIcon(IconOf(message.icon));
  AddButtons(box, message.buttons);
  box.exec();
  return ResultOf(box.standardButton(box.clickedButton()));
}

HelpWindowViewer::HelpWindowViewer(std::filesystem::path help_root) : help_root_(std::move(help_root)) {}

HelpWindowViewer::~HelpWindowViewer() = default;

void HelpWindowViewer::ShowTopic(std::string_view help_file, int topic) {
  if (!window_) {
    window_ = std::make_unique<QTextBrowser>();
    window_->setOpenExternalLinks(true);
    window_->resize(640, 520);
  }
  const auto page = HelpPagePath(help_root_, help_file, topic);
  window_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
  window_->setWindowTitle(QString("PEKTO Hilfe - %1").arg(window_->documentTitle()));
  window_->show();
  window_->raise();
}

}  // namespace pekto
