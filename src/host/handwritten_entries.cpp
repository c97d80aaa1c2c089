// Entries that do a little more than bind and call.
#include "host/fx_binding.h"
#include "host/fx_entries.h"
#include "host/fx_narrowing.h"
#include "platform/win32.h"

namespace {

// The oldest layout version the host's chord analysis understands.
constexpr uint32_t kOldestChordVersion = 0x0B000000u;

// Hosts up to this version show and hide dialog items badly: the plug-in
// does it itself.
constexpr uint32_t kLastOwnShowHideVersion = 0x0B01FFFFu;

const char kNoPartName[] = " ";

}  // namespace

FxWord FX_ShowHideDlgItem(FxWord window, FxWord control, int16_t show, FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W, W, S, W);
  FX_BIND_HOST(FX_ShowHideDlgItem, HostFunction);
  if (fpProc != nullptr && uint32_t(version) > kLastOwnShowHideVersion)
    return FX_NARROW_WORD(fpProc(window, control, show, version));
  HWND item = GetDlgItem(reinterpret_cast<HWND>(window), int(control));
  return FxWord(ShowWindow(item, show != 0 ? SW_SHOWNORMAL : SW_HIDE));
}

FxWord FX_AnalyzeChord(FxWord word1, FxWord word2, FxWord word3, FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W, W, W, W);
  FX_BIND_HOST(FX_AnalyzeChord, HostFunction);
  if (fpProc == nullptr) return 0;
  if (uint32_t(version) < kOldestChordVersion) version = FxWord(kOldestChordVersion);
  return FX_NARROW_S16(fpProc(word1, word2, word3, version));
}

FxWord FX_GetPartName(int16_t part, FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(S, W);
  FX_BIND_HOST(FX_GetPartName, HostFunction);
  if (fpProc == nullptr) return fx_word(kNoPartName);
  return FX_NARROW_WORD(fpProc(part, version));
}
