#include "host/entry_frames.h"

#include <cstdint>
#include <cstring>

#include "host/entry_frame_layout.h"
#include "host/fx_binding.h"
#include "host/fx_entries.h"
#include "host/fx_narrowing.h"

bool CanAddNoteRecordToRests = true;

namespace {

bool number_taken_by_other(const EXENTRY& entry, int count, int self) {
  for (int j = 0; j < count; ++j)
    if (j != self && entry.notes[j].noteNumber == entry.notes[self].noteNumber) return true;
  return false;
}

bool number_in_use(const EXENTRY& entry, int count, int16_t number) {
  for (int j = 0; j < count; ++j)
    if (entry.notes[j].noteNumber == number) return true;
  return false;
}

// The number above the largest so far; once 32767 is given out there is none
// above (one more would wrap to -32768, which a record may hold), so the
// smallest positive number no record holds. Twelve records leave one free
// among 1..13.
int16_t next_note_number(const EXENTRY& entry, int count, int16_t* largest) {
  if (*largest < INT16_MAX) return ++*largest;
  int16_t candidate = 1;
  while (number_in_use(entry, count, candidate)) ++candidate;
  return candidate;
}

// Zero and repeated note numbers get the next number above the largest one;
// of two equal numbers the earlier record is renumbered.
void renumber_notes(EXENTRY& entry, int count) {
  int16_t largest = 0;
  for (int i = 0; i < count; ++i)
    if (entry.notes[i].noteNumber > largest) largest = entry.notes[i].noteNumber;
  for (int i = 0; i < count; ++i) {
    if (entry.notes[i].noteNumber == 0 || number_taken_by_other(entry, count, i))
      entry.notes[i].noteNumber = next_note_number(entry, count, &largest);
  }
}

void clean_entry(EXENTRY& entry) {
  const int count = entry.noteCount;
  if (count < 0 || count > kNoteSlotsPerEntry) return;
  renumber_notes(entry, count);
  for (int i = 0; i < count; ++i) {
    uint32_t low_bits = uint32_t(uint16_t(entry.notes[i].noteNumber)) & 0x1Fu;
    entry.notes[i].noteFlags = (entry.notes[i].noteFlags & ~kNoteFlagNumberBits) | (low_bits << 16);
  }
  if (count < kNoteSlotsPerEntry)
    std::memset(&entry.notes[count], 0, sizeof(EXNOTE) * size_t(kNoteSlotsPerEntry - count));
  if (count == 0 && CanAddNoteRecordToRests) {
    entry.entryFlags |= kEntryFlagRestNoteRecord;
    entry.noteCount = 1;
    entry.notes[0].noteFlags = kNoteFlagRestNoteRecord;
  }
}

}  // namespace

void CleanTGF(void* frame) {
  if (frame == nullptr) return;
  const unsigned char* bytes = static_cast<const unsigned char*>(frame);
  EXENTRY* entries = nullptr;
  int16_t entry_count = 0;
  std::memcpy(&entries, bytes + kFrameEntriesOffset, sizeof(entries));
  std::memcpy(&entry_count, bytes + kFrameEntryCountOffset, sizeof(entry_count));
  if (entries == nullptr || entry_count <= 0) return;
  for (int i = 0; i < entry_count; ++i) clean_entry(entries[i]);
}

FxWord FX_SaveTGF(void* frame, FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W, W);
  FX_BIND_HOST(FX_SaveTGF, HostFunction);
  CleanTGF(frame);
  if (fpProc == nullptr) return 0;
  return FX_NARROW_S16(fpProc(fx_word(frame), version));
}

FxWord FX_InsertEXENTRY(void* frame, int16_t word2, int16_t word3, FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W, S, S, W);
  FX_BIND_HOST(FX_InsertEXENTRY, HostFunction);
  CleanTGF(frame);
  if (fpProc == nullptr) return 0;
  return FX_NARROW_S16(fpProc(fx_word(frame), word2, word3, version));
}

FxWord FX_DeleteEXENTRY(void* frame, int16_t word2, int16_t word3, FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W, S, S, W);
  FX_BIND_HOST(FX_DeleteEXENTRY, HostFunction);
  CleanTGF(frame);
  if (fpProc == nullptr) return 0;
  return FX_NARROW_S16(fpProc(fx_word(frame), word2, word3, version));
}

FxWord FX_ReduceEntries(void* frame, FxWord version) {
  using HostFunction = FX_HOST_FUNCTION_TYPE(W, W);
  FX_BIND_HOST(FX_ReduceEntries, HostFunction);
  CleanTGF(frame);
  if (fpProc == nullptr) return 0;
  return FX_NARROW_WORD(fpProc(fx_word(frame), version));
}
