// The live-control registry: the controls that are attached to a window right now.
// Every operation that may reach a control after a delay (a posted event) or from a
// handler (a repaint, a layout pass) checks it first, so a control that has left
// its window, or been destroyed, is never touched. UI thread only.
#pragma once

namespace toolkit {

class Control;

namespace liveControls {
void add(Control* control);
void remove(Control* control);
bool contains(const Control* control);
}  // namespace liveControls

}  // namespace toolkit
