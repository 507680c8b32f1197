// The state of the focused field that the input filter and the help key
// use, and the stack that keeps a mask's state while a secondary dialog
// opened from it is on the screen.
#pragma once

#include <optional>
#include <vector>

#include "ui/input_filter.h"

namespace pekto {

struct FieldState {
  int current_field = 0;  // control id of the focused field, 0 = none
  FieldInputRule rule;
  int help_topic = 0;
  bool operator==(const FieldState&) const = default;
};

class FieldStateStack {
 public:
  void Push(const FieldState& state) { saved_.push_back(state); }
  std::optional<FieldState> Pop() {
    if (saved_.empty()) return std::nullopt;
    FieldState state = saved_.back();
    saved_.pop_back();
    return state;
  }
  [[nodiscard]] std::size_t Depth() const { return saved_.size(); }

 private:
  std::vector<FieldState> saved_;
};

// Saves `current` on the stack for the lifetime of a secondary dialog and
// restores it when the dialog is gone.
class SavedFieldState {
 public:
  SavedFieldState(FieldStateStack& stack, FieldState& current) : stack_(stack), current_(current) {
    stack_.Push(current_);
  }
  ~SavedFieldState() {
    if (auto state = stack_.Pop()) current_ = *state;
  }
  SavedFieldState(const SavedFieldState&) = delete;
  SavedFieldState& operator=(const SavedFieldState&) = delete;

 private:
  FieldStateStack& stack_;
  FieldState& current_;
};

}  // namespace pekto
