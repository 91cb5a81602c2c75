// Owners for Win32 handles (kernel objects, files, registry keys, searches, mapped
// views): each closes what it holds when it goes out of scope, so that every path
// out of a function releases what it opened. Windows builds only.
#pragma once

#include <windows.h>

template <typename Traits>
class Owned {
 public:
  using Handle = typename Traits::Handle;

  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~Owned() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::empty(); }

  // For calls that return a new handle through a pointer; what was held is closed.
  Handle* out() {
    reset();
    return &handle_;
  }

  Handle release() {
    Handle handle = handle_;
    handle_ = Traits::empty();
    return handle;
  }

  void reset(Handle handle = Traits::empty()) {
    if (handle_ != Traits::empty()) Traits::close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::empty();
};

struct KernelHandleTraits {  // mutexes, events, processes, mappings, snapshots, tokens
  using Handle = HANDLE;
  static Handle empty() { return nullptr; }
  static void close(Handle h) { CloseHandle(h); }
};
struct FileHandleTraits {  // CreateFileW and CreateToolhelp32Snapshot fail with this value
  using Handle = HANDLE;
  static Handle empty() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { CloseHandle(h); }
};
struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle empty() { return nullptr; }
  static void close(Handle h) { RegCloseKey(h); }
};
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle empty() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { FindClose(h); }
};
struct MappedViewTraits {
  using Handle = void*;
  static Handle empty() { return nullptr; }
  static void close(Handle h) { UnmapViewOfFile(h); }
};

using UniqueHandle = Owned<KernelHandleTraits>;
using UniqueFile = Owned<FileHandleTraits>;
using UniqueKey = Owned<RegistryKeyTraits>;
using UniqueFind = Owned<FindHandleTraits>;
using UniqueView = Owned<MappedViewTraits>;
