// Makes shell links for the tests through the shell link object, as the shell does.
//
//   bench-link <link-file> <target-path>     a link to a file or folder
//   bench-link <link-file> --computer        a link to a shell object with no file path
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench-link <link-file> <target-path>|--computer\n");
    return 2;
  }
  CoInitialize(nullptr);
  IShellLinkW* link = nullptr;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IShellLinkW, reinterpret_cast<void**>(&link));
  if (FAILED(result)) {
    std::fprintf(stderr, "CoCreateInstance failed: %08lx\n", result);
    return 1;
  }
  if (std::wcscmp(argv[2], L"--computer") == 0) {
    LPITEMIDLIST computer = nullptr;
    SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer);
    result = link->SetIDList(computer);
    CoTaskMemFree(computer);
  } else {
    result = link->SetPath(argv[2]);
  }
  if (FAILED(result)) {
    std::fprintf(stderr, "setting the target failed: %08lx\n", result);
    return 1;
  }
  IPersistFile* file = nullptr;
  link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  result = file->Save(argv[1], TRUE);
  file->Release();
  link->Release();
  CoUninitialize();
  if (FAILED(result)) {
    std::fprintf(stderr, "saving the link failed: %08lx\n", result);
    return 1;
  }
  return 0;
}
