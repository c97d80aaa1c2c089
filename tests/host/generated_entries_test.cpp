// The bound entries against the simulated host: each reaches the export of its
// own name with its arguments widened as their kinds say, and narrows the answer.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host/fx_entries.h"
#include "support/sim_host_fixture.h"

namespace {

static_assert(sizeof(double) == sizeof(FxWord), "the trace holds a double in one word on these builds");

// Argument values a1..a20 with bits above 16 set and a high bit in both the
// low byte and the low 16 bits, so every narrowing and extension shows.
#define FX_TEST_VALUES                                                                                 \
  int a1 = 0x000180C1, a2 = 0x000280C2, a3 = 0x000380C3, a4 = 0x000480C4, a5 = 0x000580C5,      \
            a6 = 0x000680C6, a7 = 0x000780C7, a8 = 0x000880C8, a9 = 0x000980C9, a10 = 0x000A80CA,      \
            a11 = 0x000B80CB, a12 = 0x000C80CC, a13 = 0x000D80CD, a14 = 0x000E80CE, a15 = 0x000F80CF,  \
            a16 = 0x001080D0, a17 = 0x001180D1, a18 = 0x001280D2, a19 = 0x001380D3, a20 = 0x001480D4; \
  (void)a1, (void)a2, (void)a3, (void)a4, (void)a5, (void)a6, (void)a7, (void)a8, (void)a9, (void)a10,   \
      (void)a11, (void)a12, (void)a13, (void)a14, (void)a15, (void)a16, (void)a17, (void)a18, (void)a19, \
      (void)a20

// "CAST_k aN" is a cast of the value to what the caller hands the entry.
#define CAST_W (FxWord)
#define CAST_S (int)
#define CAST_U (int)
#define CAST_B (int)
#define CAST_D (double)

// "SENT_k aN" is the word the host must receive for that value.
struct DoubleBits {};
FxWord operator*(DoubleBits, int value) {
  double d = value;
  FxWord word;
  std::memcpy(&word, &d, sizeof word);
  return word;
}
#define SENT_W (FxWord)
#define SENT_S (FxWord)(int16_t)
#define SENT_U (FxWord)(uint16_t)
#define SENT_B (FxWord)(uint8_t)
#define SENT_D DoubleBits{} *

enum Narrowing { S16, U16, U8, WORD };

struct GeneratedEntry {
  const char* name;
  Narrowing narrowing;
  std::function<FxWord()> call;
  std::vector<FxWord> sent;
};

const std::vector<GeneratedEntry>& generated_entries() {
  static const std::vector<GeneratedEntry> entries = [] {
    FX_TEST_VALUES;
    std::vector<GeneratedEntry> list;
#define FX_TEST_GENERATED(name, result, ...)                                                  \
  list.push_back({#name, result, [=] { return name(FX_NAMED_PARAMS(CAST_, __VA_ARGS__)); }, \
                  {FX_NAMED_PARAMS(SENT_, __VA_ARGS__)}});
#define FX_TEST_BYHAND(name, result, ...)
#define FX_ENTRY(name, result, missing, answer, written, ...) FX_TEST_##written(name, result, __VA_ARGS__)
#include "host/fx_entry_table.h"
#undef FX_ENTRY
#undef FX_TEST_BYHAND
#undef FX_TEST_GENERATED
    return list;
  }();
  return entries;
}

FxWord narrowed(FxWord answer, Narrowing narrowing) {
  switch (narrowing) {
    case S16: return int16_t(answer);
    case U16: return uint16_t(answer);
    case U8: return uint8_t(answer);
    case WORD: return answer;
  }
  return 0;
}

class GeneratedEntries : public SimHostTest {};

TEST_F(GeneratedEntries, EveryEntryCallsItsOwnExportWithItsArgumentsWidened) {
  host.log().set_tracing(true);
  ASSERT_EQ(generated_entries().size(), 109u);
  for (const GeneratedEntry& entry : generated_entries()) {
    // The values are not real pointers: no built-in behaviour may look at them.
    host.override(entry.name, [](const sim::Args&) { return FxWord(0); });
    host.log().clear();
    entry.call();
    const auto trace = host.log().trace();
    ASSERT_EQ(trace.size(), 1u) << entry.name << " made " << host.log().describe();
    EXPECT_EQ(trace[0].function, entry.name);
    EXPECT_EQ(trace[0].args, entry.sent) << entry.name;
  }
}

TEST_F(GeneratedEntries, EveryEntryNarrowsTheAnswerAsItsResultKindSays) {
  for (const GeneratedEntry& entry : generated_entries()) {
    for (FxWord answer : {FxWord(0x000180F1), FxWord(-2), FxWord(0x7FFF)}) {
      host.override(entry.name, [answer](const sim::Args&) { return answer; });
      EXPECT_EQ(entry.call(), narrowed(answer, entry.narrowing)) << entry.name << " answer " << answer;
    }
    host.restore(entry.name);
  }
}

TEST_F(GeneratedEntries, AnAnswerOf0x00010001Is1ThroughA16BitEntryAndUnchangedThroughAWordEntry) {
  host.override("FX_GetMaxLayers", [](const sim::Args&) { return FxWord(0x00010001); });
  host.override("FX_RedrawMusic", [](const sim::Args&) { return FxWord(0x00010001); });
  EXPECT_EQ(FX_GetMaxLayers(FxWord(kFxInterfaceVersion)), 1);
  EXPECT_EQ(FX_RedrawMusic(0, FxWord(kFxInterfaceVersion)), 0x00010001);
}

TEST_F(GeneratedEntries, ADoubleArgumentArrivesAsTheSameDouble) {
  double received = 0;
  host.override("FX_SetDlgItemUser", [&received](const sim::Args& args) {
    std::memcpy(&received, &args[3], sizeof received);
    return FxWord(1);
  });
  FX_SetDlgItemUser(7, 1012, 3, -12.625, FxWord(kFxInterfaceVersion));
  EXPECT_EQ(received, -12.625);
}

}  // namespace
