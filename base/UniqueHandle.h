// Ownership of Windows kernel handles and loaded modules: closed (or freed) when
// the owner goes. Windows builds only.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct KernelHandleCloser {
  void operator()(HANDLE h) const {
    if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;

struct ModuleFreer {
  void operator()(HMODULE m) const {
    if (m) FreeLibrary(m);
  }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;
