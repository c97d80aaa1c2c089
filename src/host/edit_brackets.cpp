#include "host/edit_brackets.h"

#include "host/fx_binding.h"
#include "host/fx_entries.h"
#include "host/fx_narrowing.h"

int32_t FinaleEditDepth = 0;

// The count goes up even when the host cannot open the edit, so that the
// caller's matching end is absorbed rather than closing an edit of its host.
FxWord FX_StartFinaleEdit(FxWord word1, FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W, W);
  FX_BIND_HOST(FX_StartFinaleEdit, HostFunction);
  ++FinaleEditDepth;
  if (fpProc == nullptr) return 0;
  return FX_NARROW_WORD(fpProc(word1, version));
}

FxWord FX_EndFinaleEdit(FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W);
  FX_BIND_HOST(FX_EndFinaleEdit, HostFunction);
  if (FinaleEditDepth <= 0) return 1;
  --FinaleEditDepth;
  if (fpProc == nullptr) return 0;
  return FX_NARROW_S16(fpProc(version));
}

FxWord FX_CancelFinaleEdit(FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W);
  FX_BIND_HOST(FX_CancelFinaleEdit, HostFunction);
  if (FinaleEditDepth <= 0) return 0;
  --FinaleEditDepth;
  if (fpProc == nullptr) return 0;
  return FX_NARROW_WORD(fpProc(version));
}
