#include "host/entry_frames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/entry_frame_layout.h"
#include "host/fx_entries.h"
#include "support/sim_host_fixture.h"

namespace {

// A frame image whose entry array is `entries`, with the given entry count.
std::vector<unsigned char> frame_over(std::vector<EXENTRY>& entries, int16_t count) {
  std::vector<unsigned char> frame(kFramePrefixSize + 16, 0xEE);
  EXENTRY* address = entries.data();
  std::memcpy(frame.data() + kFrameEntriesOffset, &address, sizeof(address));
  std::memcpy(frame.data() + kFrameEntryCountOffset, &count, sizeof(count));
  return frame;
}

// An entry whose unused bytes all hold 0xAB, with the given note numbers in use.
EXENTRY entry_with(std::vector<int16_t> numbers, uint32_t note_flags = 0) {
  EXENTRY entry;
  std::memset(&entry, 0xAB, sizeof(entry));
  entry.entryFlags = 0;
  entry.noteCount = int16_t(numbers.size());
  for (size_t i = 0; i < numbers.size() && i < size_t(kNoteSlotsPerEntry); ++i) {
    entry.notes[i].noteNumber = numbers[i];
    entry.notes[i].noteFlags = note_flags;
  }
  return entry;
}

bool slot_is_zero(const EXENTRY& entry, int slot) {
  EXNOTE zero = {};
  return std::memcmp(&entry.notes[slot], &zero, sizeof(EXNOTE)) == 0;
}

void clean(std::vector<EXENTRY>& entries) {
  std::vector<unsigned char> frame = frame_over(entries, int16_t(entries.size()));
  CleanTGF(frame.data());
}

uint32_t mirrored_bits(const EXNOTE& note) { return (note.noteFlags >> 16) & 0x1Fu; }

class RestRecordSetting {
 public:
  explicit RestRecordSetting(bool value) : saved_(CanAddNoteRecordToRests) { CanAddNoteRecordToRests = value; }
  ~RestRecordSetting() { CanAddNoteRecordToRests = saved_; }

 private:
  bool saved_;
};

TEST(CleanTGF, RenumbersZeroAndTheEarlierOfEqualNumbersAboveTheLargest) {
  struct Case {
    const char* name;
    std::vector<int16_t> in, out;
  };
  const Case cases[] = {
      {"5 5 0", {5, 5, 0}, {6, 5, 7}},
      {"3 1 kept", {3, 1}, {3, 1}},
      {"4 4 4", {4, 4, 4}, {5, 6, 4}},
      {"unique negatives stay and never count as largest", {-5, 0, 2}, {-5, 3, 2}},
      {"equal negatives: the earlier is renumbered", {-3, 0, -3}, {1, 2, -3}},
      {"all zero", {0, 0}, {1, 2}},
      {"twelve notes", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11}},
      {"no number above 32767: the smallest free one", {32767, 0, -32768, 1, 0}, {32767, 2, -32768, 1, 3}},
      {"32766 leaves one number above", {32766, 0, 0}, {32766, 32767, 1}},
  };
  for (const Case& c : cases) {
    std::vector<EXENTRY> entries = {entry_with(c.in)};
    clean(entries);
    std::vector<int16_t> numbers;
    for (int i = 0; i < entries[0].noteCount; ++i) numbers.push_back(entries[0].notes[i].noteNumber);
    EXPECT_EQ(numbers, c.out) << c.name;
    for (int i = 0; i < entries[0].noteCount; ++i)
      EXPECT_EQ(mirrored_bits(entries[0].notes[i]), uint32_t(uint16_t(numbers[size_t(i)])) & 0x1Fu)
          << c.name << " note " << i;
  }
}

TEST(CleanTGF, MirrorsTheNoteNumberInFlagBitsKeepingTheOthers) {
  std::vector<EXENTRY> entries = {entry_with({6, 0x25}, 0xFFFFFFFFu)};
  clean(entries);
  EXPECT_EQ(+entries[0].notes[0].noteFlags, 0xFFE6FFFFu);
  EXPECT_EQ(+entries[0].notes[1].noteFlags, 0xFFE5FFFFu);
}

TEST(CleanTGF, ClearsTheSpareSlotsOnlyAndLeavesTheRestOfTheEntry) {
  std::vector<EXENTRY> entries = {entry_with({3, 1})};
  const EXENTRY before = entries[0];
  clean(entries);
  for (int slot = 2; slot < kNoteSlotsPerEntry; ++slot) EXPECT_TRUE(slot_is_zero(entries[0], slot)) << slot;
  EXPECT_EQ(+entries[0].notes[0].field0, +before.notes[0].field0);
  EXPECT_EQ(+entries[0].notes[1].field2, +before.notes[1].field2);
  EXPECT_EQ(std::memcmp(entries[0].reserved0, before.reserved0, sizeof(before.reserved0)), 0);
  EXPECT_EQ(std::memcmp(entries[0].reserved136, before.reserved136, sizeof(before.reserved136)), 0);
  EXPECT_EQ(+entries[0].entryFlags, +before.entryFlags);
}

TEST(CleanTGF, AFullEntryHasNoSlotCleared) {
  std::vector<EXENTRY> entries = {entry_with({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})};
  clean(entries);
  EXPECT_EQ(+entries[0].noteCount, 12);
  for (int slot = 0; slot < kNoteSlotsPerEntry; ++slot) {
    EXPECT_EQ(+entries[0].notes[slot].noteNumber, slot + 1);
    EXPECT_FALSE(slot_is_zero(entries[0], slot)) << slot;
  }
}

TEST(CleanTGF, ARestReceivesOneNoteRecord) {
  std::vector<EXENTRY> entries = {entry_with({})};
  entries[0].entryFlags = 0x00000010u;
  clean(entries);
  EXPECT_EQ(+entries[0].noteCount, 1);
  EXPECT_EQ(+entries[0].entryFlags, 0x01000010u);
  EXPECT_EQ(+entries[0].notes[0].noteFlags, 0x80000000u);
  EXPECT_EQ(+entries[0].notes[0].noteNumber, 0);
  EXPECT_EQ(+entries[0].notes[0].field0, 0);
  for (int slot = 1; slot < kNoteSlotsPerEntry; ++slot) EXPECT_TRUE(slot_is_zero(entries[0], slot)) << slot;
}

TEST(CleanTGF, ARestStaysARestWhenRestsMayNotReceiveNoteRecords) {
  RestRecordSetting setting(false);
  std::vector<EXENTRY> entries = {entry_with({})};
  clean(entries);
  EXPECT_EQ(+entries[0].noteCount, 0);
  EXPECT_EQ(+entries[0].entryFlags, 0u);
  for (int slot = 0; slot < kNoteSlotsPerEntry; ++slot) EXPECT_TRUE(slot_is_zero(entries[0], slot)) << slot;
}

TEST(CleanTGF, EachEntryIsNumberedOnItsOwn) {
  std::vector<EXENTRY> entries = {entry_with({9, 0}), entry_with({0, 0}), entry_with({})};
  clean(entries);
  EXPECT_EQ(+entries[0].notes[1].noteNumber, 10);
  EXPECT_EQ(+entries[1].notes[0].noteNumber, 1);
  EXPECT_EQ(+entries[1].notes[1].noteNumber, 2);
  EXPECT_EQ(+entries[2].noteCount, 1);
}

TEST(CleanTGF, AFrameWithoutEntriesIsNotChanged) {
  for (int16_t count : {int16_t(0), int16_t(-1)}) {
    std::vector<EXENTRY> entries = {entry_with({5, 5, 0})};
    const EXENTRY before = entries[0];
    std::vector<unsigned char> frame = frame_over(entries, count);
    const std::vector<unsigned char> frame_before = frame;
    CleanTGF(frame.data());
    EXPECT_EQ(std::memcmp(&entries[0], &before, sizeof(EXENTRY)), 0) << "count " << count;
    EXPECT_EQ(frame, frame_before) << "count " << count;
  }
  std::vector<EXENTRY> none;
  std::vector<unsigned char> frame = frame_over(none, 3);  // a count but no array
  CleanTGF(frame.data());
  CleanTGF(nullptr);
}

// The note count is outside the twelve slots: the entry is left exactly as it
// is (the sanitizers would report any access beyond the array), and the
// entries around it are still cleaned.
TEST(CleanTGF, AnEntryClaimingMoreThanTwelveOrFewerThanNoNotesIsLeftUntouched) {
  for (int16_t claimed : {int16_t(13), int16_t(300), int16_t(-1), int16_t(-300)}) {
    std::vector<EXENTRY> entries = {entry_with({0, 0}), entry_with({1, 1, 1}), entry_with({0})};
    entries[1].noteCount = claimed;
    const EXENTRY before = entries[1];
    clean(entries);
    EXPECT_EQ(std::memcmp(&entries[1], &before, sizeof(EXENTRY)), 0) << "claimed " << claimed;
    EXPECT_EQ(+entries[0].notes[1].noteNumber, 2) << "claimed " << claimed;
    EXPECT_EQ(+entries[2].notes[0].noteNumber, 1) << "claimed " << claimed;
  }
}

class EntryFrameEntries : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
    entries = {entry_with({5, 5, 0})};
    frame = frame_over(entries, 1);
  }

  // What the host found in the frame's first entry when it was called.
  sim::Handler recording(FxWord answer) {
    return [this, answer](const sim::Args& args) {
      EXPECT_EQ(args[0], fx_word(frame.data()));
      seen.push_back(entries[0].notes[0].noteNumber);
      return answer;
    };
  }

  std::vector<EXENTRY> entries;
  std::vector<unsigned char> frame;
  std::vector<int16_t> seen;
};

TEST_F(EntryFrameEntries, TheHostReceivesTheFrameAlreadyCleaned) {
  host.override("FX_SaveTGF", recording(0x00018001));
  host.override("FX_InsertEXENTRY", recording(0x00010002));
  host.override("FX_DeleteEXENTRY", recording(0x00010003));
  host.override("FX_ReduceEntries", recording(0x00010004));
  EXPECT_EQ(FX_SaveTGF(frame.data(), FxWord(kFxInterfaceVersion)), -32767);
  EXPECT_EQ(FX_InsertEXENTRY(frame.data(), -2, 3, FxWord(kFxInterfaceVersion)), 2);
  EXPECT_EQ(FX_DeleteEXENTRY(frame.data(), 4, -5, FxWord(kFxInterfaceVersion)), 3);
  EXPECT_EQ(FX_ReduceEntries(frame.data(), FxWord(kFxInterfaceVersion)), 0x00010004);
  EXPECT_EQ(seen, (std::vector<int16_t>{6, 6, 6, 6}));
  EXPECT_EQ(host.log().trace_of("FX_InsertEXENTRY")[0].args,
            (sim::Args{fx_word(frame.data()), -2, 3, FxWord(kFxInterfaceVersion)}));
  EXPECT_EQ(host.log().trace_of("FX_DeleteEXENTRY")[0].args,
            (sim::Args{fx_word(frame.data()), 4, -5, FxWord(kFxInterfaceVersion)}));
}

TEST_F(EntryFrameEntries, LoadingAndFreeingAFrameLeaveItAlone) {
  host.override("FX_LoadTGF", [](const sim::Args&) { return FxWord(1); });
  host.override("FX_FreeTGF", recording(1));
  FX_LoadTGF(1, 2, 3, 4, 5, fx_word(frame.data()));
  FX_FreeTGF(fx_word(frame.data()), FxWord(kFxInterfaceVersion));
  EXPECT_EQ(seen, (std::vector<int16_t>{5}));
}

}  // namespace
