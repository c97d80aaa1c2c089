// The host's entry frame and the parts of its entries that the plug-in touches.
//
// A frame (EXTGF2005a) is the host's record; the binding layer reads two of its
// fields: the address of its entry array at byte offset 14 and the signed 16-bit
// entry count right behind that address. The host's own layout is a packed
// 32-bit one, so the address is 4 bytes wide and the count sits at offset 18.
// A 64-bit host built from the same packed layout has an 8-byte address at
// offset 14 and the count at offset 22; the frame functions read both fields at
// exactly these offsets (kFrameEntriesOffset, kFrameEntryCountOffset) with
// memcpy, so no alignment is assumed and nothing beyond them is read.
//
// An entry (EXENTRY, 146 bytes) and its twelve note records (10 bytes each) are
// laid out the same way on every build: they hold no addresses.
#ifndef KV_HOST_ENTRY_FRAME_LAYOUT_H
#define KV_HOST_ENTRY_FRAME_LAYOUT_H

#include <cstddef>
#include <cstdint>

constexpr size_t kFrameEntriesOffset = 14;
constexpr size_t kFrameEntryCountOffset = kFrameEntriesOffset + sizeof(void*);
// The frame bytes the frame functions read: up to and including the count.
constexpr size_t kFramePrefixSize = kFrameEntryCountOffset + sizeof(int16_t);

constexpr int kNoteSlotsPerEntry = 12;

#pragma pack(push, 1)

struct EXNOTE {
  int16_t field0;      // the host's
  int16_t field2;      // the host's
  int16_t noteNumber;  // nonzero and unique within the entry
  uint32_t noteFlags;  // bits 16..20 mirror the low five bits of noteNumber
};

struct EXENTRY {
  uint8_t reserved0[8];
  uint32_t entryFlags;
  uint8_t reserved12[2];
  int16_t noteCount;  // note records in use, 0..12; 0 is a rest
  EXNOTE notes[kNoteSlotsPerEntry];
  uint8_t reserved136[10];
};

#pragma pack(pop)

static_assert(sizeof(EXNOTE) == 10);
static_assert(offsetof(EXNOTE, field0) == 0);
static_assert(offsetof(EXNOTE, field2) == 2);
static_assert(offsetof(EXNOTE, noteNumber) == 4);
static_assert(offsetof(EXNOTE, noteFlags) == 6);

static_assert(sizeof(EXENTRY) == 146);
static_assert(offsetof(EXENTRY, entryFlags) == 8);
static_assert(offsetof(EXENTRY, noteCount) == 14);
static_assert(offsetof(EXENTRY, notes) == 16);
static_assert(offsetof(EXENTRY, reserved136) == 136);

static_assert(sizeof(void*) != 4 || kFrameEntryCountOffset == 18, "the host's 32-bit frame layout");

constexpr uint32_t kEntryFlagRestNoteRecord = 0x01000000u;  // a rest that received a note record
constexpr uint32_t kNoteFlagRestNoteRecord = 0x80000000u;   // the note record a rest received
constexpr uint32_t kNoteFlagNumberBits = 0x001F0000u;       // mirror of the note number's low bits

#endif
