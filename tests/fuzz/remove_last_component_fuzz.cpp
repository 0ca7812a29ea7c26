// RemoveLastComponent cuts exactly at the last backslash that starts a character, and
// leaves the path untouched when there is none.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string original(reinterpret_cast<const char*>(data), size);
  std::string path = original;
  const bool cut = RemoveLastComponent(path);
  const std::size_t separator = LastSeparator(original);
  if (separator == std::string::npos) {
    FUZZ_CHECK(!cut);
    FUZZ_CHECK(path == original);
  } else {
    FUZZ_CHECK(cut);
    FUZZ_CHECK(path == original.substr(0, separator));
  }
  return 0;
}
