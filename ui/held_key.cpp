#include "ui/held_key.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace pekto {

HeldKeyWatcher::HeldKeyWatcher(int key, QObject* parent) : QObject(parent), key_(key) {
  QCoreApplication::instance()->installEventFilter(this);
}

HeldKeyWatcher::~HeldKeyWatcher() {
  if (QCoreApplication* application = QCoreApplication::instance()) application->removeEventFilter(this);
}

bool HeldKeyWatcher::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == key_ && !key->isAutoRepeat()) held_ = event->type() != QEvent::KeyRelease;
      break;
    }
    case QEvent::ApplicationDeactivate:
      held_ = false;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace pekto
