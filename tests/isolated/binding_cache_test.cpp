// Each entry looks its host function up on its first call only, and keeps the
// answer, null included. Its own process: the bindings last as long as it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/fx_entries.h"
#include "sim/host/sim_host.h"

namespace {

TEST(BindingCache, AnEntryKeepsWhatItFoundOnItsFirstCall) {
  sim::Host host;
  host.override("FX_GetMaxLayers", [](const sim::Args&) { return FxWord(9); });
  host.override("FX_GetTextEncoding", [](const sim::Args&) { return FxWord(1252); });
  sim::install(host);
  EXPECT_EQ(FX_GetMaxLayers(FxWord(kFxInterfaceVersion)), 9);

  // The module now lacks both: the bound entry still reaches the host's
  // function, the entry never called before finds nothing and answers alone.
  sim::install(host, {"FINALE.EXE", {"FX_GetMaxLayers", "FX_GetTextEncoding"}});
  EXPECT_EQ(FX_GetMaxLayers(FxWord(kFxInterfaceVersion)), 9);
  EXPECT_EQ(FX_GetTextEncoding(FxWord(kFxInterfaceVersion)), -2);

  // Back with every export: the missing function stays missing.
  sim::install(host);
  EXPECT_EQ(FX_GetTextEncoding(FxWord(kFxInterfaceVersion)), -2);
  EXPECT_EQ(host.log().count("FX_GetMaxLayers"), 2);
  EXPECT_EQ(host.log().count("FX_GetTextEncoding"), 0);
}

}  // namespace
