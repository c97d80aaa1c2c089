// Creating, stepping through and deleting host records: the version is
// corrected with the fourth argument as the size, everything else passes through.
#include "host/fx_binding.h"
#include "host/fx_entries.h"
#include "host/fx_narrowing.h"
#include "host/version_correction.h"

namespace {

using FiveWordFunction = FX_HOST_FUNCTION_TYPE(W, W, W, W, W);

FxWord call_corrected(FiveWordFunction host, uint32_t tag, FxWord word2, FxWord word3, int32_t size,
                      uint32_t version) {
  if (host == nullptr) return 0;
  HandleEnigmaVersion(tag, size, version);
  return FX_NARROW_S16(host(FxWord(tag), word2, word3, FxWord(size), FxWord(version)));
}

}  // namespace

FxWord FX_CreateEData(uint32_t tag, FxWord word2, FxWord word3, int32_t size, uint32_t version) {
  FX_BIND_HOST(FX_CreateEData, FiveWordFunction);
  return call_corrected(fpProc, tag, word2, word3, size, version);
}

FxWord FX_PreviousEData(uint32_t tag, FxWord word2, FxWord word3, int32_t size, uint32_t version) {
  FX_BIND_HOST(FX_PreviousEData, FiveWordFunction);
  return call_corrected(fpProc, tag, word2, word3, size, version);
}

FxWord FX_NextEData(uint32_t tag, FxWord word2, FxWord word3, int32_t size, uint32_t version) {
  FX_BIND_HOST(FX_NextEData, FiveWordFunction);
  return call_corrected(fpProc, tag, word2, word3, size, version);
}

FxWord FX_DeleteEData(uint32_t tag, FxWord word2, FxWord word3) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W, W, W);
  FX_BIND_HOST(FX_DeleteEData, HostFunction);
  if (fpProc == nullptr) return 0;
  return FX_NARROW_S16(fpProc(FxWord(tag), word2, word3));
}
