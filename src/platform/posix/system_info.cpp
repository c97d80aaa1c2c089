// The operating-system version, the screen metrics and the user-interface
// language the stand-in reports.
//
// The default system is Windows NT 6.2 (what Windows reports to programs
// without a compatibility manifest) on a 1024 x 768 screen, in English
// (United States). For the Windows 95
// family the build number's high word carries the version, as those systems
// report it.
#include <cstring>

#include "platform/posix/testing.h"

namespace {

struct SystemInfo {
  DWORD platform = VER_PLATFORM_WIN32_NT;
  DWORD major = 6;
  DWORD minor = 2;
  DWORD build = 9200;
  int width = 1024;
  int height = 768;
  LANGID ui_language = 0x0409;  // English, United States
  LANGID default_language = 0x0409;
};

SystemInfo& info() {
  static SystemInfo s;
  return s;
}

constexpr int kCaptionHeight = 22;

}  // namespace

BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation) {
  if (lpVersionInformation == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD size = lpVersionInformation->dwOSVersionInfoSize;
  if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  const SystemInfo& s = info();
  std::memset(reinterpret_cast<BYTE*>(lpVersionInformation) + sizeof(DWORD), 0,
              size - sizeof(DWORD));
  lpVersionInformation->dwMajorVersion = s.major;
  lpVersionInformation->dwMinorVersion = s.minor;
  lpVersionInformation->dwPlatformId = s.platform;
  lpVersionInformation->dwBuildNumber =
      s.platform == VER_PLATFORM_WIN32_WINDOWS ? (s.major << 24) | (s.minor << 16) | (s.build & 0xFFFF)
                                               : s.build;
  if (size == sizeof(OSVERSIONINFOEXA) && s.platform == VER_PLATFORM_WIN32_NT)
    reinterpret_cast<LPOSVERSIONINFOEXA>(lpVersionInformation)->wProductType = 1;
  return TRUE;
}

int GetSystemMetrics(int nIndex) {
  const SystemInfo& s = info();
  switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXVIRTUALSCREEN:
      return s.width;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
      return s.height;
    case SM_CYFULLSCREEN:
      return s.height - kCaptionHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      return 17;
    case SM_CYCAPTION:
      return kCaptionHeight;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXMINIMIZED:
      return 160;
    case SM_CYMINIMIZED:
      return 28;
    case SM_CMONITORS:
      return 1;
    default:
      return 0;
  }
}

LANGID GetUserDefaultUILanguage(void) { return info().ui_language; }
LANGID GetUserDefaultLangID(void) { return info().default_language; }

namespace standin {

void set_ui_language(LANGID language) { info().ui_language = language; }
void set_default_language(LANGID language) { info().default_language = language; }

bool system_has_function(const char* name) {
  // GetUserDefaultUILanguage: Windows 2000 (NT 5.0) and Windows Me (4.90).
  if (std::strcmp(name, "GetUserDefaultUILanguage") != 0) return true;
  const SystemInfo& s = info();
  if (s.platform == VER_PLATFORM_WIN32_WINDOWS) return s.major > 4 || (s.major == 4 && s.minor >= 90);
  return s.major >= 5;
}

void set_os_version(DWORD platform, DWORD major, DWORD minor, DWORD build) {
  info().platform = platform;
  info().major = major;
  info().minor = minor;
  info().build = build;
}

void set_screen_size(int width, int height) {
  info().width = width;
  info().height = height;
}

}  // namespace standin
