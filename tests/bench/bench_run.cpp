// Runs one tool with an exact command line, the way a launcher would, and reports what
// the user would have seen: every message box of the tool's process (caption, text,
// icon and buttons), the exit code and the time to exit. Each box is dismissed with OK
// once read. All processes the tool starts are kept in a job, and the report is written
// only once they have all ended, so that their records are complete.
//
//   bench-run <command-line-file> <report-file> [timeout-ms]
//
// The command line file holds the raw bytes (code page 932) of the command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "bench_common.h"

namespace {

struct Scan {
  DWORD processId;
  std::set<HWND>* seen;
  std::string* report;
};

// Whether the box shows an icon: a Static child in icon mode that holds one. (Which icon
// cannot be told from here: icon handles do not cross processes, and the message box
// style is checked through the buttons and the Windows layer's single call.)
std::string IconKind(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0) continue;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
    if (SendMessageA(child, STM_GETICON, 0, 0) != 0) return "present";
  }
  return "none";
}

std::string Buttons(HWND box) {
  std::string ids;
  for (int id = IDOK; id <= IDCONTINUE; ++id) {
    HWND button = GetDlgItem(box, id);
    if (button == nullptr || !IsWindowVisible(button)) continue;
    if (!ids.empty()) ids += ',';
    ids += std::to_string(id);
  }
  return ids;
}

BOOL CALLBACK ReadBox(HWND window, LPARAM parameter) {
  Scan& scan = *reinterpret_cast<Scan*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != scan.processId || !IsWindowVisible(window)) return TRUE;
  if (scan.seen->count(window)) return TRUE;
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0) return TRUE;
  HWND text = GetDlgItem(window, 0xFFFF);
  if (text == nullptr) return TRUE;  // not drawn yet; read it on the next scan
  scan.seen->insert(window);
  *scan.report += "box caption=" + Hex(WindowText(window)) + " text=" + Hex(WindowText(text)) +
                  " icon=" + IconKind(window) + " buttons=" + Buttons(window) + "\n";
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
  return TRUE;
}

std::string ReadWholeFile(const char* path) {
  std::string bytes;
  FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return bytes;
  char buffer[4096];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
  std::fclose(file);
  return bytes;
}

DWORD ActiveProcesses(HANDLE job) {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
  if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                 nullptr)) {
    return 0;
  }
  return info.ActiveProcesses;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench-run <command-line-file> <report-file> [timeout-ms]\n");
    return 2;
  }
  std::string commandLine = ReadWholeFile(argv[1]);
  const DWORD timeout = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 30000;

  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  STARTUPINFOA startupInfo = {};
  startupInfo.cb = sizeof startupInfo;
  PROCESS_INFORMATION process = {};
  const DWORD start = GetTickCount();
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, nullptr, &startupInfo, &process)) {
    AppendToFile(argv[2], "error create " + std::to_string(GetLastError()) + "\n");
    return 1;
  }
  AssignProcessToJobObject(job, process.hProcess);
  ResumeThread(process.hThread);

  std::set<HWND> seen;
  std::string report;
  Scan scan = {process.dwProcessId, &seen, &report};
  bool exited = false;
  while (GetTickCount() - start < timeout) {
    EnumWindows(ReadBox, reinterpret_cast<LPARAM>(&scan));
    if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0) {
      exited = true;
      break;
    }
  }
  const DWORD end = GetTickCount();
  const DWORD elapsed = end - start;
  if (!exited) {
    TerminateProcess(process.hProcess, 259);
    report += "timeout\n";
  } else {
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    report += "exit " + std::to_string(exitCode) + "\n";
    report += "elapsed " + std::to_string(elapsed) + "\n";
    // The tick itself, to set the exit against events of other processes of the prefix.
    report += "exit-tick " + std::to_string(end) + "\n";
  }
  // Wait for the processes the tool started (they only record and end).
  while (ActiveProcesses(job) > 0 && GetTickCount() - start < timeout + 10000) Sleep(20);
  report += "children-running " + std::to_string(ActiveProcesses(job)) + "\n";
  AppendToFile(argv[2], report);
  return 0;
}
