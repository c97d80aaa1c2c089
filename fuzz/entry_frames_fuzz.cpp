// Fuzz target for the frame functions: a frame whose entry array holds any
// bytes, any entry count and any note counts, handed to CleanTGF or to one of
// the entries that clean a frame before the host sees it. Afterwards every
// entry with a note count of 0..12 must hold nonzero, unique note numbers with
// their low five bits in the flags, zeroed spare slots and its other bytes as
// they were; an entry with any other count must be untouched. A broken rule
// aborts; a read or write outside the array is the sanitizers' to report.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "host/entry_frame_layout.h"
#include "host/entry_frames.h"
#include "host/fx_entries.h"
#include "platform/posix/testing.h"
#include "sim/host/sim_host.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

bool same_bytes(const void* a, const void* b, size_t size) { return std::memcmp(a, b, size) == 0; }

void check_cleaned(const EXENTRY& before, const EXENTRY& after) {
  const int count = before.noteCount;
  if (count < 0 || count > kNoteSlotsPerEntry) {
    require(same_bytes(&before, &after, sizeof before));
    return;
  }
  require(same_bytes(before.reserved0, after.reserved0, sizeof before.reserved0));
  require(same_bytes(before.reserved12, after.reserved12, sizeof before.reserved12));
  require(same_bytes(before.reserved136, after.reserved136, sizeof before.reserved136));
  const EXNOTE zero = {};
  if (count == 0 && CanAddNoteRecordToRests) {
    require(after.noteCount == 1 && after.entryFlags == (before.entryFlags | kEntryFlagRestNoteRecord));
    EXNOTE rest = {};
    rest.noteFlags = kNoteFlagRestNoteRecord;
    require(same_bytes(&after.notes[0], &rest, sizeof rest));
    for (int i = 1; i < kNoteSlotsPerEntry; ++i) require(same_bytes(&after.notes[i], &zero, sizeof zero));
    return;
  }
  require(after.noteCount == count && after.entryFlags == before.entryFlags);
  for (int i = 0; i < count; ++i) {
    const EXNOTE& note = after.notes[i];
    require(note.noteNumber != 0);
    for (int j = 0; j < i; ++j) require(after.notes[j].noteNumber != note.noteNumber);
    require(note.field0 == before.notes[i].field0 && note.field2 == before.notes[i].field2);
    require((note.noteFlags & kNoteFlagNumberBits) == (uint32_t(uint16_t(note.noteNumber)) & 0x1Fu) << 16);
    require((note.noteFlags & ~kNoteFlagNumberBits) == (before.notes[i].noteFlags & ~kNoteFlagNumberBits));
    // A nonzero number no other record shared keeps its record.
    int sharing = 0;
    for (int j = 0; j < count; ++j) sharing += before.notes[j].noteNumber == before.notes[i].noteNumber;
    if (before.notes[i].noteNumber != 0 && sharing == 1) require(note.noteNumber == before.notes[i].noteNumber);
  }
  for (int i = count; i < kNoteSlotsPerEntry; ++i) require(same_bytes(&after.notes[i], &zero, sizeof zero));
}

// The host answers every frame function with 0 and never looks at the frame.
void install_host_once() {
  static sim::Host* host = [] {
    standin::reset();
    auto* h = new sim::Host;
    sim::install(*h);
    return h;
  }();
  (void)host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  install_host_once();
  FuzzInput in(data, size);
  const uint8_t how = in.value<uint8_t>();
  int16_t count = in.value<int16_t>();
  if (count > 64) count = int16_t(count % 65);

  // The array is exactly as long as the count says (the host's promise), on
  // the heap so that a step past its end is seen.
  std::vector<EXENTRY> entries(count > 0 ? size_t(count) : 1);
  in.bytes(entries.data(), entries.size() * sizeof(EXENTRY));
  const std::vector<EXENTRY> before = entries;

  std::vector<unsigned char> frame(kFramePrefixSize);
  in.bytes(frame.data(), frame.size());
  EXENTRY* address = (how & 0x08) != 0 ? nullptr : entries.data();
  std::memcpy(frame.data() + kFrameEntriesOffset, &address, sizeof address);
  std::memcpy(frame.data() + kFrameEntryCountOffset, &count, sizeof count);
  void* handed = (how & 0x10) != 0 ? nullptr : frame.data();

  switch (how % 5) {
    case 0: CleanTGF(handed); break;
    case 1: FX_SaveTGF(handed, FxWord(kFxInterfaceVersion)); break;
    case 2: FX_InsertEXENTRY(handed, 1, 1, FxWord(kFxInterfaceVersion)); break;
    case 3: FX_DeleteEXENTRY(handed, 1, 1, FxWord(kFxInterfaceVersion)); break;
    default: FX_ReduceEntries(handed, FxWord(kFxInterfaceVersion)); break;
  }

  const bool cleaned = handed != nullptr && address != nullptr && count > 0;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (cleaned) {
      check_cleaned(before[i], entries[i]);
    } else {
      require(same_bytes(&before[i], &entries[i], sizeof(EXENTRY)));
    }
  }
  return 0;
}
