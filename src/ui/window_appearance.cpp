#include "ui/window_appearance.h"

bool FTX_ToggleWindowSize(HWND, bool, FTX_TOGGLEINFOSTORAGE*, bool) { return false; }

bool Win32_SupportsTransparency() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return false;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion > 4;
}
