// The restart marker: a small file in the user's temporary folder that records the
// time of the last system shutdown when a driver operation asked for a restart.
// While the system still reports that same shutdown time, the computer has not been
// restarted and the installer must not run again. The marker is also registered for
// deletion at the next system start, so a real restart removes it in any case.
#pragma once

#include <string>

namespace restartMarker {

// The marker's path: the temporary folder as the system reports it (ending with a
// separator) followed by "\orbisk_restart"; empty when there is no temporary folder.
std::wstring path();

// Writes the current shutdown time (8 zero bytes when it cannot be read) into the
// marker, replacing it, and registers the marker for deletion at the next start.
void mark();

// True while a restart requested by an earlier run is still pending. A marker that
// is stale, short or unreadable is deleted and answers false.
bool restartPending();

}  // namespace restartMarker
