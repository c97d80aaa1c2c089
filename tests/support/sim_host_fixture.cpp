#include "support/sim_host_fixture.h"

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"

void SimHostTest::SetUp() {
  standin::reset();
  sim::install(host);
  PDKTOOLS_StoreVersion(int32_t(host.version_word()));
}

void SimHostTest::set_host_version(uint32_t word) {
  host.set_version_word(word);
  PDKTOOLS_StoreVersion(int32_t(word));
}
