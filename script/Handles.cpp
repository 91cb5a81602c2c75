// The two-way table between live objects and their handles.
#include "script/Handles.h"

#include <unordered_map>

namespace handles {
namespace {

struct Entry {
  void* object;
  Kind kind;
};

struct Table {
  std::unordered_map<int32_t, Entry> byHandle;
  std::unordered_map<const void*, int32_t> byObject;
  int32_t last = 0;
};

Table& table() {
  static Table instance;
  return instance;
}

}  // namespace

int32_t of(const void* object, Kind kind) {
  if (!object) return 0;
  Table& t = table();
  auto found = t.byObject.find(object);
  if (found != t.byObject.end()) return found->second;
  int32_t handle = ++t.last;  // two billion objects in one run are not a concern
  t.byObject.emplace(object, handle);
  t.byHandle.emplace(handle, Entry{const_cast<void*>(object), kind});
  return handle;
}

void* find(int32_t handle, Kind kind) {
  const Table& t = table();
  auto found = t.byHandle.find(handle);
  if (found == t.byHandle.end() || found->second.kind != kind) return nullptr;
  return found->second.object;
}

void forget(const void* object) {
  Table& t = table();
  auto found = t.byObject.find(object);
  if (found == t.byObject.end()) return;
  t.byHandle.erase(found->second);
  t.byObject.erase(found);
}

}  // namespace handles
