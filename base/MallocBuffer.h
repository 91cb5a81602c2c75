// Ownership of the malloc'd buffers that resource and pack reads hand out.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

struct FreeDeleter {
  void operator()(uint8_t* p) const { std::free(p); }
};
using MallocBuffer = std::unique_ptr<uint8_t, FreeDeleter>;
