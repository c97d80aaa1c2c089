// A process without the host executable: the lookup answers null once and for
// all, and every entry answers as for a host lacking the function. Its own
// process: the host module is looked up once per process.
#include <gtest/gtest.h>

#include "host/fx_binding.h"
#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "sim/host/sim_host.h"

namespace {

TEST(NoHostModule, TheMissingModuleIsRememberedAndEntriesAnswerOnTheirOwn) {
  EXPECT_EQ(GetFinaleHandle(), nullptr);
  EXPECT_EQ(FX_FindHostFunction("FX_GetMaxLayers"), nullptr);

  // A host that appears later is never looked for again.
  sim::Host host;
  sim::install(host);
  EXPECT_EQ(GetFinaleHandle(), nullptr);
  EXPECT_EQ(FX_GetMaxLayers(FxWord(kFxInterfaceVersion)), 4);
  EXPECT_EQ(FX_GetTextEncoding(FxWord(kFxInterfaceVersion)), -2);
  int16_t key[2] = {1, 0};
  uint8_t page[22] = {};
  int32_t size = 22;
  EXPECT_EQ(FX_LoadEData(kTagPageSpec, key, page, &size, kFxInterfaceVersion), 0);
  EXPECT_EQ(host.log().total(), 0);
}

}  // namespace
