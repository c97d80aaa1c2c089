// A host that exports none of the functions it may lack, and not one of those
// it is expected to have: every entry answers on its own and nothing reaches
// the host. Its own process: the plug-in binds each export once per process.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "host/edit_brackets.h"
#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "platform/posix/testing.h"
#include "platform/win32.h"
#include "sim/host/sim_host.h"

namespace {

struct MissingEntry {
  const char* name;
  FxWord answer;
  std::function<FxWord()> call;
};

#define ARG_W (FxWord)
#define ARG_S (int16_t)
#define ARG_U (uint16_t)
#define ARG_B (uint8_t)
#define ARG_D (double)

// The entries that only bind and call, with the answer of a host lacking them.
std::vector<MissingEntry> answering_entries() {
  int a1 = 1, a2 = 2, a3 = 3, a4 = 4, a5 = 5, a6 = 6, a7 = 7, a8 = 8, a9 = 9, a10 = 10, a11 = 11, a12 = 12,
      a13 = 13, a14 = 14, a15 = 15, a16 = 16, a17 = 17, a18 = 18, a19 = 19, a20 = 20;
  (void)a1, (void)a2, (void)a3, (void)a4, (void)a5, (void)a6, (void)a7, (void)a8, (void)a9, (void)a10, (void)a11,
      (void)a12, (void)a13, (void)a14, (void)a15, (void)a16, (void)a17, (void)a18, (void)a19, (void)a20;
  std::vector<MissingEntry> list;
#define FX_TEST_ANSWER_GENERATED(name, answer, ...) \
  list.push_back({#name, FxWord(answer), [=] { return name(FX_NAMED_PARAMS(ARG_, __VA_ARGS__)); }});
#define FX_TEST_ANSWER_BYHAND(name, answer, ...)
#define FX_TEST_REQUIRED_GENERATED(name, answer, ...)
#define FX_TEST_REQUIRED_BYHAND(name, answer, ...)
#define FX_ENTRY(name, result, missing, answer, written, ...) \
  FX_TEST_##missing##_##written(name, answer, __VA_ARGS__)
#include "host/fx_entry_table.h"
#undef FX_ENTRY
  return list;
}

std::set<std::string> lacking() {
  std::set<std::string> names;
#define FX_LACK_ANSWER(name) names.insert(#name);
#define FX_LACK_REQUIRED(name)
#define FX_ENTRY(name, result, missing, answer, written, ...) FX_LACK_##missing(name)
#include "host/fx_entry_table.h"
#undef FX_ENTRY
  names.insert("FX_RebeamRegion");
  names.insert("FX_LoadEData");
  return names;
}

class MissingExports : public testing::Test {
 protected:
  void SetUp() override {
    sim::install(host, {"FINALE.EXE", lacking()});
    host.log().set_tracing(true);
  }
  sim::Host host;
};

TEST_F(MissingExports, EveryEntryAHostMayLackAnswersItsFixedValueWithoutACall) {
  const std::vector<MissingEntry> entries = answering_entries();
  EXPECT_EQ(entries.size(), 59u);
  for (const MissingEntry& entry : entries) EXPECT_EQ(entry.call(), entry.answer) << entry.name;
  EXPECT_EQ(host.log().total(), 0) << host.log().describe();
}

TEST_F(MissingExports, TheSpecialAnswersOfMissingFunctions) {
  EXPECT_EQ(FX_GetMaxLayers(FxWord(kFxInterfaceVersion)), 4);
  EXPECT_EQ(FX_GetTextEncoding(FxWord(kFxInterfaceVersion)), -2);
  EXPECT_EQ(FX_CountParts(FxWord(kFxInterfaceVersion)), -1);
  EXPECT_EQ(FX_GetPlaybackSystem(FxWord(kFxInterfaceVersion)), -1);
  const char* part = reinterpret_cast<const char*>(FX_GetPartName(1, FxWord(kFxInterfaceVersion)));
  ASSERT_NE(part, nullptr);
  EXPECT_STREQ(part, " ");
  EXPECT_EQ(FX_AnalyzeChord(1, 2, 3, FxWord(kFxInterfaceVersion)), 0);
  EXPECT_EQ(host.log().total(), 0);
}

TEST_F(MissingExports, ARequiredFunctionTheHostLacksAnswersZero) {
  EXPECT_EQ(FX_RebeamRegion(1, 2, FxWord(kFxInterfaceVersion)), 0);
  int16_t key[2] = {1, 0};
  uint8_t page[22] = {};
  int32_t size = 22;
  EXPECT_EQ(FX_LoadEData(kTagPageSpec, key, page, &size, kFxInterfaceVersion), 0);
  EXPECT_EQ(host.log().total(), 0);
}

TEST_F(MissingExports, EditBracketsStillCountWithoutTheHost) {
  FinaleEditDepth = 0;
  EXPECT_EQ(FX_StartFinaleEdit(0, FxWord(kFxInterfaceVersion)), 0);
  EXPECT_EQ(FinaleEditDepth, 1);
  EXPECT_EQ(FX_EndFinaleEdit(FxWord(kFxInterfaceVersion)), 0);
  EXPECT_EQ(FinaleEditDepth, 0);
  EXPECT_EQ(FX_EndFinaleEdit(FxWord(kFxInterfaceVersion)), 1);
  FX_StartFinaleEdit(0, FxWord(kFxInterfaceVersion));
  EXPECT_EQ(FX_CancelFinaleEdit(FxWord(kFxInterfaceVersion)), 0);
  EXPECT_EQ(FinaleEditDepth, 0);
  EXPECT_EQ(host.log().total(), 0);
}

TEST_F(MissingExports, ShowHideDlgItemShowsAndHidesTheControlItselfWhateverTheVersion) {
  HWND dialog = standin::create_window(nullptr, "#32770", 0, "dialog", WS_POPUP, RECT{0, 0, 200, 100});
  HWND item = standin::create_window(dialog, "Button", 1016, "item", WS_CHILD, RECT{5, 5, 50, 20});
  FX_ShowHideDlgItem(fx_word(dialog), 1016, 0, FxWord(kFxInterfaceVersion));
  EXPECT_FALSE(IsWindowVisible(item));
  FX_ShowHideDlgItem(fx_word(dialog), 1016, 1, FxWord(kFxInterfaceVersion));
  EXPECT_TRUE(IsWindowVisible(item));
  DestroyWindow(dialog);
  EXPECT_EQ(host.log().total(), 0);
}

}  // namespace
