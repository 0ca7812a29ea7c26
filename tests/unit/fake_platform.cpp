#include "fake_platform.h"

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "platform.h"
#include "shortcut_core.h"

namespace {
FakePlatform fake;
}

FakePlatform& Fake() { return fake; }

void ResetFake() { fake = FakePlatform(); }

std::string CallSequence() {
  std::string sequence;
  for (const std::string& call : fake.calls) {
    if (!sequence.empty()) sequence += ' ';
    sequence += call;
  }
  return sequence;
}

bool QueryFileAttributes(const char* path, std::uint32_t* attributes) {
  fake.calls.push_back("GetFileAttributes");
  const auto found = fake.attributes.find(path);
  if (found == fake.attributes.end()) return false;
  *attributes = found->second;
  return true;
}

void ShowErrorBox(const char* text, const char* caption) {
  fake.calls.push_back("MessageBox");
  fake.boxes.push_back({text, caption});
}

std::uint32_t InstallerGetShortcutTarget(const char* shortcutPath, char* productCode,
                                         char*, char* componentCode) {
  fake.calls.push_back("MsiGetShortcutTarget");
  fake.installerShortcutPath = shortcutPath;
  if (fake.installerResult == kInstallerSuccess) {
    std::strcpy(productCode, "{PRODUCT}");
    std::strcpy(componentCode, "{COMPONENT}");
  }
  return fake.installerResult;
}

void InstallerGetComponentPath(const char* productCode, const char* componentCode,
                               char* path, std::uint32_t* pathLength) {
  fake.calls.push_back("MsiGetComponentPath");
  EXPECT_STREQ("{PRODUCT}", productCode);
  EXPECT_STREQ("{COMPONENT}", componentCode);
  EXPECT_EQ(kMaxPath, *pathLength);
  const std::size_t length = std::min(fake.componentPath.size(), kMaxPath - 1);
  std::memcpy(path, fake.componentPath.data(), length);
  if (fake.componentWritesLength) *pathLength = static_cast<std::uint32_t>(length);
}

void ComInitialize() { fake.calls.push_back("CoInitialize"); }

void ComUninitialize() { fake.calls.push_back("CoUninitialize"); }

void ReadShellLinkPath(const char* shortcutPath, std::size_t length, char* path) {
  fake.calls.push_back("ShellLinkGetPath");
  fake.shellLinkShortcutPath = shortcutPath;
  fake.shellLinkLength = length;
  std::memset(path, 0, kMaxPath);
  const std::string& bytes = fake.shellLinkBytes.empty() ? fake.shellLinkPath
                                                         : fake.shellLinkBytes;
  std::memcpy(path, bytes.data(), std::min(bytes.size(), kMaxPath));
}
