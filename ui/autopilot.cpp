#include "ui/autopilot.h"

#ifdef PEKTO_WITH_AUTOPILOT

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <string>
#include <vector>

namespace pekto {

namespace {

struct Rule {
  QString pattern;
  QString actions;
  bool used = false;
};

constexpr int kTickMs = 200;
constexpr qint64 kLifetimeMs = 120'000;
constexpr int kMaxActions = 100;

class Autopilot final : public QObject {
 public:
  Autopilot(QString program, QString log, std::vector<Rule> rules)
      : QObject(qApp), program_(std::move(program)), log_(std::move(log)), rules_(std::move(rules)) {
    clock_.start();
    auto* timer = new QTimer(this);
    QObject::connect(timer, &QTimer::timeout, this, [this] { Tick(); });
    timer->start(kTickMs);
  }

 private:
  static QWidget* ActiveWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->isVisible() && qobject_cast<QDialog*>(top) != nullptr) return top;
    }
    return nullptr;
  }

  static QString TextOf(const QWidget& window) {
    if (const auto* box = qobject_cast<const QMessageBox*>(&window)) return box->text();
    return {};
  }

  void Log(const QString& line) {
    QFile file(log_);
    if (file.open(QIODevice::Append | QIODevice::Text)) file.write((line + "\n").toUtf8());
  }

  void End(int code, const QString& why) {
    Log(program_ + "\t" + why);
    // Destructors of modal loops are not waited for: the test only needs
    // the program gone.
    std::_Exit(code);
  }

  void Tick() {
    if (clock_.elapsed() > kLifetimeMs) End(3, "autopilot: time is up");
    QWidget* window = ActiveWindow();
    if (window == nullptr || !window->isVisible()) return;
    const QString title = window->windowTitle();
    const QString text = TextOf(*window);
    if (window != seen_ || title != seen_title_ || text != seen_text_) {
      // Acted on at the next tick, when the window is shown completely.
      seen_ = window;
      seen_title_ = title;
      seen_text_ = text;
      idle_ticks_ = 0;
      Log(program_ + "\t" + title + "\t" + QString(text).replace('\n', ' '));
      return;
    }
    // The same window after an action: act again only when it stays.
    if (acted_on_ == window && ++idle_ticks_ < 10) return;
    idle_ticks_ = 0;
    acted_on_ = window;
    if (++actions_ > kMaxActions) End(3, "autopilot: too many actions");
    // Acted on from a timer of its own: an action that opens a modal window
    // runs that window's event loop inside it, and Qt does not fire a timer
    // again while its own slot is still running.
    QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(window), actions = ActionsFor(title, text)] {
      if (target) Act(*target, actions);
    });
  }

  QString ActionsFor(const QString& title, const QString& text) {
    for (Rule& rule : rules_) {
      if (rule.used) continue;
      if (title.startsWith(rule.pattern) || (!text.isEmpty() && text.contains(rule.pattern))) {
        rule.used = rule.actions != "{Wait}";
        return rule.actions;
      }
    }
    return "{Return}";
  }

  void Act(QWidget& window, const QString& actions) {
    QPointer<QWidget> guard(&window);
    for (qsizetype i = 0; i < actions.size() && guard; ++i) {
      QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
      if (actions[i] != '{') {
        QTest::keyClicks(target, QString(actions[i]));
        continue;
      }
      const qsizetype end = actions.indexOf('}', i);
      if (end < 0) return;
      QString key = actions.mid(i + 1, end - i - 1);
      i = end;
      int times = 1;
      if (const qsizetype star = key.indexOf('*'); star > 0) {
        times = key.mid(star + 1).toInt();
        key.truncate(star);
      }
      for (int n = 0; n < times && guard; ++n) {
        target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
        if (key == "Tab") QTest::keyClick(target, Qt::Key_Tab);
        if (key == "Return") QTest::keyClick(target, Qt::Key_Return);
        if (key == "Esc") QTest::keyClick(target, Qt::Key_Escape);
      }
      if (key == "Stop") {
        End(0, "autopilot: stopped at " + window.windowTitle() + "\t" + QDir::currentPath());
      }
      if (key.startsWith("Button:")) {
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
          if (QString(button->text()).remove('&') == key.mid(7)) {
            button->click();
            break;
          }
        }
      }
      if (key.startsWith("Menu:")) {
        for (QAction* action : window.findChildren<QAction*>()) {
          if (QString(action->text()).remove('&') == key.mid(5)) {
            action->trigger();
            break;
          }
        }
      }
    }
  }

  QString program_;
  QString log_;
  std::vector<Rule> rules_;
  QElapsedTimer clock_;
  QPointer<QWidget> seen_;
  QString seen_title_;
  QString seen_text_;
  QPointer<QWidget> acted_on_;
  int idle_ticks_ = 0;
  int actions_ = 0;
};

}  // namespace

void StartAutopilot(std::string_view program) {
  const char* script = std::getenv("PEKTO_AUTOPILOT");
  if (script == nullptr || *script == '\0') return;
  QFile file(QString::fromLocal8Bit(script));
  if (!file.open(QIODevice::ReadOnly)) return;
  const QString name = QString::fromUtf8(program.data(), static_cast<qsizetype>(program.size()));
  std::vector<Rule> rules;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    const QStringList parts = line.trimmed().split('|');
    if (parts.size() == 3 && parts[0] == name) rules.push_back({parts[1], parts[2]});
  }
  new Autopilot(name, QString::fromLocal8Bit(script) + ".log", std::move(rules));
}

}  // namespace pekto

#else

namespace pekto {

void StartAutopilot(std::string_view) {}

}  // namespace pekto

#endif
