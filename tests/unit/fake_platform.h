// A recording stand-in for the core's platform layer: answers come from the fields
// below, and every call is logged by name in order.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ErrorBox {
  std::string text;
  std::string caption;
};

struct FakePlatform {
  std::map<std::string, std::uint32_t> attributes;  // the paths that exist
  std::uint32_t installerResult = 1605;             // ERROR_UNKNOWN_PRODUCT by default
  std::string componentPath;                        // what MsiGetComponentPathA writes
  bool componentWritesLength = true;                // false: the length is left unwritten
  std::string shellLinkPath;                        // what the shell link yields
  std::string shellLinkBytes;                       // raw bytes instead, when not empty

  std::vector<std::string> calls;
  std::vector<ErrorBox> boxes;
  std::string installerShortcutPath;
  std::string shellLinkShortcutPath;
  std::size_t shellLinkLength = 0;
};

// The fake in use; reset it at the start of each test.
FakePlatform& Fake();
void ResetFake();

// The calls joined with blanks, for one-line comparisons.
std::string CallSequence();
