// Free lists keyed by block size, threaded through the free blocks themselves.
#include "toolkit/core/BlockPool.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <new>
#include <vector>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOOLKIT_POOL_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TOOLKIT_POOL_ASAN 1
#endif
#ifdef TOOLKIT_POOL_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace toolkit {
namespace {

struct FreeBlock {
  FreeBlock* next;
};

// Objects must stay aligned for their widest member, so blocks are rounded to this
// and the size header takes a whole unit of it (the size itself fits in 4 bytes).
constexpr size_t kAlign = alignof(std::max_align_t);
constexpr size_t kHeader = kAlign;

constexpr size_t roundUp(size_t n) { return (n + kAlign - 1) / kAlign * kAlign; }
size_t blockSizeFor(size_t size) { return roundUp(size < sizeof(FreeBlock) ? sizeof(FreeBlock) : size); }

// A free block keeps only its link readable, so that a stale pointer into a freed
// control is reported by AddressSanitizer in the sanitized builds.
void poisonFree(void* block, size_t blockSize) {
#ifdef TOOLKIT_POOL_ASAN
  ASAN_POISON_MEMORY_REGION(static_cast<char*>(block) + sizeof(FreeBlock), blockSize - sizeof(FreeBlock));
#else
  (void)block, (void)blockSize;
#endif
}
void unpoison(void* block, size_t blockSize) {
#ifdef TOOLKIT_POOL_ASAN
  ASAN_UNPOISON_MEMORY_REGION(block, blockSize);
#else
  (void)block, (void)blockSize;
#endif
}

class Pool {
 public:
  void* take(size_t blockSize) {
    FreeBlock*& head = freeLists_[blockSize];
    if (!head) refill(blockSize);
    if (!head) return nullptr;
    FreeBlock* block = head;
    head = block->next;
    unpoison(block, blockSize);
    return block;
  }

  void give(void* block, size_t blockSize) {
    FreeBlock*& head = freeLists_[blockSize];
    auto* freed = static_cast<FreeBlock*>(block);
    freed->next = head;
    head = freed;
    poisonFree(block, blockSize);
  }

  size_t count(size_t blockSize) const {
    auto it = freeLists_.find(blockSize);
    size_t n = 0;
    for (FreeBlock* b = it == freeLists_.end() ? nullptr : it->second; b; b = b->next) ++n;
    return n;
  }

 private:
  void refill(size_t blockSize) {
    auto* chunk = static_cast<char*>(std::malloc(blockSize * BlockPool::kBlocksPerChunk));
    if (!chunk) return;
    chunks_.push_back(chunk);
    for (size_t i = BlockPool::kBlocksPerChunk; i-- > 0;) give(chunk + i * blockSize, blockSize);
  }

  std::map<size_t, FreeBlock*> freeLists_;
  std::vector<void*> chunks_;  // kept for the life of the process
};

// Never destroyed: blocks may be released by objects destroyed at process exit.
Pool& pool() {
  static Pool* instance = new (std::malloc(sizeof(Pool))) Pool();
  return *instance;
}

}  // namespace

void* BlockPool::allocate(size_t size) {
  size_t blockSize = roundUp(size) + kHeader;
  void* block = size <= kLargestPooled ? pool().take(blockSize) : std::malloc(blockSize);
  if (!block) throw std::bad_alloc();  // operator new has no other way to fail
  *static_cast<uint32_t*>(block) = static_cast<uint32_t>(size);
  return static_cast<char*>(block) + kHeader;
}

void BlockPool::release(void* object) {
  if (!object) return;
  void* block = static_cast<char*>(object) - kHeader;
  size_t size = *static_cast<uint32_t*>(block);
  if (size <= kLargestPooled) pool().give(block, roundUp(size) + kHeader);
  else std::free(block);
}

void* BlockPool::allocateBlock(size_t size) { return pool().take(blockSizeFor(size)); }

void BlockPool::releaseBlock(void* block, size_t size) {
  if (block) pool().give(block, blockSizeFor(size));
}

size_t BlockPool::freeBlocks(size_t size) { return pool().count(blockSizeFor(size)); }

}  // namespace toolkit
