// The toolkit's process-wide context and its lifetime. Start (on the UI thread,
// once, before any window) loads AlphaBlend from the system's msimg32, creates the
// empty registries and the markup pack slot, and creates the dispatcher window;
// shutdown (UI thread, after the last window) takes them down again, running the
// calls still posted to the dispatcher first.
#pragma once

#include <windows.h>

#include "base/CriticalSection.h"
#include "packs/PackHolder.h"
#include "toolkit/draw/SkinRepository.h"
#include "toolkit/markup/FieldSetters.h"
#include "toolkit/markup/MarkupLoader.h"
#include "toolkit/markup/SkinMetrics.h"
#include "toolkit/markup/StyleHook.h"
#include "toolkit/markup/StyleLoader.h"
#include "toolkit/core/MessageHandlerTable.h"

namespace toolkit {

class ToolkitContext : private SkinMetrics {
 public:
  MessageHandlerTable& messageHandlers() { return messageHandlers_; }
  // The markup pack and its buffer, filled at start-up with "frame.lz".
  PackHolder& markupPack() { return markupPack_; }
  // The style pack with its pictures, styles and fonts, loaded at start-up.
  SkinRepository& skins() { return skins_; }
  HWND dispatcherWindow() const { return dispatcherWindow_; }

  // What layout and style documents are built with: the classes their element names
  // make and the setters of their attribute names.
  markup::ControlFactories& controlFactories() { return controlFactories_; }
  const duiField::SetterRegistry& setters() const { return setters_; }
  markup::StyleFactories& styleFactories() { return styleFactories_; }

  // The style of that name from the style pack, loaded on first use; what controls
  // are painted with.
  const Style* style(const std::u16string& name);

 private:
  friend bool startToolkit();
  friend void shutdownToolkit();
  MessageHandlerTable messageHandlers_;
  PackHolder markupPack_;
  SkinRepository skins_;
  markup::ControlFactories controlFactories_;
  duiField::SetterRegistry setters_;
  markup::StyleFactories styleFactories_;
  std::unique_ptr<StyleHook> styleHook_;

  // Picture sizes for layout, answered from the styles and the skin repository.
  bool skinSize(std::u16string_view styleName, AttrKey skin, Size* out) override;
  HWND dispatcherWindow_ = nullptr;
};

using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

// The context, or null before start and after shutdown. UI thread; other threads
// look at it only under toolkitLock().
ToolkitContext* toolkitContext();

// Guards the context's existence for posting from any thread and for shutdown. It
// exists for the whole process, so that a post before start is safely refused.
CriticalSection& toolkitLock();

// AlphaBlend of the system's msimg32, or null when it could not be loaded.
AlphaBlendFn alphaBlend();

// False when the dispatcher window could not be created (the context then exists
// without it, and posted calls are refused).
bool startToolkit();
void shutdownToolkit();

}  // namespace toolkit
