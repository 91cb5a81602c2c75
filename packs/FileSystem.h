// Reading whole files by name. The installer's only file system is the one over its
// own resources; loaders take this interface so that they do not care where bytes
// come from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class FileSystem {
 public:
  // The file's bytes followed by four zero bytes, in a buffer allocated with malloc,
  // or null when there is no such file; `length` (the file's own length, without
  // the zeros) is written only when the file is found.
  virtual uint8_t* read(const std::u16string& name, size_t* length) = 0;

  // Frees a buffer that read() returned; free() does the same.
  virtual void release(uint8_t* buffer) = 0;

 protected:
  ~FileSystem() = default;  // not deleted through this interface
};
