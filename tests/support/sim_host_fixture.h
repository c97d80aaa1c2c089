// A test fixture with a fresh Win32 stand-in (standin::reset()), a simulated
// host installed as "FINALE.EXE" with its windows built, and the plug-in told
// the same host version word.
//
// The plug-in binds each host function once per process, so every test of the
// suite reaches this fixture's host through the same export addresses; a test
// that needs a host lacking an export belongs in tests/isolated/.
#ifndef TESTS_SUPPORT_SIM_HOST_FIXTURE_H
#define TESTS_SUPPORT_SIM_HOST_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdint>

#include "sim/host/sim_host.h"

class SimHostTest : public testing::Test {
 protected:
  void SetUp() override;

  // Changes the host's version word and the one the plug-in stored from it.
  void set_host_version(uint32_t word);

  sim::Host host;
};

#endif
