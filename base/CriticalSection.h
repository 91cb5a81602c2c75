// A Windows critical section owned by an object, and a scoped hold on one. The
// spin count suits locks held for a few instructions. Windows builds only.
#pragma once

#include <windows.h>

class CriticalSection {
 public:
  explicit CriticalSection(DWORD spinCount = 100) { InitializeCriticalSectionAndSpinCount(&section_, spinCount); }
  ~CriticalSection() { DeleteCriticalSection(&section_); }
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;

  void enter() { EnterCriticalSection(&section_); }
  void leave() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

class Lock {
 public:
  explicit Lock(CriticalSection& section) : section_(section) { section_.enter(); }
  ~Lock() { section_.leave(); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  CriticalSection& section_;
};
