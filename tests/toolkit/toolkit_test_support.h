// Setup and trace helpers shared by the toolkit's tests over the simulated host.
#ifndef TESTS_TOOLKIT_TOOLKIT_TEST_SUPPORT_H
#define TESTS_TOOLKIT_TOOLKIT_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "sim/host/sim_host.h"

namespace toolkit_test {

// The host eras the toolkit is tested on: version word and the year it means.
struct HostEra {
  uint32_t word;
  int32_t year;
};
constexpr HostEra kHostEras[] = {
    {0x04000000u, 1998}, {0x05000005u, 2000}, {0x06000000u, 2001}, {0x07000000u, 2002}, {0x0F000200u, 2010},
};
constexpr HostEra kOldHostEras[] = {{0x04000000u, 1998}, {0x05000005u, 2000}};
constexpr HostEra kNewHostEras[] = {{0x06000000u, 2001}, {0x07000000u, 2002}, {0x0F000200u, 2010}};

inline std::string era_name(const testing::TestParamInfo<HostEra>& info) {
  return "Host" + std::to_string(info.param.year);
}

// Replaces the score's pages and systems: one page per entry holding that many
// systems (0: a page without systems), systems numbered from 1 in page order.
// Every system shows instrument list 0, which gets one visible staff.
inline void lay_out(sim::Score& score, std::initializer_list<int> systemsPerPage) {
  score.pages.clear();
  score.systems.clear();
  int16_t pageNumber = 0;
  for (int systems : systemsPerPage) {
    score.pages.push_back(sim::Page{});
    ++pageNumber;
    for (int i = 0; i < systems; ++i) {
      sim::StaffSystem system;
      system.page = pageNumber;
      score.systems.push_back(system);
    }
  }
  score.instrument_lists[0] = {sim::InstrumentListEntry{}};
  score.staves[1] = sim::Staff{};
}

// The traced calls of `function` with `tag`, in call order.
inline std::vector<sim::CallRecord> calls_of(const sim::CallLog& log, const char* function, uint32_t tag) {
  std::vector<sim::CallRecord> calls;
  for (const sim::CallRecord& call : log.trace_of(function)) {
    if (call.tag == tag) calls.push_back(call);
  }
  return calls;
}

// The key numbers of the traced FX_LoadEData calls of `tag`, in call order:
// the first key number, or the second with `second`.
inline std::vector<int> loaded_keys(const sim::CallLog& log, uint32_t tag, bool second = false) {
  std::vector<int> keys;
  for (const sim::CallRecord& call : calls_of(log, "FX_LoadEData", tag)) {
    keys.push_back(second ? call.key_second.value_or(-99999) : call.key_first.value_or(-99999));
  }
  return keys;
}

}  // namespace toolkit_test

#endif
