// Pending-restart check. No run records a restart yet, so none is ever pending.
#include "host/RestartMarker.h"

namespace restartMarker {

bool restartPending() { return false; }

}  // namespace restartMarker
