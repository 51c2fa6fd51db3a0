#include "ui/app/ChannelStart.h"

#include "channels/ClipboardChannel.h"
#include "channels/MessageChannel.h"
#include "ui/app/Notices.h"

namespace quorva {

bool TellRefusal(ChannelChoice choice) {
  switch (choice) {
    case ChannelChoice::kRefusedConsole:
      ShowNotice(kConsoleRefusedNotice);
      return true;
    case ChannelChoice::kRefusedElevated:
      ShowNotice(kElevatedRefusedNotice);
      return true;
    case ChannelChoice::kMessage:
    case ChannelChoice::kClipboard:
    case ChannelChoice::kNone:
      return false;
  }
  return false;
}

std::unique_ptr<EditorFace> FaceFor(const FrontChoice& front, clsTeraPad& bridge) {
  if (front.Choice == ChannelChoice::kClipboard) return MakeClipboardChannel(front.Front, front.Focus);
  return std::make_unique<MessageChannel>(bridge);
}

}  // namespace quorva
