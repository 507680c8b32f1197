// The core's messages (DialogMessage) shown as centred message boxes: the
// kind of a message gives its icon and buttons.
#pragma once

#include "record/dialog_message.h"
#include "ui/message_box.h"

namespace pekto {

[[nodiscard]] unsigned MessageBoxFlagsOf(MessageKind kind);
[[nodiscard]] bool IsQuestion(MessageKind kind);

// Shows the message; true when a question is answered Yes, and always for
// a box without a question.
bool ShowDialogMessage(MessageBoxes& boxes, const DialogMessage& message);

}  // namespace pekto
