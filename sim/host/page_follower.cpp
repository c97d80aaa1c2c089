#include "sim/host/page_follower.h"

#include <cstring>
#include <string_view>

#include "host/record_tags.h"

namespace sim {
namespace {

constexpr size_t kFirstSystemOffset = 8;  // EDTPageSpec: 16-bit firstSystem
constexpr int16_t kNotLaidOut = 0;
constexpr int16_t kNoSystems = -1;

}  // namespace

void PageFollower::follow_look_ahead(int16_t page, bool loaded, int16_t firstSystem) {
  const bool first_sight = page != ahead_;
  ahead_ = page;
  awaiting_reload_ = loaded && firstSystem == kNotLaidOut && first_sight;
  looking_ahead_ = loaded && (firstSystem == kNoSystems || awaiting_reload_);
}

void PageFollower::observe(const char* function, const Args& args, FxWord result) {
  if (std::string_view(function) != "FX_LoadEData" || args.size() < 3 || args[1] == 0 || args[2] == 0) return;
  if (uint32_t(args[0]) != kTagPageSpec) return;
  int16_t page = 0;
  std::memcpy(&page, reinterpret_cast<const void*>(args[1]), sizeof page);
  const bool loaded = result != 0;
  int16_t firstSystem = 0;
  if (loaded) std::memcpy(&firstSystem, reinterpret_cast<const uint8_t*>(args[2]) + kFirstSystemOffset, 2);

  const bool next_ahead = page == ahead_ + 1 || (page == ahead_ && awaiting_reload_);
  if (looking_ahead_ && next_ahead) {
    follow_look_ahead(page, loaded, firstSystem);
    return;
  }
  // The record of a page of the range (or of a page the run passed): a page
  // with systems is looked beyond next.
  if (page > at_) at_ = page;
  ahead_ = page;
  awaiting_reload_ = false;
  looking_ahead_ = loaded && firstSystem > 0;
}

}  // namespace sim
