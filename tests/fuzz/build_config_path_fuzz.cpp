// BuildConfigPath writes drive and directory of the module path followed by
// "Morvaset.ini", never more than the 260-byte buffer holds, and nothing at all when it
// refuses.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "open_folder_with.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string module(reinterpret_cast<const char*>(data), size);
  module = module.substr(0, module.find('\0')).substr(0, kMaxPath - 1);

  // An exact-size heap buffer, so that AddressSanitizer sees any write past its end.
  std::unique_ptr<char[]> buffer(new char[kMaxPath]);
  std::memset(buffer.get(), 0x5A, kMaxPath);
  const bool built = BuildConfigPath(module.c_str(), buffer.get());

  const bool isExe = module.size() >= 4 && [&] {
    std::string tail = module.substr(module.size() - 4);
    for (char& c : tail) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    return tail == ".exe";
  }();
  if (!built) {
    for (std::size_t i = 0; i < kMaxPath; ++i) FUZZ_CHECK(buffer[i] == 0x5A);
    return 0;
  }
  FUZZ_CHECK(isExe);
  const std::size_t length = strnlen(buffer.get(), kMaxPath);
  FUZZ_CHECK(length < kMaxPath);
  const std::string result(buffer.get(), length);
  const std::string name = "Morvaset.ini";
  FUZZ_CHECK(result.size() >= name.size() &&
             result.compare(result.size() - name.size(), name.size(), name) == 0);
  // What comes before the name is a leading part of the module path that ends where a
  // folder ends (a separator or a drive), or nothing.
  const std::string folder = result.substr(0, result.size() - name.size());
  FUZZ_CHECK(module.compare(0, folder.size(), folder) == 0);
  if (!folder.empty()) {
    const char last = folder.back();
    FUZZ_CHECK(last == '\\' || last == '/' || (folder.size() == 2 && last == ':'));
  }
  return 0;
}
