// Handles: the numbers by which scripts name native windows, controls and timers.
// A handle is a small positive number handed out once per object and never reused,
// so a handle that a script keeps after its object was destroyed names nothing
// rather than some later object; 0 names nothing. Addresses would not do: on 64-bit
// Windows they do not fit the signed 32-bit numbers that scripts pass around.
// Used on the UI thread only.
#pragma once

#include <cstdint>

namespace handles {

enum class Kind { Window, Control, Timer };

// The object's handle, handing out a new one the first time.
int32_t of(const void* object, Kind kind);

// The live object of that kind behind a handle, or null.
void* find(int32_t handle, Kind kind);

// Forgets a destroyed object; its handle then names nothing, for good.
void forget(const void* object);

template <typename T>
T* find(int32_t handle, Kind kind) {
  return static_cast<T*>(find(handle, kind));
}

}  // namespace handles
