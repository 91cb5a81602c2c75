// The file system over the executable's own resources: file names registered at
// start-up map to resource ids of the custom type "_TALVORESC", and each read hands
// out a private copy of the resource's bytes. One instance lives for the whole run
// and is published for the loaders and the job thread.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "packs/FileSystem.h"

class ResourceFileSystem : public FileSystem {
 public:
  explicit ResourceFileSystem(HMODULE module) : module_(module) {}

  // Enters or overwrites a name; only during start-up, before other threads exist.
  void add(const std::u16string& name, int resourceId) { names_[name] = resourceId; }

  uint8_t* read(const std::u16string& name, size_t* length) override;
  void release(uint8_t* buffer) override;

  // The instance of this run, or null outside it.
  static ResourceFileSystem* current() { return current_; }
  static void publish(ResourceFileSystem* instance) { current_ = instance; }

 private:
  HMODULE module_;
  std::map<std::u16string, int> names_;  // case matters: compared by code units
  static ResourceFileSystem* current_;
};
