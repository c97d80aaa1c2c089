#include "toolkit/window_info.h"

#include <cstring>

#include "host/fx_entries.h"
#include "toolkit/document_view.h"
#include "toolkit/host_version.h"

namespace {

constexpr DWORD kOsVersionInfoSize = 148;

template <typename Field>
Field read_field(const FTX_WINDOWINFOBUFFER* record, int offset) {
  Field value;
  std::memcpy(&value, record->bytes + offset, sizeof value);
  return value;
}

}  // namespace

bool CruicalWinVersionFor_FX_GetCurrentWindowInfo() {
  if (FTX_FinaleVersion() <= 2003) return false;
  OSVERSIONINFOA version;
  std::memset(&version, 0, sizeof version);
  version.dwOSVersionInfoSize = kOsVersionInfoSize;
  GetVersionExA(&version);
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool FTX_UsesWindowInfoRecord() {
  return FTX_FinaleVersion() > 2003 && !CruicalWinVersionFor_FX_GetCurrentWindowInfo();
}

bool FTX_ReadWindowInfo(FTX_WINDOWINFOBUFFER* record) {
  std::memset(record->bytes, 0, kFtxWindowInfoClearedBytes);
  return static_cast<int16_t>(FX_GetCurrentWindowInfo(fx_word(record->bytes), kFxInterfaceVersion)) != 0;
}

// Window handles are 32-bit values on every Windows, sign-extended to the
// pointer width.
HWND FTX_WindowInfoDocumentChild(const FTX_WINDOWINFOBUFFER* record) {
  const int32_t handle = read_field<int32_t>(record, kFtxWindowInfoWindowOffset);
  return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
}

bool FTX_WindowInfoIsPageView(const FTX_WINDOWINFOBUFFER* record) {
  return read_field<uint16_t>(record, kFtxWindowInfoPageViewOffset) != 0;
}

int16_t FTX_WindowInfoPage(const FTX_WINDOWINFOBUFFER* record) {
  return read_field<int16_t>(record, kFtxWindowInfoPageOffset);
}
