// An in-process COM server as the payload carries it (kodumper.dll, the helper
// component, and Zelvo.ax, the camera's capture filter). It serves one class whose
// objects only know IUnknown, and registers and removes its own class id, so that
// regsvr32 works on it. SERVER_CLSID and SERVER_NAME tell the two apart.
#include <windows.h>
#include <olectl.h>

#include <shlwapi.h>

#include <atomic>
#include <new>
#include <string>

namespace {

const CLSID kClassId = SERVER_CLSID;
const wchar_t kClassIdText[] = SERVER_CLSID_TEXT;
HMODULE module = nullptr;
std::atomic<long> liveObjects{0};

class Object : public IUnknown {
 public:
  Object() { ++liveObjects; }
  virtual ~Object() { --liveObjects; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = IsEqualIID(iid, IID_IUnknown) ? this : nullptr;
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    long left = --references_;
    if (left == 0) delete this;  // COM objects own themselves through their count
    return ULONG(left);
  }

 private:
  std::atomic<long> references_{1};
};

class Factory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory) ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the module
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    Object* object = new (std::nothrow) Object;
    if (!object) return E_OUTOFMEMORY;
    HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};
Factory factory;

std::wstring classKey() { return std::wstring(L"CLSID\\") + kClassIdText; }

bool setValue(HKEY key, const wchar_t* name, const std::wstring& value) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        DWORD((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!IsEqualCLSID(clsid, kClassId)) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return liveObjects == 0 ? S_OK : S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
  if (n == 0 || n == MAX_PATH) return SELFREG_E_CLASS;
  HKEY server = nullptr;
  std::wstring key = classKey() + L"\\InprocServer32";
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &server, nullptr) !=
      ERROR_SUCCESS)
    return SELFREG_E_CLASS;
  bool written = setValue(server, nullptr, path) && setValue(server, L"ThreadingModel", L"Both");
  RegCloseKey(server);
  HKEY named = nullptr;
  if (written && RegOpenKeyExW(HKEY_CLASSES_ROOT, classKey().c_str(), 0, KEY_WRITE, &named) == ERROR_SUCCESS) {
    written = setValue(named, nullptr, SERVER_NAME);
    RegCloseKey(named);
  }
  return written ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  LSTATUS status = SHDeleteKeyW(HKEY_CLASSES_ROOT, classKey().c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
