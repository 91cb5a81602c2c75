// How fast a window comes up and paints: a 600 × 400 window of about 60 skinned
// controls in nested panels, drawn with the installer's own style pack. Measures
// loading and laying out its layout document, the time from creating the window to
// its first completed paint, a full repaint, and the working set with the window
// shown. Prints medians.
//
//   window_bench.exe [--hold MILLISECONDS]   (--hold keeps the window on screen)
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "Clock.h"
#include "packs/PackWriter.h"
#include "packs/ResourceFileSystem.h"
#include "toolkit/core/Layout.h"
#include "toolkit/core/Panel.h"
#include "toolkit/core/Toolkit.h"
#include "toolkit/core/WindowImpl.h"
#include "toolkit/markup/MarkupLoader.h"

namespace {

using namespace toolkit;

// A caption row: a skinned check box and two buttons.
std::string row(int i) {
  std::string n = std::to_string(i);
  return R"(<StackPanel orientation="horizontal" height="30" margin="0,2,0,2">
      <Skinned style="checkbox.xml" text="选项 )" + n + R"( option" width="150" height="24"/>
      <Skinned style="btn_plain.xml" text="浏览 Browse" width="110" height="28" margin="8,0,0,0"/>
      <Skinned style="btn_primary.xml" text="安装 Install )" + n + R"(" width="120" height="28" margin="8,0,0,0"/>
    </StackPanel>)";
}

std::string layout() {
  std::string rows;
  for (int i = 1; i <= 12; ++i) rows += row(i);
  return R"(<Window initSize="600,400" roundCorner="10,10">
  <Skinned style="background.xml"/>
  <DockPanel>
    <StackPanel dock="top" orientation="horizontal" height="40">
      <Skinned style="sys_min.xml" width="30" height="26" horizontalAlign="right"/>
      <Skinned style="sys_close.xml" width="30" height="26"/>
    </StackPanel>
    <StackPanel dock="bottom" orientation="horizontal" height="44" margin="20,0,20,8">
      <Skinned style="btn_plain.xml" text="取消" width="100" height="32"/>
      <Skinned style="btn_primary.xml" text="立即安装" width="140" height="32" margin="10,0,0,0"/>
    </StackPanel>
    <StackPanel margin="30,110,30,0">)" + rows + R"(</StackPanel>
  </DockPanel>
</Window>)";
}

size_t workingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

int countControls(Control* c) {
  int n = 1;
  if (Panel* p = c->asPanel())
    for (Control* child = p->firstChild(); child; child = child->nextSibling()) n += countControls(child);
  return n;
}

void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace

int main(int argc, char** argv) {
  DWORD hold = argc == 3 && std::strcmp(argv[1], "--hold") == 0 ? DWORD(std::atoi(argv[2])) : 0;
  size_t baseline = workingSet();
  ResourceFileSystem resources(GetModuleHandleW(nullptr));
  resources.add(u"style.lz", 116);
  startToolkit();
  ToolkitContext* context = toolkitContext();
  context->controlFactories().add<Control>(u"Skinned");
  context->skins().load(resources, u"style.lz");
  std::string text = layout();
  PackWriter writer;
  writer.addStored(u"bench.xml", std::vector<uint8_t>(text.begin(), text.end()));
  std::vector<uint8_t> pack = writer.finish();
  auto* bytes = static_cast<uint8_t*>(std::malloc(pack.size()));
  std::memcpy(bytes, pack.data(), pack.size());
  context->markupPack().adopt(bytes, pack.size());

  std::vector<double> loads, firstPaints, repaints;
  int controls = 0;
  for (int i = 0; i < 20; ++i) {  // load and lay out, without a window
    double start = nowMicroseconds();
    auto root = markup::loadLayout(*context->markupPack().pack(), u"bench.xml", context->controlFactories(),
                                   context->setters());
    loads.push_back(nowMicroseconds() - start);
    controls = countControls(root.get());
  }
  size_t shownWorkingSet = 0;
  for (int i = 0; i < 10; ++i) {
    double start = nowMicroseconds();
    auto* window = new WindowImpl(u"bench.xml", WS_POPUP, 0);  // owned by its native window
    ShowWindow(window->handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(window->handle());
    firstPaints.push_back(nowMicroseconds() - start);
    pump();
    for (int r = 0; r < 10; ++r) {
      double t = nowMicroseconds();
      RedrawWindow(window->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      repaints.push_back(nowMicroseconds() - t);
    }
    shownWorkingSet = workingSet();
    if (hold && i == 9) {
      SetWindowPos(window->handle(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
      DWORD end = GetTickCount() + hold;
      while (GetTickCount() < end) {
        pump();
        Sleep(20);
      }
    }
    DestroyWindow(window->handle());
    pump();
  }
  std::printf("layout document of %d controls, loaded (with layout in the window below)  %8.0f us\n", controls,
              median(loads));
  std::printf("create window to first completed paint (load, layout, paint)        %8.2f ms\n",
              median(firstPaints) / 1000);
  std::printf("full repaint of the window                                          %8.2f ms\n",
              median(repaints) / 1000);
  std::printf("working set with the window shown                                   %8.1f MB (%.1f MB at start)\n",
              shownWorkingSet / 1048576.0, baseline / 1048576.0);
  shutdownToolkit();
  return 0;
}
