#include "sim/host/sim_host.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "globals/toolkit_globals.h"
#include "sim/host/exports.h"
#include "support/host_call.h"
#include "support/sim_host_fixture.h"

namespace {

TEST(SimHost, InstallRegistersEveryExportUnderTheHostsNames) {
  sim::Host host;
  sim::install(host);
  HMODULE module = GetModuleHandleA("FINALE.EXE");
  ASSERT_NE(module, nullptr);
  for (size_t i = 0; i < sim::export_count(); ++i) {
    const char* name = sim::export_table()[i].name;
    EXPECT_EQ(GetProcAddress(module, name), sim::export_table()[i].address) << name;
  }
  EXPECT_EQ(sim::export_index("FX_GetPlaybackSystem"), int(sim::export_count()) - 1);
  EXPECT_EQ(sim::export_index("FX_NoSuchFunction"), -1);
}

TEST(SimHost, InstallLeavesOutTheOmittedExportsAndUsesTheChosenModuleName) {
  sim::Host host;
  sim::InstallOptions options;
  options.module_name = "FINDEMO.EXE";
  options.omitted_exports = {"FX_GetCurrentWindowInfo"};
  sim::install(host, options);

  HMODULE module = GetModuleHandleA("FINDEMO.EXE");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetProcAddress(module, "FX_GetCurrentWindowInfo"), nullptr);
  EXPECT_NE(GetProcAddress(module, "FX_GetWindowCount"), nullptr);

  options.omitted_exports.clear();
  sim::install(host, options);
  EXPECT_EQ(GetModuleHandleA("FINDEMO.EXE"), module) << "the handle a plug-in keeps stays valid";
  EXPECT_NE(GetProcAddress(module, "FX_GetCurrentWindowInfo"), nullptr);
}

TEST(SimHost, AFunctionWithoutBehaviourAnswersZero) {
  sim::Host host;
  sim::install(host);
  EXPECT_EQ(call_host("FX_GetMaxLayers", 0x0F000200), 0);
  EXPECT_EQ(host.log().count("FX_GetMaxLayers"), 1);
}

TEST(SimHost, AnOverrideReplacesOneFunctionUntilRestored) {
  sim::Host host;
  sim::install(host);
  sim::Args seen;
  host.override("FX_GetMaxLayers", [&seen](const sim::Args& args) -> FxWord {
    seen = args;
    return 0x00010001;
  });

  EXPECT_EQ(call_host("FX_GetMaxLayers", 0x0F000200), 0x00010001);
  EXPECT_EQ(seen, sim::Args{0x0F000200});
  EXPECT_EQ(host.log().count("FX_GetMaxLayers"), 1) << "overridden calls are logged too";

  host.restore("FX_GetMaxLayers");
  EXPECT_EQ(call_host("FX_GetMaxLayers", 0x0F000200), 0);
  EXPECT_THROW(host.override("FX_Nothing", nullptr), std::invalid_argument);
}

TEST(SimHost, InstallingAnotherHostMovesTheExportsToIt) {
  sim::Host first;
  sim::Host second;
  sim::install(first);
  sim::install(second);
  call_host("FX_RedrawMusic", 0, 0x0F000200);
  EXPECT_EQ(first.log().total(), 0);
  EXPECT_EQ(second.log().total(), 1);
  EXPECT_EQ(sim::installed_host(), &second);
}

TEST(SimHost, AlertMessagesAreKeptForTests) {
  sim::Host host;
  sim::install(host);
  EXPECT_NE(call_host("FX_AlertMessage", 0, 0, 0, "list #65528 does not exist", 0x0F000200), 0);
  call_host("FX_AlertMessage", 0, 0, 0, nullptr, 0x0F000200);
  EXPECT_EQ(host.alerts(), (std::vector<std::string>{"list #65528 does not exist", ""}));
}

using SimHostFixture = SimHostTest;

TEST_F(SimHostFixture, TellsThePlugInTheHostsVersionWord) {
  EXPECT_EQ(sim::installed_host(), &host);
  EXPECT_EQ(uint32_t(CallingFinaleVersion), host.version_word());
  set_host_version(0x05000005u);
  EXPECT_EQ(host.version_word(), 0x05000005u);
  EXPECT_EQ(CallingFinaleVersion, 0x05000005);
}

}  // namespace
