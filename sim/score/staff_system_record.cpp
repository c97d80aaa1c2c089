// Staff-system records, key {system, 0}, in the two layouts hosts have kept:
// the current 24-byte layout (layout versions from 0x06000000) and the old
// 20-byte one (earlier versions). Hosts after 2000 answer both tags in either
// layout, chosen by the transfer's version; hosts of 2000 and earlier know only
// 'SOSS' in the old layout, whatever version is asked for.
#include "host/record_tags.h"
#include "sim/score/field_table.h"
#include "sim/score/host_era.h"
#include "sim/score/record_codecs.h"

namespace sim {
namespace {

constexpr uint32_t kFirstCurrentLayoutVersion = 0x06000000u;

const Field<StaffSystem> kCurrentLayout[] = {
    SIM_FIELD(StaffSystem, "sysTopMargin", 0, I16, top_margin),
    SIM_FIELD(StaffSystem, "sysLeftMargin", 2, I16, left_margin),
    SIM_FIELD(StaffSystem, "sysRightMargin", 4, I16, right_margin),
    SIM_FIELD(StaffSystem, "sysBottomMargin", 6, I16, bottom_margin),
    SIM_FIELD(StaffSystem, "sysFirstMeasure", 8, I16, first_measure),
    SIM_FIELD(StaffSystem, "sysFlags", 10, U16, flags),
    SIM_FIELD(StaffSystem, "sysNextMeasure", 12, I16, next_measure),
    SIM_FIELD(StaffSystem, "unnamed14", 14, I16, unnamed14),
    SIM_FIELD(StaffSystem, "unnamed16", 16, I16, unnamed16),
    SIM_FIELD(StaffSystem, "sysPercent", 18, I16, percent),
    SIM_FIELD(StaffSystem, "sysGap", 20, I16, gap),
    SIM_FIELD(StaffSystem, "sysStaffHeight", 22, I16, staff_height),
};
constexpr int kCurrentLayoutSize = 24;

const Field<StaffSystem> kOldLayout[] = {
    SIM_FIELD(StaffSystem, "sysGap", 0, I16, gap),
    SIM_FIELD(StaffSystem, "sysLeftMargin", 2, I16, left_margin),
    SIM_FIELD(StaffSystem, "sysRightMargin", 4, I16, right_margin),
    SIM_FIELD(StaffSystem, "sysBottomMargin", 6, I16, bottom_margin),
    SIM_FIELD(StaffSystem, "sysFirstMeasure", 8, I16, first_measure),
    SIM_FIELD(StaffSystem, "sysNextMeasure", 10, I16, next_measure),
    SIM_FIELD(StaffSystem, "unnamed16", 12, I32, unnamed16),
    SIM_FIELD(StaffSystem, "sysPercent", 16, I16, percent),
    SIM_FIELD(StaffSystem, "sysFlags", 18, U16, flags),
};
constexpr int kOldLayoutSize = 20;

enum class Layout { NONE, OLD, CURRENT };

Layout layout_of(const RecordRequest& request) {
  if (!keeps_current_system_layout(request.host_version))
    return request.tag == kTagStaffSystemOld ? Layout::OLD : Layout::NONE;
  return request.version >= kFirstCurrentLayoutVersion ? Layout::CURRENT : Layout::OLD;
}

}  // namespace

std::optional<Bytes> load_staff_system_record(const Score& score, const RecordRequest& request) {
  const StaffSystem* system = numbered_item(score.systems, request);
  const Layout layout = layout_of(request);
  if (system == nullptr || layout == Layout::NONE) return std::nullopt;
  if (layout == Layout::OLD) return encode_image(kOldLayout, *system, kOldLayoutSize);
  return encode_image(kCurrentLayout, *system, kCurrentLayoutSize);
}

// A save changes only the fields its layout holds.
bool save_staff_system_record(Score& score, const RecordRequest& request, const uint8_t* bytes, int32_t size) {
  const StaffSystem* system = numbered_item(score.systems, request);
  const Layout layout = layout_of(request);
  if (system == nullptr || layout == Layout::NONE) return false;
  StaffSystem& target = score.systems[size_t(request.first) - 1];
  if (layout == Layout::OLD) {
    if (size != kOldLayoutSize) return false;
    decode_fields(kOldLayout, bytes, target);
  } else {
    if (size != kCurrentLayoutSize) return false;
    decode_fields(kCurrentLayout, bytes, target);
  }
  return true;
}

}  // namespace sim
