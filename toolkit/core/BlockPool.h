// The toolkit's block allocator. Controls, styles and attribute entries are many,
// small and short-lived in bursts (a page of markup at a time), so they come from
// free lists of fixed-size blocks that are refilled a hundred blocks at a time and
// never handed back to the heap. Used on the UI thread only.
#pragma once

#include <cstddef>

namespace toolkit {

class BlockPool {
 public:
  // Largest request served from the free lists; larger ones go to the heap.
  static constexpr size_t kLargestPooled = 1024;
  // Blocks taken from the heap when a free list runs dry.
  static constexpr size_t kBlocksPerChunk = 100;

  // Object storage: the requested size is kept in a header in front of the object,
  // so that release needs no size.
  static void* allocate(size_t size);
  static void release(void* object);

  // Bare blocks without a header, for records whose size the caller knows (the
  // attribute entries).
  static void* allocateBlock(size_t size);
  static void releaseBlock(void* block, size_t size);

  // Blocks currently on the free list for requests of this bare size (for tests).
  static size_t freeBlocks(size_t size);
};

// Gives a class and its subclasses pool storage.
struct PoolAllocated {
  static void* operator new(size_t size) { return BlockPool::allocate(size); }
  static void operator delete(void* object) { BlockPool::release(object); }
};

}  // namespace toolkit
