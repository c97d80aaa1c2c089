#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/fx_entries.h"
#include "platform/posix/testing.h"
#include "platform/win32.h"
#include "support/sim_host_fixture.h"

namespace {

class SpecialEntries : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
    dialog = standin::create_window(nullptr, "#32770", 0, "dialog", WS_POPUP, RECT{0, 0, 200, 100});
    item = standin::create_window(dialog, "Button", 1016, "item", WS_CHILD, RECT{5, 5, 50, 20});
  }
  void TearDown() override { DestroyWindow(dialog); }

  HWND dialog = nullptr;
  HWND item = nullptr;
};

TEST_F(SpecialEntries, ShowHideDlgItemShowsAndHidesTheControlItselfForOlderVersions) {
  host.override("FX_ShowHideDlgItem", [](const sim::Args&) { return FxWord(77); });
  ASSERT_TRUE(IsWindowVisible(item));
  EXPECT_NE(FX_ShowHideDlgItem(fx_word(dialog), 1016, 0, 0x0B01FFFF), 0) << "it was visible";
  EXPECT_FALSE(IsWindowVisible(item));
  EXPECT_EQ(FX_ShowHideDlgItem(fx_word(dialog), 1016, 0, 0x0B01FFFF), 0) << "it was hidden";
  FX_ShowHideDlgItem(fx_word(dialog), 1016, -5, 0x05000000);
  EXPECT_TRUE(IsWindowVisible(item)) << "any nonzero show shows";
  EXPECT_EQ(host.log().count("FX_ShowHideDlgItem"), 0);
}

TEST_F(SpecialEntries, ShowHideDlgItemLeavesItToTheHostFromVersion0x0B020000On) {
  host.override("FX_ShowHideDlgItem", [](const sim::Args&) { return FxWord(0x00010077); });
  EXPECT_EQ(FX_ShowHideDlgItem(fx_word(dialog), 1016, 0, 0x0B020000), 0x00010077);
  EXPECT_TRUE(IsWindowVisible(item));
  const auto calls = host.log().trace_of("FX_ShowHideDlgItem");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].args, (sim::Args{fx_word(dialog), 1016, 0, 0x0B020000}));
}

TEST_F(SpecialEntries, AnalyzeChordRaisesVersionsOlderThan0x0B000000) {
  host.override("FX_AnalyzeChord", [](const sim::Args&) { return FxWord(0x00018001); });
  struct Case {
    uint32_t in, sent;
  };
  for (const Case& c : {Case{0x0A000000u, 0x0B000000u}, Case{0x0AFFFFFFu, 0x0B000000u},
                        Case{0x0B000000u, 0x0B000000u}, Case{0x0F000200u, 0x0F000200u}}) {
    host.log().clear();
    EXPECT_EQ(FX_AnalyzeChord(1, 2, 3, FxWord(c.in)), -32767) << std::hex << c.in;
    const auto calls = host.log().trace_of("FX_AnalyzeChord");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args, (sim::Args{1, 2, 3, FxWord(c.sent)})) << std::hex << c.in;
  }
}

TEST_F(SpecialEntries, GetPartNamePassesTheHostsAnswerThrough) {
  static const char name[] = "Flute";
  host.override("FX_GetPartName", [](const sim::Args& args) {
    return args[0] == -3 ? fx_word(name) : FxWord(0);
  });
  EXPECT_EQ(FX_GetPartName(-3, FxWord(kFxInterfaceVersion)), fx_word(name));
}

}  // namespace
