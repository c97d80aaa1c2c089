// A host whose executable is "FINDEMO.EXE": the entries bind against it.
// Its own process: the host module is looked up once per process.
#include <gtest/gtest.h>

#include "host/fx_binding.h"
#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "platform/win32.h"
#include "sim/host/sim_host.h"

namespace {

TEST(FindemoHost, EveryEntryBindsAgainstTheDemoExecutable) {
  sim::Host host;
  sim::install(host, {"FINDEMO.EXE", {}});
  host.log().set_tracing(true);
  host.override("FX_GetMaxLayers", [](const sim::Args&) { return FxWord(7); });
  host.override("FX_LoadEData", [](const sim::Args&) { return FxWord(1); });

  ASSERT_EQ(GetModuleHandleA("FINALE.EXE"), nullptr);
  EXPECT_EQ(GetFinaleHandle(), GetModuleHandleA("FINDEMO.EXE"));
  EXPECT_EQ(FX_GetMaxLayers(FxWord(kFxInterfaceVersion)), 7);
  int16_t key[2] = {1, 0};
  uint8_t page[22] = {};
  int32_t size = 22;
  EXPECT_EQ(FX_LoadEData(kTagPageSpec, key, page, &size, kFxInterfaceVersion), 1);
  EXPECT_EQ(host.log().count("FX_GetMaxLayers"), 1);
  EXPECT_EQ(host.log().count("FX_LoadEData"), 1);
}

}  // namespace
