// open-folder-with: opens the target's folder in the application that Morvaset.ini, the
// file beside the program, describes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One name for three things: the base name of the configuration file, the section that
// selects the application, and the caption of the two boxes about the file.
constexpr char kMorvaset[] = "Morvaset";
constexpr char kConfigExtension[] = ".ini";

// The section read when the selector section names none.
constexpr char kDefaultApplication[] = "Explorer";

// Each configuration value is read into a buffer of this size, so it holds at most 519
// bytes; the profile reader cuts a longer value.
constexpr std::size_t kSettingSize = 520;

// The values of the configuration file, one zero-terminated text per key; each field
// bears its key's name.
struct LaunchSettings {
  char Application[kSettingSize];       // [Morvaset]: the name of the application section
  char ApplicationName[kSettingSize];   // the program; empty: nothing is started
  char CommandLine[kSettingSize];       // its arguments; "%1" is the target's folder
  char CurrentDirectory[kSettingSize];  // its working directory, "%1" allowed; empty: ours
  char Environment[kSettingSize];       // put in front of Path; empty: Path is left alone
};

// Forms the configuration path, drive and directory of modulePath followed by
// "Morvaset.ini", in configPath, kMaxPath bytes. False, and configPath untouched, when
// modulePath does not end in ".exe" (ASCII letter case aside) or the result would not
// fit in kMaxPath - 1 bytes.
bool BuildConfigPath(const char* modulePath, char* configPath);

// Finds Morvaset.ini beside the program and reads the selected section into settings.
// False after showing a box when the file cannot be named or is not there; true when the
// values were read, whatever they are.
bool ReadLaunchSettings(LaunchSettings& settings);

// Replaces each occurrence of pattern, left to right, by replacement; the inserted text
// is not searched again. An empty pattern changes nothing.
std::string& ReplaceAll(std::string& text, const std::string& pattern,
                        const std::string& replacement);

// ApplicationName, one blank and CommandLine, with "%1" replaced by the folder throughout.
std::string ComposeCommandLine(const LaunchSettings& settings, const std::string& folder);

// CurrentDirectory with "%1" replaced by the folder; false, and no directory, when
// CurrentDirectory is empty.
bool ComposeWorkingDirectory(const LaunchSettings& settings, const std::string& folder,
                             std::string& directory);

// environment, ";" and the process's current Path, read whole whatever its length.
std::string BuildNewPath(const char* environment);

// A writable zero-terminated copy of text: in fixed (kSettingSize bytes) when it fits,
// otherwise in larger, sized to the text. Returns where the copy lies.
char* WritableCopy(const std::string& text, char* fixed, std::vector<char>& larger);
