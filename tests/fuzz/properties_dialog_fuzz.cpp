// IsPropertiesDialog takes a window exactly when it is visible, of the class "#32770",
// and titled with a text that begins with the name, byte for byte; the 512-byte buffers
// are never overrun, whatever the platform writes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "target_properties.h"

namespace {
bool visible;
std::string className;
std::string title;

// Like the platform: copy at most size - 1 bytes, end with a zero, return the count.
int CopyText(const std::string& text, char* buffer) {
  const std::size_t count = std::min(text.size(), kWindowTextBuffer - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}
}  // namespace

bool ShowProperties(const std::string&) { return false; }
WindowId TopWindow() { return 1; }
WindowId NextWindow(WindowId) { return 0; }
bool WindowExists(WindowId window) { return window == 1; }
bool WindowIsVisible(WindowId) { return visible; }
int ReadClassName(WindowId, char* buffer) { return CopyText(className, buffer); }
int ReadWindowTitle(WindowId, char* buffer) { return CopyText(title, buffer); }
void PauseOneSecond() {}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Input: a flags byte, then name, class and title separated by 0xFF bytes.
  if (size == 0) return 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string parts[3];
  std::size_t part = 0;
  for (char byte : rest) {
    if (byte == '\xFF' && part < 2) {
      ++part;
    } else {
      parts[part] += byte;
    }
  }
  visible = (data[0] & 1) != 0;
  const std::string name = parts[0];
  className = (data[0] & 2) ? std::string("#32770") : parts[1];
  title = (data[0] & 4) ? name + parts[2] : parts[2];

  // What the window shows through 512-byte buffers: at most 511 bytes, up to a zero.
  auto seen = [](const std::string& text) {
    const std::string cut = text.substr(0, kWindowTextBuffer - 1);
    return cut.substr(0, cut.find('\0'));
  };
  const std::string seenClass = seen(className);
  const std::string seenTitle = seen(title);
  const bool readable = !className.empty() && !title.empty();
  const bool expected = visible && readable && seenClass == "#32770" &&
                        seenTitle.size() >= name.size() &&
                        seenTitle.compare(0, name.size(), name) == 0;
  FUZZ_CHECK(IsPropertiesDialog(1, name) == expected);
  FUZZ_CHECK(ScanForDialog(name) == expected);
  return 0;
}
