// The calculator dialog "TRECHDLG": digit and comma keys write into the
// input field, operator keys (buttons, or typed into the field) run the
// engine, the display shows its result; "&Abbruch (Esc)" ends the program.
#pragma once

#include <memory>
#include <string_view>

#include "calculator/calculator_engine.h"
#include "ui/dialog.h"

namespace pekto {

class DosFileSystem;

namespace calculator {

class TrechDialog final : public Dialog {
 public:
  explicit TrechDialog(DialogServices& services);

  static constexpr int kDisplay = 102;
  static constexpr int kInput = 104;
  static constexpr int kClear = 106;
  static constexpr int kDivide = 107;
  static constexpr int kMultiply = 108;
  static constexpr int kMinus = 109;
  static constexpr int kPlus = 113;
  static constexpr int kEquals = 120;
  static constexpr int kComma = 122;
  static constexpr int kCancel = 123;
  static constexpr int kPercent = 124;

  // The button a typed character acts as; 0 for a character that is typed.
  [[nodiscard]] static int OperatorButtonOf(QChar c);

 protected:
  void OnCommand(int id) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RunPastedOperators(const QString& text);
  void Append(char c);
  void Evaluate(char key);

  CalculatorEngine engine_;
};

// The program's start: takes START.DAT from `current_dir` and opens the
// calculator; nullptr after the start-guard or creation message.
[[nodiscard]] std::unique_ptr<TrechDialog> StartCalculator(DialogServices& services, const DosFileSystem& files,
                                                           std::string_view current_dir);

}  // namespace calculator
}  // namespace pekto
