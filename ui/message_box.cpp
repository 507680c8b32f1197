#include "ui/message_box.h"

namespace pekto {

Message MessageFromFlags(std::string_view text, std::string_view caption, unsigned flags) {
  Message message{std::string(caption), std::string(text), MessageIcon::None, MessageButtons::Ok};
  switch (flags & 0x0F) {
    case kMbOkCancel:
      message.buttons = MessageButtons::OkCancel;
      break;
    case kMbYesNoCancel:
      message.buttons = MessageButtons::YesNoCancel;
      break;
    case kMbYesNo:
      message.buttons = MessageButtons::YesNo;
      break;
    default:
      break;
  }
  switch (flags & 0xF0) {
    case kMbIconStop:
      message.icon = MessageIcon::Stop;
      break;
    case kMbIconQuestion:
      message.icon = MessageIcon::Question;
      break;
    case kMbIconExclamation:
      message.icon = MessageIcon::Exclamation;
      break;
    case kMbIconInformation:
      message.icon = MessageIcon::Information;
      break;
    default:
      break;
  }
  if ((flags & 0xF00) == kMbDefButton2) message.default_button = 2;
  return message;
}

std::string JoinLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  bool first = true;
  for (auto line : lines) {
    if (!first) text += "\r\n";
    text += line;
    first = false;
  }
  return text;
}

MessageResult MessageBoxCentered(MessageBoxes& boxes, std::string_view text, std::string_view caption, unsigned flags) {
  return boxes.Show(MessageFromFlags(text, caption, flags));
}

MessageResult RecordingMessageBoxes::Show(const Message& message) {
  shown.push_back(message);
  if (!answers.empty()) {
    const MessageResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  const bool yes_no = message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoCancel;
  return yes_no ? MessageResult::Yes : MessageResult::Ok;
}

}  // namespace pekto
