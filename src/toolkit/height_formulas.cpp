// A staff system's height by host era. All values are unscaled EVPU, positive
// downward; percentages scale by value / 100 with truncation toward zero. The
// scaled formula applies to a scaled system, and on hosts after 2001 also to a
// system whose staff height field is not exactly 96, the value old hosts imply.
// There the depth is scaled by staffHeight / (16 * 96), so 1536 leaves it as is.
#include "toolkit/system_metrics.h"
#include "toolkit/wrapping_math.h"

namespace {

constexpr int16_t kStandardStaffHeight = 96;

bool uses_scaled_formula(const FTX_LAYOUTINFO* info, int16_t staffHeight, int32_t hostYear) {
  return info->systemScaled == 1 || (hostYear > 2001 && staffHeight != kStandardStaffHeight);
}

int32_t percent_of(int32_t length, int32_t percent) { return FTX_Wrap32(int64_t{length} * percent) / 100; }

int32_t scaled_height(const FTX_LAYOUTINFO* info, int32_t t, int16_t staffHeight, int32_t hostYear) {
  const int32_t top = info->systemTopMargin;
  if (hostYear <= 2000) {
    return percent_of(FTX_Wrap32(int64_t{info->staffSpan} + top + info->systemBottomMargin), info->systemPercent);
  }
  int32_t depth = percent_of(FTX_Wrap32(int64_t{t} + info->staffSpan + info->systemBottomMargin), info->systemPercent);
  if (hostYear > 2001) {
    depth = FTX_Wrap32(int64_t{depth} * staffHeight);
    depth /= 16;
    depth /= 96;
  }
  return FTX_Wrap32(int64_t{depth} + top);
}

}  // namespace

void FTX_ApplySystemHeight(FTX_LAYOUTINFO* info, int32_t topStaffOffset, int16_t staffHeight, int32_t hostYear) {
  if (uses_scaled_formula(info, staffHeight, hostYear)) {
    info->systemHeight = scaled_height(info, topStaffOffset, staffHeight, hostYear);
    return;
  }
  const int64_t margins = int64_t{info->systemTopMargin} + info->systemBottomMargin;
  if (hostYear <= 2000) {
    info->systemHeight = FTX_Wrap32(margins + info->staffSpan);
    return;
  }
  info->systemHeight = FTX_Wrap32(int64_t{topStaffOffset} + info->staffSpan + margins);
  info->systemTopMargin = FTX_Wrap32(int64_t{info->systemTopMargin} + topStaffOffset);
}
