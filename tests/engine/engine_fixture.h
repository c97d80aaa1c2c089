// A simulated host set up for respacing runs: pages measured by their usable
// height, systems measured by their height, and runs of the page driver that
// show the plug-in's own message boxes.
//
// Every system has one staff at its top and its bottom margin `height` below
// it, so the toolkit's layout summary reports exactly `height` on hosts of
// every year. Lengths are EVPU; gaps are negative downward.
#ifndef TESTS_ENGINE_ENGINE_FIXTURE_H
#define TESTS_ENGINE_ENGINE_FIXTURE_H

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/page_driver.h"
#include "host/record_tags.h"
#include "platform/posix/testing.h"
#include "globals/user_prefs.h"
#include "sim/host/exports.h"
#include "support/sim_host_fixture.h"
#include "ui/message_boxes.h"

constexpr uint32_t kHost2000 = 0x05000000u;
constexpr uint32_t kHost2001 = 0x06000000u;
constexpr uint32_t kHost2002 = 0x07000000u;
constexpr uint32_t kHost2010 = 0x0F000200u;

constexpr unsigned kStopStyle = 16;         // MB_ICONERROR
constexpr unsigned kInformationStyle = 64;  // MB_ICONINFORMATION

// "caption|text|style" of a box, for comparisons that name every part.
inline std::string box_line(const std::string& caption, const std::string& text, unsigned style) {
  return caption + "|" + text + "|" + std::to_string(style);
}

class EngineTest : public SimHostTest {
 protected:
  void SetUp() override {
    standin::reset();
    SimHostTest::SetUp();
    owner = standin::create_window(nullptr, "#32770", 0, "KV Dunvaro", 0, RECT{0, 0, 300, 200});
    host.add_instrument_list(0, {sim::InstrumentListEntry{1, 0, 0}});
    host.add_staff(1);
    host.add_measure();
    prefs.singleSystems = 1;
  }

  // A page whose usable height (height + top margin - bottom margin) is
  // `usable`; unscaled, or shown at `percent` percent.
  int16_t add_page(int32_t usable) {
    sim::Page page;
    page.height = usable - page.top_margin + page.bottom_margin;
    return host.add_page(page);
  }
  int16_t add_page_scaled_to(int32_t usable, int16_t percent) {
    const int16_t number = add_page(usable);
    host.score().pages.back().flags = 0x0002;
    host.score().pages.back().percent = percent;
    return number;
  }

  // A system on `page` whose layout height is `height`, with gap `gap`.
  int16_t add_system(int16_t page, int16_t height, int16_t gap = -500) {
    sim::StaffSystem system;
    system.page = page;
    system.bottom_margin = int16_t(-height);
    system.gap = gap;
    return host.add_system(system);
  }

  std::vector<int16_t> gaps(int16_t first, int16_t last) const {
    std::vector<int16_t> result;
    for (int16_t s = first; s <= last; ++s) result.push_back(host.system(s).gap);
    return result;
  }

  // KVTR_StartProcess over pages first..last with the message-box dispatch.
  void run(int16_t first, int16_t last) {
    prefs.firstPage = first;
    prefs.lastPage = last;
    KVTR_StartProcess(owner, &prefs, KVTR_UI_ReportPageResult);
  }

  // The message boxes shown so far.
  std::vector<std::string> boxes() const {
    std::vector<std::string> lines;
    for (const standin::MessageBoxRecord& box : standin::message_boxes())
      lines.push_back(box_line(box.caption, box.text, box.style));
    return lines;
  }

  int staff_system_saves() const {
    int saves = 0;
    for (const sim::CallRecord& call : host.log().trace_of("FX_SaveEData"))
      if (call.tag && is_staff_system_tag(*call.tag)) ++saves;
    return saves;
  }

  // Makes every load of page `page`'s record fail; every other call as before.
  void fail_page_loads(int16_t page) {
    host.override("FX_LoadEData", [this, page](const sim::Args& a) -> FxWord {
      if (uint32_t(a[0]) == kTagPageSpec && key_first(a) == page) return 0;
      return pass_on("FX_LoadEData", a);
    });
  }

  // Makes every load of system `system`'s record fail, in either layout.
  void fail_system_loads(int16_t system) {
    host.override("FX_LoadEData", [this, system](const sim::Args& a) -> FxWord {
      if (is_staff_system_tag(uint32_t(a[0])) && key_first(a) == system) return 0;
      return pass_on("FX_LoadEData", a);
    });
  }

  // Makes the host refuse every staff-system write after the first `allowed`.
  void refuse_system_saves_after(int allowed) {
    host.override("FX_SaveEData", [this, allowed](const sim::Args& a) mutable -> FxWord {
      if (is_staff_system_tag(uint32_t(a[0])) && allowed-- <= 0) return 0;
      return pass_on("FX_SaveEData", a);
    });
  }

  structUserPrefs prefs = {};
  HWND owner = nullptr;

 private:
  static bool is_staff_system_tag(uint32_t tag) {
    return tag == kTagStaffSystemOld || tag == kTagStaffSystemCurrent;
  }
  static int16_t key_first(const sim::Args& a) {
    int16_t first = 0;
    if (a[1] != 0) std::memcpy(&first, reinterpret_cast<const void*>(a[1]), sizeof first);
    return first;
  }

  // The host's built-in answer to a call that an override lets through: a
  // second host, never installed, answers it over a copy of the score, and
  // whatever the call changed is copied back.
  FxWord pass_on(const char* function, const sim::Args& a) {
    shadow_.set_version_word(host.version_word());
    shadow_.score() = host.score();
    const FxWord answer = shadow_.answer(sim::export_index(function), a);
    host.score() = shadow_.score();
    return answer;
  }

  sim::Host shadow_;
};

#endif
