#include "ui/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

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
  const QList<QAbstractButton*> buttons = box.buttons();
  const int default_index = message.default_button - 1;
  if (default_index >= 0 && default_index < buttons.size()) {
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons[default_index]));
  }
  box.exec();
  return ResultOf(box.standardButton(box.clickedButton()));
}

// The help window: the page, and below it a button that closes it. Esc
// closes it too and is taken here, so that it never reaches the window
// under it.
class HelpWindow final : public QWidget {
 public:
  HelpWindow() {
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    auto* close = new QPushButton("&Schließen", this);
    close->setObjectName("closeHelp");
    QObject::connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(640, 560);
  }
  [[nodiscard]] QTextBrowser& Browser() const { return *browser_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      event->accept();
      close();
      return;
    }
    QWidget::keyPressEvent(event);
  }

 private:
  QTextBrowser* browser_;
};

HelpWindowViewer::HelpWindowViewer(std::filesystem::path help_root) : help_root_(std::move(help_root)) {}

HelpWindowViewer::~HelpWindowViewer() = default;

void HelpWindowViewer::ShowTopic(std::string_view help_file, int topic) {
  if (!window_) window_ = std::make_unique<HelpWindow>();
  const auto page = HelpPagePath(help_root_, help_file, topic);
  QTextBrowser& browser = window_->Browser();
  browser.setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
  window_->setWindowTitle(QString("PEKTO Hilfe - %1").arg(browser.documentTitle()));
  window_->show();
  window_->raise();
  // Without a window manager nobody else gives the new window the keyboard,
  // and the keys would go on reaching the window under it.
  window_->activateWindow();
  browser.setFocus();
}

QWidget* HelpWindowViewer::Window() const { return window_.get(); }

}  // namespace pekto
