// Whether a key is held down at this moment, as the platform's key state
// would tell: the watcher follows the application's presses and releases
// of that key (auto-repeat ignored) and forgets the key when the
// application loses the keyboard.
#pragma once

#include <QObject>

namespace pekto {

class HeldKeyWatcher final : public QObject {
 public:
  explicit HeldKeyWatcher(int key, QObject* parent = nullptr);
  ~HeldKeyWatcher() override;

  [[nodiscard]] bool IsHeld() const { return held_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int key_;
  bool held_ = false;
};

}  // namespace pekto
