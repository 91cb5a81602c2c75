// Start-up and shutdown order of the installer.
#include "host/Installer.h"

#include <windows.h>
#include <ole2.h>

#include "host/InstallerGuard.h"
#include "host/RestartMarker.h"
#include "jobs/LuaWork.h"
#include "jobs/NotifyService.h"
#include "packs/ResourceFileSystem.h"
#include "script/WizardHost.h"
#include "toolkit/core/Toolkit.h"

namespace installer {
namespace {

// The six files carried as resources, in the order they are registered.
struct EmbeddedFile {
  const char16_t* name;
  int id;
};
constexpr EmbeddedFile kEmbeddedFiles[] = {
    {u"UI.lua", 111},     // wizard script
    {u"frame.lz", 113},   // markup pack
    {u"LG.lua", 114},     // install job script
    {u"program.lz", 115}, // payload pack
    {u"style.lz", 116},   // style pack
    {u"SL.lua", 122},     // placeholder, read by nobody
};

// The functions only the wizard's script state has.
const luaL_Reg kWizardFunctions[] = {
    {"startWork", LuaWork::startWork},
    {nullptr, nullptr},
};

void notice(const wchar_t* text) { MessageBoxW(nullptr, text, L"提示", MB_OK); }

// Everything between the checks and shutdown; returns when the wizard has ended.
void runWithResources() {
  ResourceFileSystem resources(GetModuleHandleW(nullptr));
  ResourceFileSystem::publish(&resources);
  for (const EmbeddedFile& file : kEmbeddedFiles) resources.add(file.name, file.id);

  OleInitialize(nullptr);  // failure is not fatal: only shell features need it
  NotifyService::start();  // before any job can be started
  toolkit::startToolkit();
  if (toolkit::ToolkitContext* context = toolkit::toolkitContext()) {
    context->skins().load(resources, u"style.lz");
    context->markupPack().open(resources, u"frame.lz");
  }
  if (wizardHost::create(kWizardFunctions)) wizardHost::run(resources, u"UI.lua");
  toolkit::shutdownToolkit();
  NotifyService::stop();  // returns when every job thread has ended
  OleUninitialize();

  installerGuard::release();
  ResourceFileSystem::publish(nullptr);
}

}  // namespace

int run() {
  if (installerGuard::acquire() == installerGuard::Outcome::AnotherCopyRuns) {
    notice(L"检测到Talvo安装或卸载程序正在运行，请结束后重试。");
    return 0;
  }
  if (restartMarker::restartPending()) {
    notice(L"检测到Talvo安装或卸载操作尚未完成，需要重启电脑。");
    return 0;  // the guard stays held until the process ends
  }
  runWithResources();
  return 0;
}

}  // namespace installer
