// The restart marker: whether a restart of the computer that an earlier run asked
// for has not happened yet.
#pragma once

namespace restartMarker {

// True while a restart requested by an earlier run is still pending.
bool restartPending();

}  // namespace restartMarker
