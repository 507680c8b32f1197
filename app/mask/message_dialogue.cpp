#include "app/mask/message_dialogue.h"

namespace pekto {

unsigned MessageBoxFlagsOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information:
      return kMbOk | kMbIconInformation;
    case MessageKind::Exclamation:
      return kMbOk | kMbIconExclamation;
    case MessageKind::Question:
      return kMbYesNo | kMbIconQuestion;
    case MessageKind::DeleteQuestion:
      return kMbYesNo | kMbIconQuestion | kMbDefButton2;
    case MessageKind::Warning:
      return kMbYesNo | kMbIconExclamation;
    case MessageKind::Stop:
      return kMbOk | kMbIconStop;
  }
  return kMbOk;
}

bool IsQuestion(MessageKind kind) {
  return kind == MessageKind::Question || kind == MessageKind::DeleteQuestion || kind == MessageKind::Warning;
}

bool ShowDialogMessage(MessageBoxes& boxes, const DialogMessage& message) {
  const MessageResult answer =
      MessageBoxCentered(boxes, message.Text(), message.caption, MessageBoxFlagsOf(message.kind));
  return !IsQuestion(message.kind) || answer == MessageResult::Yes;
}

}  // namespace pekto
