// The toolkit's event codes, their routings and the event record that every
// handler of one dispatch receives by address.
#pragma once

#include <cstdint>

namespace toolkit {

enum EventCode : int32_t {
  Attached = 0,
  Detached = 1,
  GotFocus = 2,
  LostFocus = 3,
  PreviewKeyDown = 4,
  KeyDown = 5,
  PreviewKeyUp = 6,
  KeyUp = 7,
  PreviewKeyPress = 8,
  KeyPress = 9,
  GotCapture = 10,
  LostCapture = 11,
  PreviewLButtonDown = 12,
  LButtonDown = 13,
  PreviewLButtonUp = 14,
  LButtonUp = 15,
  PreviewRButtonDown = 16,
  RButtonDown = 17,
  PreviewRButtonUp = 18,
  RButtonUp = 19,
  LButtonDbClick = 20,
  RButtonDbClick = 21,
  PreviewMouseWheel = 22,  // named for scripts, never raised
  MouseWheel = 23,
  MouseMove = 25,
  MouseEnter = 26,
  MouseLeave = 27,
  SetCursor = 28,
  Click = 30,
  ValueChange = 31,
  Notify = 32,
  // 33 to 36 are kept for drag-and-drop notifications, which nothing raises.
  FirstDragEvent = 33,
  LastEventCode = 36,
};

enum Routing : int32_t {
  Tunnel = 0,  // root first, target last
  Bubble = 1,  // target first, root last
  Direct = 2,  // the target only
};

// Parameters are pointer-sized so that a control's Notify can pass an address on
// 64-bit builds too; the window fills them with the message's own parameters.
struct EventArgs {
  int32_t code = 0;
  int32_t routing = Direct;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
  uint32_t handled = 0;  // set non-zero by a handler to stop the dispatch
};

}  // namespace toolkit
