// Reading registered resources of the executable into zero-padded buffers.
#include "packs/ResourceFileSystem.h"

#include <cstdlib>
#include <cstring>

ResourceFileSystem* ResourceFileSystem::current_ = nullptr;

uint8_t* ResourceFileSystem::read(const std::u16string& name, size_t* length) {
  auto found = names_.find(name);
  if (found == names_.end()) return nullptr;
  HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(found->second), L"_TalvoResc");
  if (!resource) return nullptr;
  DWORD size = SizeofResource(module_, resource);
  HGLOBAL loaded = LoadResource(module_, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes && size) return nullptr;

  // Four zero bytes after the file let text be used as a zero-terminated string.
  auto* buffer = static_cast<uint8_t*>(std::malloc(size_t(size) + 4));
  if (!buffer) return nullptr;
  if (size) std::memcpy(buffer, bytes, size);
  std::memset(buffer + size, 0, 4);
  if (length) *length = size;
  return buffer;
}

void ResourceFileSystem::release(uint8_t* buffer) { std::free(buffer); }
