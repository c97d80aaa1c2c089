#include "sim/render/page_geometry.h"

#include <optional>
#include <stdexcept>

#include "sim/score/host_era.h"
#include "sim/score/score_options.h"

namespace sim {
namespace {

constexpr uint16_t kScaledSystemFlag = 0x0002;
constexpr uint16_t kOwnListFlag = 0x4000;
constexpr uint16_t kScaledPageFlag = 0x0002;
constexpr int16_t kExtractedPartList = -8;
constexpr int16_t kStandardStaffHeight = 96;
constexpr int32_t kLowestUnset = 0x0FFFFFFF;
constexpr double kStaffHeight = 96;  // four spaces of 24 EVPU

// Sums and products wrap to 32 bits, as the plug-in's arithmetic does.
int32_t wrap32(int64_t value) { return int32_t(uint32_t(uint64_t(value))); }
int32_t percent_of(int32_t length, int32_t percent) { return wrap32(int64_t{length} * percent) / 100; }

int16_t list_of(const Score& score, const StaffSystem& system, int16_t number) {
  if ((system.flags & kOwnListFlag) != 0) return number;
  return extracted_part(score) ? kExtractedPartList : 0;
}

// A staff's position as record `index` of `list` reports it. Hosts of 2000 and
// earlier keep a system's top margin in record 0 of its own list, in the place
// where the other records hold the position.
int32_t reported_position(const Score& score, uint32_t host_version, int16_t list, size_t index) {
  if (index == 0 && !keeps_current_system_layout(host_version) && list >= 1 &&
      size_t(list) <= score.systems.size()) {
    const StaffSystem& owner = score.systems[size_t(list) - 1];
    if ((owner.flags & kOwnListFlag) != 0) return owner.top_margin;
  }
  return score.instrument_lists.at(list)[index].position;
}

// The system's top margin as its current-layout record reads: on hosts of
// 2000 and earlier it comes from record 0 of the system's list.
std::optional<int16_t> reported_top_margin(const Score& score, uint32_t host_version, int16_t number) {
  const StaffSystem& system = score.systems[size_t(number) - 1];
  if (keeps_current_system_layout(host_version)) return int16_t(system.top_margin);
  const int16_t list = list_of(score, system, number);
  auto found = score.instrument_lists.find(list);
  if (found == score.instrument_lists.end() || found->second.empty()) return std::nullopt;
  return int16_t(reported_position(score, host_version, list, 0));
}

bool staff_visible(const Score& score, int16_t staff, bool* exists) {
  auto found = score.staves.find(staff);
  *exists = found != score.staves.end();
  return *exists && !found->second.hidden;
}

struct Span {
  int32_t highest = 0;
  int32_t lowest = kLowestUnset;
  int visible = 0;
};

std::optional<Span> visible_span(const Score& score, uint32_t host_version, int16_t list) {
  Span span;
  const std::vector<InstrumentListEntry>& entries = score.instrument_lists.at(list);
  for (size_t i = 0; i < entries.size(); ++i) {
    bool exists = false;
    if (!staff_visible(score, entries[i].staff, &exists)) {
      if (!exists) return std::nullopt;
      continue;
    }
    const int32_t depth = wrap32(-int64_t{reported_position(score, host_version, list, i)});
    span.highest = std::max(span.highest, depth);
    span.lowest = std::min(span.lowest, depth);
    ++span.visible;
  }
  return span;
}

// The top staff's offset: the negated position of the list's record 0, or its
// negated word at offset 2 when the position is 0; cut to 16 bits.
int32_t top_staff_offset(const Score& score, uint32_t host_version, int16_t list) {
  const int32_t position = reported_position(score, host_version, list, 0);
  const int32_t t = position != 0 ? wrap32(-int64_t{position}) : -int32_t(score.instrument_lists.at(list)[0].word2);
  return int16_t(t);
}

struct Metrics {
  int32_t top;  // margins positive downward
  int32_t bottom;
  int32_t span;
  int32_t t;
};

int32_t height_by_era(const StaffSystem& system, const Metrics& m, int year) {
  const bool scaled = (system.flags & kScaledSystemFlag) != 0 ||
                      (year > 2001 && system.staff_height != kStandardStaffHeight);
  if (scaled) {
    if (year <= 2000) return percent_of(wrap32(int64_t{m.span} + m.top + m.bottom), system.percent);
    int32_t depth = percent_of(wrap32(int64_t{m.t} + m.span + m.bottom), system.percent);
    if (year > 2001) depth = wrap32(int64_t{depth} * system.staff_height) / 16 / 96;
    return wrap32(int64_t{depth} + m.top);
  }
  if (year <= 2000) return wrap32(int64_t{m.top} + m.span + m.bottom);
  return wrap32(int64_t{m.t} + m.span + m.top + m.bottom);
}

// The visible staves' top lines from the system's top, before the page's
// scaling: the top margin, then each staff's depth at the system's scale.
std::vector<double> staff_depths(const Score& score, uint32_t host_version, int16_t number, double system_scale) {
  std::vector<double> depths;
  const StaffSystem& system = score.systems[size_t(number) - 1];
  const int16_t list = list_of(score, system, number);
  const std::optional<int16_t> top = reported_top_margin(score, host_version, number);
  auto found = score.instrument_lists.find(list);
  if (!top || found == score.instrument_lists.end()) return depths;
  for (const InstrumentListEntry& entry : found->second) {
    bool exists = false;
    if (staff_visible(score, entry.staff, &exists)) depths.push_back(-double(*top) - double(entry.position) * system_scale);
  }
  return depths;
}

}  // namespace

int32_t system_height(const Score& score, uint32_t host_version, int16_t number) {
  if (number < 1 || size_t(number) > score.systems.size()) return 0;
  const StaffSystem& system = score.systems[size_t(number) - 1];
  const int year = host_year(host_version);
  const std::optional<int16_t> top = reported_top_margin(score, host_version, number);
  const int16_t list = list_of(score, system, number);
  auto found = score.instrument_lists.find(list);
  if (!top || found == score.instrument_lists.end() || found->second.empty()) return 0;
  if (year > 2000 && (system.first_measure < 1 || size_t(system.first_measure) > score.measures.size())) return 0;
  const std::optional<Span> span = visible_span(score, host_version, list);
  if (!span || span->visible == 0) return 0;
  const Metrics metrics{-int32_t{*top}, -int32_t{system.bottom_margin}, span->highest - span->lowest,
                        top_staff_offset(score, host_version, list)};
  return height_by_era(system, metrics, year);
}

double PageGeometry::room_below() const {
  return systems.empty() ? margin_bottom - margin_top : margin_bottom - systems.back().bottom;
}

PageGeometry page_geometry(const Score& score, uint32_t host_version, int16_t number) {
  if (number < 1 || size_t(number) > score.pages.size()) throw std::out_of_range("no page " + std::to_string(number));
  const Page& page = score.pages[size_t(number) - 1];
  PageGeometry g;
  g.number = number;
  g.width = page.width;
  g.height = page.height;
  g.margin_top = -double(page.top_margin);
  g.margin_bottom = double(page.height) - page.bottom_margin;
  g.margin_left = page.left_margin;
  g.margin_right = double(page.width) + page.right_margin;
  if ((page.flags & kScaledPageFlag) != 0 && page.percent > 0) g.scale = page.percent / 100.0;
  double y = g.margin_top;
  for (size_t i = 0; i < score.systems.size(); ++i) {
    const StaffSystem& system = score.systems[i];
    if (system.page != number) continue;
    SystemBox box;
    box.number = int16_t(i + 1);
    box.gap = system.gap;
    box.height = system_height(score, host_version, box.number);
    const int16_t list = list_of(score, system, box.number);
    if (auto span = score.instrument_lists.count(list) ? visible_span(score, host_version, list) : std::nullopt)
      box.visible_staves = span->visible;
    box.top = y - system.gap * g.scale;
    box.bottom = box.top + box.height * g.scale;
    const double system_scale = (system.flags & kScaledSystemFlag) != 0 ? system.percent / 100.0 : 1.0;
    box.staff_height = kStaffHeight * system_scale * g.scale;
    for (double depth : staff_depths(score, host_version, box.number, system_scale)) box.staff_tops.push_back(box.top + depth * g.scale);
    box.left = g.margin_left + system.left_margin * g.scale;
    box.right = g.margin_right + system.right_margin * g.scale;
    y = box.bottom;
    g.systems.push_back(box);
  }
  return g;
}

}  // namespace sim
