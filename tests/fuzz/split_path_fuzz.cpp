// SplitPath only appends; joining its components with backslashes gives the path back,
// up to a final backslash; and no component boundary falls inside a double-byte character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "target_properties.h"

// The watch's Windows layer is not reached by SplitPath.
bool ShowProperties(const std::string&) { return false; }
WindowId TopWindow() { return 0; }
WindowId NextWindow(WindowId) { return 0; }
bool WindowExists(WindowId) { return false; }
bool WindowIsVisible(WindowId) { return false; }
int ReadClassName(WindowId, char*) { return 0; }
int ReadWindowTitle(WindowId, char*) { return 0; }
void PauseOneSecond() {}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> components = {"kept"};
  const std::size_t count = SplitPath(path, components);
  FUZZ_CHECK(components.size() == count + 1 && components[0] == "kept");

  // The separators, found by a walk of its own over the whole string.
  std::vector<std::size_t> separators;
  for (std::size_t i = 0; i < size;) {
    const unsigned char next = i + 1 < size ? data[i + 1] : 0;
    if (data[i] == '\\') separators.push_back(i);
    i += IsDoubleByteChar(data[i], next) ? 2 : 1;
  }
  if (separators.empty()) {
    FUZZ_CHECK(count == 0);
    return 0;
  }
  std::string joined;
  std::size_t position = 0;
  for (std::size_t i = 1; i <= count; ++i) {
    if (i > 1) {
      FUZZ_CHECK(position - 1 == separators[i - 2]);  // each cut is a real separator
      joined += '\\';
    }
    joined += components[i];
    position += components[i].size() + 1;
  }
  FUZZ_CHECK(joined == path || joined + '\\' == path);
  return 0;
}
