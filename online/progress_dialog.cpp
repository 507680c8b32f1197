#include "online/progress_dialog.h"

#include <QApplication>
#include <QProgressBar>

#include "ui/windows.h"

namespace pekto {

namespace {

void Repaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace

ProgressDialog::ProgressDialog(DialogServices& services, QWidget* parent)
    : Dialog(services, "PROGBA1DLG", parent) {
  if (!IsBuilt()) return;
  // The template holds the bar's place; the bar itself is a Qt widget.
  QWidget* place = Control(kProgressBar);
  if (place == nullptr) return;
  bar_ = new QProgressBar(place->parentWidget());
  bar_->setGeometry(place->geometry());
  bar_->setTextVisible(false);
  place->hide();
}

void ProgressDialog::Begin(int range) {
  if (bar_ != nullptr) {
    bar_->setRange(0, range);
    bar_->setValue(0);
  }
  if (parentWidget() != nullptr) CenterWindowOver(*parentWidget()->window(), *this);
  show();
  Repaint();
}

void ProgressDialog::Step() {
  if (bar_ != nullptr && bar_->value() < bar_->maximum()) bar_->setValue(bar_->value() + 1);
  Repaint();
}

void ProgressDialog::Wait() { Repaint(); }

void ProgressDialog::End() { hide(); }

std::string ProgressHttpClient::Get(std::string_view url, const HttpOptions& options) {
  ProgressDialog dialog(services_, QApplication::activeWindow());
  if (!dialog.IsBuilt()) {
    NoFetchProgress none;
    return HttpGet(url, options, none);
  }
  return HttpGet(url, options, dialog);
}

}  // namespace pekto
