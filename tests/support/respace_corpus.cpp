// Lengths are EVPU, upward positive; system margins and gaps are stored zero
// or negative (downward), page bottom margins positive.
#include "support/respace_corpus.h"

#include <cstdio>
#include <cstring>

#include "engine/page_driver.h"
#include "host/record_tags.h"
#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "globals/user_prefs.h"
#include "sim/host/sim_host.h"
#include "ui/message_boxes.h"

namespace corpus {
namespace {

// splitmix64: the same numbers on every machine and library.
struct Rng {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  int range(int lo, int hi) { return lo + int(next() % uint64_t(hi - lo + 1)); }
  bool chance(int percent) { return range(0, 99) < percent; }
  template <typename T, size_t N>
  T pick(const T (&values)[N]) {
    return values[next() % N];
  }
};

const uint32_t kHostWords[] = {0x04000000u, 0x05000000u, 0x05000005u, 0x06000000u, 0x06000200u,
                               0x07000000u, 0x08000000u, 0x0A000000u, 0x0B000000u, 0x0F000200u};

std::string hex64(uint64_t value) {
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::vector<sim::InstrumentListEntry> random_list(Rng& rng, int staves) {
  std::vector<sim::InstrumentListEntry> list;
  int32_t position = rng.chance(80) ? 0 : -rng.range(1, 200);
  for (int i = 0; i < staves; ++i) {
    sim::InstrumentListEntry entry;
    entry.staff = int16_t(rng.chance(3) ? 90 : rng.range(1, 6));  // staff 90 has no record
    entry.word2 = uint16_t(rng.chance(30) ? rng.range(0, 400) : 0);
    entry.position = rng.chance(3) ? rng.range(1, 150) : position;  // a staff above the top, now and then
    list.push_back(entry);
    position -= rng.range(96, 400);
  }
  return list;
}

sim::Page random_page(Rng& rng) {
  sim::Page page;
  page.height = rng.range(1800, 6000);
  page.width = 2448;
  page.top_margin = int16_t(-rng.range(0, 300));
  page.bottom_margin = int16_t(rng.range(0, 300));
  if (rng.chance(20)) {
    const int16_t percents[] = {0, 35, 50, 80, 80, 120, 150};
    page.flags = 0x0002;
    page.percent = rng.pick(percents);
  } else if (rng.chance(10)) {
    page.percent = 60;  // a percentage that does not apply: the page is not scaled
  }
  return page;
}

sim::StaffSystem random_system(Rng& rng, int16_t page, int16_t firstMeasure) {
  sim::StaffSystem system;
  system.page = page;
  system.top_margin = -rng.range(0, 200);
  system.bottom_margin = int16_t(-rng.range(0, 400));
  system.left_margin = int16_t(rng.range(0, 100));
  system.right_margin = int16_t(-rng.range(0, 100));
  system.first_measure = firstMeasure;
  system.next_measure = int16_t(firstMeasure + rng.range(1, 4));
  if (rng.chance(12)) system.flags |= 0x4000;
  if (rng.chance(10)) system.flags |= 0x0002;
  if (rng.chance(30)) system.flags |= 0x0001;
  const int16_t percents[] = {100, 100, 100, 75, 125};
  system.percent = rng.pick(percents);
  const int16_t heights[] = {96, 96, 96, 1536, 1200};
  system.staff_height = rng.pick(heights);
  system.unnamed14 = int16_t(rng.range(-3, 3));
  system.unnamed16 = rng.chance(5) ? 0x12345 : rng.range(0, 9);
  system.gap = int16_t(rng.chance(5) ? rng.range(0, 60) : -rng.range(0, 400));
  return system;
}

// A score of random pages, systems, lists and staves.
void build_random_score(Rng& rng, sim::Host& host) {
  const int staves = rng.range(1, 4);
  host.add_instrument_list(0, random_list(rng, staves));
  for (int16_t staff = 1; staff <= 6; ++staff) host.add_staff(staff, rng.chance(15));
  if (rng.chance(10)) {
    host.set_extracted_part(true);
    if (rng.chance(70)) host.add_instrument_list(-8, random_list(rng, rng.range(1, 3)));
  }
  const int pages = rng.range(1, 5);
  int16_t measure = 1;
  for (int p = 1; p <= pages; ++p) {
    host.add_page(random_page(rng));
    const int systems = rng.chance(12) ? 0 : (rng.chance(25) ? 1 : rng.range(2, 5));
    for (int s = 0; s < systems; ++s) {
      sim::StaffSystem system = random_system(rng, int16_t(p), measure);
      measure = system.next_measure;
      const int16_t number = host.add_system(system);
      if ((system.flags & 0x4000) != 0 && rng.chance(75)) {
        host.add_instrument_list(number, random_list(rng, rng.range(1, 4)));
      }
    }
  }
  const int measures = rng.chance(5) ? rng.range(0, measure - 1) : measure - 1;
  for (int m = 0; m < measures; ++m) host.add_measure(uint16_t(rng.chance(20) ? 0x0800 : 0));
}

// One page holding two systems whose heights (their bottom margins: one
// visible staff at the top, plain formula) leave an even share close to the
// largest 16-bit gap, so that the search ends at the limit or just before it.
void build_overfull_score(Rng& rng, sim::Host& host, const structUserPrefs& prefs) {
  host.add_instrument_list(0, {sim::InstrumentListEntry{1, 0, 0}});
  host.add_staff(1);
  sim::Page page;
  page.height = rng.range(2500, 4000);
  const int32_t usable = page.height + page.top_margin - page.bottom_margin;
  host.add_page(page);
  const int32_t total = usable - prefs.extraTopMargin - prefs.extraBottomMargin + rng.range(32700, 32767);
  for (int s = 0; s < 2; ++s) {
    sim::StaffSystem system;
    system.page = 1;
    system.top_margin = 0;
    system.bottom_margin = int16_t(-(s == 0 ? total / 2 : total - total / 2));
    system.first_measure = int16_t(s + 1);
    system.next_measure = int16_t(s + 2);
    system.gap = int16_t(-rng.range(0, 100));
    host.add_system(system);
    host.add_measure();
  }
}

structUserPrefs random_prefs(Rng& rng, int pages) {
  structUserPrefs prefs = {};
  prefs.processRange = 2;
  prefs.firstPage = int16_t(rng.chance(70) ? 1 : rng.range(0, pages + 1));
  prefs.lastPage = int16_t(rng.chance(70) ? pages : rng.range(0, pages + 2));
  prefs.keepTopmostStill = int16_t(rng.chance(25) ? 1 : 0);
  prefs.includeGaps = int16_t(rng.chance(25) ? 1 : 0);
  prefs.compact = int16_t(rng.chance(20) ? 1 : 0);
  const int16_t tops[] = {-100, 0, 0, 700, 50, 144};
  prefs.extraTopMargin = int16_t(rng.chance(50) ? rng.pick(tops) : rng.range(-100, 700));
  const int16_t bottoms[] = {0, 0, 1, 2, 3, 300};
  prefs.extraBottomMargin = int16_t(rng.chance(50) ? rng.pick(bottoms) : rng.range(0, 300));
  prefs.singleSystems = int16_t(rng.chance(8) ? rng.range(4, 6) : rng.range(0, 3));
  prefs.dialogLeft = prefs.dialogTop = -32768;
  return prefs;
}

// What one run shows and writes, as canonical text.
struct Recorder {
  std::string text;
  std::vector<std::string> pageAlerts;  // distinct, in order of first appearance
  size_t alertsSeen = 0;

  void take_alerts(const sim::Host& host) {
    const std::vector<std::string>& alerts = host.alerts();
    for (; alertsSeen < alerts.size(); ++alertsSeen) {
      bool seen = false;
      for (const std::string& a : pageAlerts) seen = seen || a == alerts[alertsSeen];
      if (!seen) pageAlerts.push_back(alerts[alertsSeen]);
    }
  }
  void end_page(int16_t page, int16_t result) {
    text += "page " + std::to_string(page) + " -> " + std::to_string(result) + "\n";
    for (const std::string& a : pageAlerts) text += "  alert " + a + "\n";
    pageAlerts.clear();
  }
};

sim::Host* current_host = nullptr;
Recorder* current_recorder = nullptr;

void report(HWND owner, int16_t page, int16_t result) {
  current_recorder->take_alerts(*current_host);
  current_recorder->end_page(page, result);
  KVTR_UI_ReportPageResult(owner, page, result);
}

void record_save(Recorder& recorder, const sim::Args& args, FxWord result) {
  char head[96];
  int16_t key[2] = {0, 0};
  if (args[1] != 0) std::memcpy(key, reinterpret_cast<const void*>(args[1]), sizeof key);
  const int32_t size = int32_t(args[3]);
  std::snprintf(head, sizeof head, "  save %08x {%d,%d} size %d version %08x -> %d:", unsigned(args[0]), key[0],
                key[1], size, unsigned(args[4]), int(result));
  std::string line = head;
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(args[2]);
  for (int32_t i = 0; bytes != nullptr && i < size && i < 256; ++i) {
    char b[4];
    std::snprintf(b, sizeof b, " %02x", bytes[i]);
    line += b;
  }
  recorder.text += line + "\n";
}

}  // namespace

uint64_t fnv1a(const std::string& text, uint64_t hash) {
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string run_case(uint64_t seed, uint32_t index) {
  Rng rng{seed ^ (uint64_t(index) * 0xd1b54a32d192ed03ull)};
  rng.next();
  standin::reset();
  sim::Host host;
  const bool overfull = rng.chance(3);
  structUserPrefs prefs = {};
  if (overfull) {
    host.set_version_word(0x0F000200u);
    prefs = random_prefs(rng, 1);
    build_overfull_score(rng, host, prefs);
  } else {
    host.set_version_word(rng.pick(kHostWords));
    build_random_score(rng, host);
    prefs = random_prefs(rng, int(host.score().pages.size()));
    if (rng.chance(15)) host.mark_not_laid_out(int16_t(rng.range(1, int(host.score().pages.size()))));
  }
  sim::install(host);
  PDKTOOLS_StoreVersion(int32_t(host.version_word()));
  HWND owner = standin::create_window(nullptr, "#32770", 0, "KV Dunvaro", 0, RECT{0, 0, 300, 200});

  Recorder recorder;
  recorder.text = "case " + std::to_string(index) + "\n";
  host.set_call_observer([&recorder](const char* function, const sim::Args& args, FxWord result) {
    if (std::strcmp(function, "FX_SaveEData") == 0) record_save(recorder, args, result);
  });
  standin::clear_message_boxes();
  standin::set_message_box_observer([&recorder](const standin::MessageBoxRecord& box) {
    recorder.text += "  box " + box.caption + "|" + box.text + "|" + std::to_string(box.style) + "\n";
  });
  current_host = &host;
  current_recorder = &recorder;
  UserPrefs = prefs;
  KVTR_StartProcess(owner, &UserPrefs, report);
  recorder.take_alerts(host);
  for (const std::string& a : recorder.pageAlerts) recorder.text += "  alert after run " + a + "\n";
  current_host = nullptr;
  current_recorder = nullptr;
  standin::set_message_box_observer(nullptr);
  host.set_call_observer(nullptr);
  return recorder.text;
}

std::string digest(uint64_t seed, uint32_t count, uint32_t block) {
  std::string text = "seed " + std::to_string(seed) + " cases " + std::to_string(count) + " block " +
                     std::to_string(block) + "\n";
  uint64_t total = fnv1a("");
  for (uint32_t start = 0; start < count; start += block) {
    uint64_t hash = fnv1a("");
    for (uint32_t i = start; i < start + block && i < count; ++i) hash = fnv1a(run_case(seed, i), hash);
    text += "block " + std::to_string(start / block) + " " + hex64(hash) + "\n";
    total = fnv1a(hex64(hash), total);
  }
  return text + "total " + hex64(total) + "\n";
}

}  // namespace corpus
