// Message boxes as data: caption, text (lines joined by CR LF), icon and
// buttons. Every message goes through MessageBoxCentered and a
// MessageBoxes service: on screen centred over the active window, in tests
// a responder that records each box and answers it.
#pragma once

#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace pekto {

enum class MessageIcon { None, Stop, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNoCancel, YesNo };
// The platform's button codes.
enum class MessageResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// The platform's style flags: buttons in the low bits, icon in 0x10..0x40.
inline constexpr unsigned kMbOk = 0x00;
inline constexpr unsigned kMbOkCancel = 0x01;
inline constexpr unsigned kMbYesNoCancel = 0x03;
inline constexpr unsigned kMbYesNo = 0x04;
inline constexpr unsigned kMbIconStop = 0x10;
inline constexpr unsigned kMbIconQuestion = 0x20;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
// The second button ("Nein" of Yes/No) is the default one.
inline constexpr unsigned kMbDefButton2 = 0x100;

struct Message {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  int default_button = 1;  // 1 or 2: the button that Return presses
  bool operator==(const Message&) const = default;
};

[[nodiscard]] Message MessageFromFlags(std::string_view text, std::string_view caption, unsigned flags);
// Lines joined by CR LF; an empty line gives the blank line between paragraphs.
[[nodiscard]] std::string JoinLines(std::initializer_list<std::string_view> lines);

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageResult Show(const Message& message) = 0;
};

// The owner argument of the platform's call is not taken: the box always
// belongs to, and is centred over, the active window.
MessageResult MessageBoxCentered(MessageBoxes& boxes, std::string_view text, std::string_view caption, unsigned flags);

// The test responder: records every box and answers from `answers`, then
// with the first button of the box (OK or Yes).
class RecordingMessageBoxes final : public MessageBoxes {
 public:
  MessageResult Show(const Message& message) override;
  std::vector<Message> shown;
  std::deque<MessageResult> answers;
};

}  // namespace pekto
