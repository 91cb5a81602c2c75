// Binding subtrees to a window and unbinding them. An attached control is in the
// live-control registry, knows its window and is in the window's id table when it
// has an "id"; attaching and detaching raise Attached and Detached on each control.
#pragma once

namespace toolkit {

class Control;
class WindowHost;

// The window sets its root's window first, then attaches the root to itself:
// setRootWindow(root, window); attach(root, root).
void setRootWindow(Control& root, WindowHost* window);
// Binds `child` and its subtree to `parent`'s window.
void attach(Control& parent, Control& child);
// Unbinds a subtree: children first, then the control itself.
void detach(Control& control);

}  // namespace toolkit
