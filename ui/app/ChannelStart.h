#pragma once
// The editor face of a /now run: the channel chosen once from the window in front.
#include <memory>

#include "bridge/clsTeraPad.h"
#include "channels/ChooseChannel.h"
#include "channels/EditorFace.h"

namespace quorva {

// Tells the user, once, why the choice refuses the window in front; false where it refuses none.
bool TellRefusal(ChannelChoice choice);

// The face for a choice that refuses nothing: the clipboard channel for every window that is no
// edit control, otherwise the message channel over the run's bridge (which also finds no editor
// where nothing is in front).
std::unique_ptr<EditorFace> FaceFor(const FrontChoice& front, clsTeraPad& bridge);

}  // namespace quorva
