// The score as the simulated host holds it: plain data, numbered as the host
// numbers it. Records are encoded from this model on every load and decoded
// into it on every save (record_encoding.h), so the model is the one truth.
//
// Lengths are EVPU. Vertical positions grow upward: a margin or staff position
// below its reference is negative. Pages, staff systems and measures count
// from 1: pages[0] is page 1.
#ifndef SIM_SCORE_SCORE_H
#define SIM_SCORE_SCORE_H

#include <cstdint>
#include <map>
#include <vector>

#include "sim/score/record_store.h"

namespace sim {

struct Page {
  int32_t height = 3168;  // letter paper at 288 EVPU to the inch
  int32_t width = 2448;
  uint16_t flags = 0;  // 0x0002: scaled by `percent`
  int16_t top_margin = -144;
  int16_t left_margin = 144;
  int16_t bottom_margin = 144;
  int16_t right_margin = -144;
  int16_t percent = 100;
  // A page that is not laid out reads firstSystem 0 until the host's layout
  // update reaches it.
  bool laid_out = true;
};

struct StaffSystem {
  int16_t page = 1;  // the page that holds the system; no record carries it
  // 32-bit because hosts of 2000 and earlier keep it as a 32-bit field of the
  // instrument list record; the current layout carries its low 16 bits.
  int32_t top_margin = 0;
  int16_t left_margin = 0;
  int16_t right_margin = 0;
  int16_t bottom_margin = 0;
  int16_t first_measure = 1;
  int16_t next_measure = 2;
  uint16_t flags = 0;  // 0x4000: the system has an instrument list of its own
  int16_t unnamed14 = 0;
  // 32-bit in the old layout (offset 12), 16-bit in the current one (offset 16).
  int32_t unnamed16 = 0;
  int16_t percent = 100;
  int16_t gap = 0;  // offset of the system's top from the one above, negative downward
  int16_t staff_height = 96;
};

struct InstrumentListEntry {
  int16_t staff = 1;
  uint16_t word2 = 0;
  int32_t position = 0;  // the staff's vertical offset in the system, zero or negative
};

struct Staff {
  bool hidden = false;
};

struct Measure {
  uint16_t flags = 0;  // the 16-bit word at offset 16 of the measure record
};

// Kinds the host only numbers 1..count for the plug-in's counting probes.
struct DefinitionCounts {
  int16_t text_expressions = 0;
  int16_t shape_expressions = 0;
  int16_t articulations = 0;
};

struct Score {
  std::vector<Page> pages;
  std::vector<StaffSystem> systems;
  // List 0: the score's list; a system's own list is numbered like the system;
  // -8: the list shown while an extracted part is in use; -36..-29: further lists.
  std::map<int16_t, std::vector<InstrumentListEntry>> instrument_lists;
  std::map<int16_t, Staff> staves;  // by staff number
  std::vector<Measure> measures;
  DefinitionCounts definitions;
  // Other records, preference records and whatever else the model does not structure.
  RecordStore records;

  // The first system of each page, built by first_system_on_page on demand so
  // that a page record is answered in time independent of the score's size.
  // Rebuilt when systems are added, removed or reallocated, and when a page's
  // answer no longer names the first of that page's systems. Not noticed: a
  // system moved in place onto a page that held none (add systems page by
  // page, as the host numbers them, instead).
  struct PageIndex {
    const StaffSystem* systems = nullptr;
    size_t system_count = 0;
    std::vector<int16_t> first_system;  // by page number - 1; -1: none
  };
  mutable PageIndex page_index;
};

// The number of the first system whose page is `page`, or -1 when none is;
// ignores whether the page is laid out.
int16_t first_system_on_page(const Score& score, int page);

}  // namespace sim

#endif
