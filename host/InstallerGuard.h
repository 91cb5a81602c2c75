// The installer guard: the named mutex "Global\TALVOINSTALLER" that the installer
// and the product's uninstaller hold while they run, so that only one of them runs
// at a time. The guard belongs to the UI thread.
#pragma once

namespace installerGuard {

enum class Outcome { Held, AnotherCopyRuns };

// Creates the mutex, owned by this thread. When it already existed, the handle is
// closed again and AnotherCopyRuns comes back. When creation fails outright the
// installer runs unguarded (Held, with no handle).
Outcome acquire();

// Closes the guard's handle, which destroys the named object so that a copy started
// later runs; a guard already closed is left alone.
void release();

}  // namespace installerGuard
