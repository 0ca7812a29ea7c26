// Makes shell links for the tests through the shell link object, as the shell does.
//
//   bench-link <link-file> <target-path>     a link to a file or folder
//   bench-link <link-file> --computer        a link to a shell object with no file path
//   bench-link <link-file> --advertised <product-code> <feature> <component-code>
//                                            an advertised (Installer) shortcut
//
// For an advertised shortcut it prints the descriptor it stored, after checking that the
// Installer splits it back into the same product, feature and component.
#include <windows.h>
#include <msi.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

// Exported by msi.dll but missing from MinGW's msi.h.
extern "C" UINT WINAPI MsiDecomposeDescriptorA(LPCSTR descriptor, LPSTR productCode,
                                               LPSTR featureId, LPSTR componentCode,
                                               DWORD* used);

namespace {

// The Installer's compressed GUID: the 16 bytes read as four little-endian 32-bit words,
// each written as five base-85 digits, least significant first. 20 characters in all.
bool CompressGuid(const wchar_t* text, std::string* compressed) {
  static const char kDigits[] =
      "!$%&'()*+,-.0123456789=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`abcdefghijklmnopqrstuvwxyz{}~";
  static_assert(sizeof kDigits == 86, "85 digits");
  GUID guid;
  if (FAILED(CLSIDFromString(text, &guid))) return false;
  DWORD words[4];
  std::memcpy(words, &guid, sizeof words);
  compressed->clear();
  for (DWORD word : words) {
    for (int digit = 0; digit < 5; ++digit) {
      *compressed += kDigits[word % 85];
      word /= 85;
    }
  }
  return true;
}

std::string Narrow(const wchar_t* text) {
  char buffer[512] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
  return buffer;
}

// The descriptor of feature and component of the product, checked against the Installer's
// own reading of it; empty when the two disagree.
std::string AdvertisedDescriptor(const wchar_t* productCode, const wchar_t* feature,
                                 const wchar_t* componentCode) {
  std::string product, component;
  if (!CompressGuid(productCode, &product) || !CompressGuid(componentCode, &component)) {
    std::fprintf(stderr, "not a GUID in braces\n");
    return "";
  }
  const std::string descriptor = product + Narrow(feature) + ">" + component;

  char splitProduct[64] = {}, splitFeature[MAX_PATH] = {}, splitComponent[64] = {};
  DWORD used = 0;
  const UINT result = MsiDecomposeDescriptorA(descriptor.c_str(), splitProduct, splitFeature,
                                              splitComponent, &used);
  if (result != ERROR_SUCCESS || lstrcmpiA(splitProduct, Narrow(productCode).c_str()) != 0 ||
      Narrow(feature) != splitFeature ||
      lstrcmpiA(splitComponent, Narrow(componentCode).c_str()) != 0 ||
      used != descriptor.size()) {
    std::fprintf(stderr, "the Installer reads %s as %u: %s %s %s (%lu characters)\n",
                 descriptor.c_str(), result, splitProduct, splitFeature, splitComponent,
                 static_cast<unsigned long>(used));
    return "";
  }
  return descriptor;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool advertised = argc == 6 && std::wcscmp(argv[2], L"--advertised") == 0;
  if (argc < 3 || (std::wcscmp(argv[2], L"--advertised") == 0 && !advertised)) {
    std::fprintf(stderr,
                 "usage: bench-link <link-file> <target-path>|--computer|"
                 "--advertised <product-code> <feature> <component-code>\n");
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
  if (advertised) {
    const std::string descriptor = AdvertisedDescriptor(argv[3], argv[4], argv[5]);
    if (descriptor.empty()) return 1;
    // The shell link takes this form of path as the Installer's descriptor and stores it
    // in its Darwin data block.
    std::wstring path = L"::{9db1186e-40df-11d1-aa8c-00c04fb67863}:";
    path.append(descriptor.begin(), descriptor.end());
    path += L"::";
    result = link->SetPath(path.c_str());
    std::printf("%s\n", descriptor.c_str());
  } else if (std::wcscmp(argv[2], L"--computer") == 0) {
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
