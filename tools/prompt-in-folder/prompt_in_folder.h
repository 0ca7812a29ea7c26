// prompt-in-folder: starts the system's command interpreter in a console of its own,
// with the folder that holds the target as its current directory. The decisions live in
// prompt_in_folder.cpp; prompt_in_folder_win.cpp holds the thin Windows layer.
#pragma once

#include <cstdint>
#include <string>

// The console's title, "コマンド プロンプト" in code page 932: four double-byte
// characters, a single-byte space, five double-byte characters; 19 bytes.
extern const char kPromptTitle[];

// What follows the system directory, and, when cmd.exe is not there, the Windows directory.
constexpr char kCommandInterpreter[] = "\\cmd.exe";
constexpr char kFallbackInterpreter[] = "\\command.com";

// The folder (the target's path up to its last backslash; a drive's root keeps that
// backslash) and the interpreter's full path; false when the folder cannot be cut or a
// directory cannot be read, or does not fit the buffer.
bool ChooseInterpreter(const std::string& targetPath, std::string& folder,
                       std::string& interpreter);

// --- The Windows layer (prompt_in_folder_win.cpp; the unit tests supply their own). ---

// GetSystemDirectoryA and GetWindowsDirectoryA into a zero-filled buffer of kMaxPath
// bytes; each returns the platform's count: the length, 0 on failure, or more than the
// buffer holds when the directory does not fit.
std::uint32_t ReadSystemDirectory(char* buffer);
std::uint32_t ReadWindowsDirectory(char* buffer);

// CreateProcessA of the interpreter, with no command line, in a new console titled
// kPromptTitle and shown in its default state, with folder as its current directory.
// Neither waits nor closes the handles. True when the process was created.
bool StartInterpreter(const std::string& interpreter, const std::string& folder);
