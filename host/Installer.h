// The installer's run from start to end: the guard and restart checks, then each
// subsystem brought up in order, the wizard, and everything taken down again in
// reverse. Runs on the process's first thread, the UI thread.
#pragma once

namespace installer {

// The whole run; the process exit code, which is always 0.
int run();

}  // namespace installer
