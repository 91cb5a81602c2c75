// Fuzzes the pack reader: any bytes must open without reading outside them, and
// every member must read either whole or not at all.
#include <cstdlib>

#include "packs/Pack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Pack pack(data, size);
  for (const auto& [name, record] : pack.members()) {
    size_t length = 0;
    uint8_t* member = pack.read(name, &length);
    if (member) {
      size_t expected = record.unpackedLength ? record.unpackedLength : record.storedLength;
      if (length != expected) std::abort();
      volatile uint8_t sink = length ? member[length - 1] : 0;  // touch the whole extent
      (void)sink;
    }
    std::free(member);
  }
  std::free(pack.read(u"UI.lua"));
  return 0;
}
