// Toolkit start and shutdown.
#include "toolkit/core/Toolkit.h"

#include <memory>
#include <string>

#include "base/UniqueHandle.h"
#include "toolkit/core/Dispatcher.h"
#include "toolkit/markup/Canvas.h"
#include "toolkit/markup/DockPanel.h"
#include "toolkit/markup/Grid.h"
#include "toolkit/markup/ScrollPanel.h"
#include "toolkit/markup/StackPanel.h"

namespace toolkit {
namespace {

std::unique_ptr<ToolkitContext> g_context;
UniqueModule g_msimg32;
AlphaBlendFn g_alphaBlend = nullptr;

// Loads a system library by its full path in the system folder: the installer runs
// elevated from wherever it was downloaded to, and a load by bare name would let a
// planted DLL beside it run.
UniqueModule loadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  std::wstring path(folder, n);
  path += L'\\';
  path += name;
  return UniqueModule(LoadLibraryW(path.c_str()));
}

void loadAlphaBlend() {
  g_msimg32 = loadSystemLibrary(L"msimg32.dll");
  if (g_msimg32)
    g_alphaBlend = reinterpret_cast<AlphaBlendFn>(
        reinterpret_cast<void*>(GetProcAddress(g_msimg32.get(), "AlphaBlend")));
}

}  // namespace

ToolkitContext* toolkitContext() { return g_context.get(); }

CriticalSection& toolkitLock() {
  static CriticalSection lock(100);
  return lock;
}

AlphaBlendFn alphaBlend() { return g_alphaBlend; }

const Style* ToolkitContext::style(const std::u16string& name) {
  return skins_.style(name, [this](const Pack& pack, const std::u16string& member) {
    return markup::loadStyle(pack, member, styleFactories_, setters_);
  });
}

bool ToolkitContext::skinSize(std::u16string_view styleName, AttrKey skin, Size* out) {
  const Style* found = style(std::u16string(styleName));
  const std::u16string* picture = found ? found->getText(skin) : nullptr;
  const Image* image = picture ? skins_.image(std::wstring(picture->begin(), picture->end())) : nullptr;
  if (!image || !image->bitmap) return false;
  *out = {image->width, image->height};
  return true;
}

// The element names of layout documents and the classes they make. Controls join
// as their classes arrive.
static void registerControlClasses(markup::ControlFactories& factories) {
  factories.add<Canvas>(u"Canvas");
  factories.add<StackPanel>(u"StackPanel");
  factories.add<DockPanel>(u"DockPanel");
  factories.add<Grid>(u"Grid");
  factories.add<Grid>(u"Window");
  factories.add<ScrollPanel>(u"ScrollPanel");
}

bool startToolkit() {
  if (g_context) return true;
  toolkitLock();  // made before anything can post
  auto context = std::make_unique<ToolkitContext>();
  markup::registerStyleClasses(context->styleFactories_);
  registerControlClasses(context->controlFactories_);
  SkinMetrics::install(context.get());
  ToolkitContext* self = context.get();
  context->styleHook_ = std::make_unique<StyleHook>([self](const std::u16string& name) { return self->style(name); });
  loadAlphaBlend();
  context->dispatcherWindow_ = dispatcher::createWindow();
  bool ok = context->dispatcherWindow_ != nullptr;
  Lock hold(toolkitLock());
  g_context = std::move(context);
  return ok;
}

void shutdownToolkit() {
  if (!g_context) return;
  g_context->styleHook_.reset();  // controls draw nothing from here on
  SkinMetrics::install(nullptr);
  g_context->markupPack_.release();
  g_context->skins_.clear();
  HWND window = g_context->dispatcherWindow_;
  {
    Lock hold(toolkitLock());
    g_context.reset();
    g_alphaBlend = nullptr;
    g_msimg32.reset();
  }
  dispatcher::drainAndDestroy(window);
}

}  // namespace toolkit
