// Chooses the peer for a control by its kind and places its widget in its parent's.
#pragma once

#include <memory>

#include "vcl/Controls.h"

namespace vcl::qt {

std::unique_ptr<ControlPeer> CreatePeerFor(TControl& control);

}  // namespace vcl::qt
