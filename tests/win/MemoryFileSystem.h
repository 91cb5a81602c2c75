// A file system over strings, for running scripts the tests write themselves.
#pragma once

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "packs/FileSystem.h"

class MemoryFileSystem : public FileSystem {
 public:
  void add(const std::u16string& name, const std::string& bytes) { files_[name] = bytes; }

  uint8_t* read(const std::u16string& name, size_t* length) override {
    auto found = files_.find(name);
    if (found == files_.end()) return nullptr;
    const std::string& bytes = found->second;
    auto* buffer = static_cast<uint8_t*>(std::malloc(bytes.size() + 4));
    std::memcpy(buffer, bytes.data(), bytes.size());
    std::memset(buffer + bytes.size(), 0, 4);
    if (length) *length = bytes.size();
    return buffer;
  }
  void release(uint8_t* buffer) override { std::free(buffer); }

 private:
  std::map<std::u16string, std::string> files_;
};

// A file of the source tree, as the tests see it through Wine's Z: drive.
inline std::string sourceFile(const std::string& relative) {
  std::ifstream in(std::string(SOURCE_DIR) + "/" + relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The host helpers at the top of the wizard script, without the wizard after them.
inline std::string hostHelpersSource() {
  std::string script = sourceFile("resources/UI.lua");
  const std::string marker = "-- End of the host helpers.";
  size_t end = script.find(marker);
  return end == std::string::npos ? std::string() : script.substr(0, end + marker.size()) + "\n";
}
