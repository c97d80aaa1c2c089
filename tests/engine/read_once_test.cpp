// What a respacing run reads from the host, counted in the call log: each
// system once per page search however many trial gaps it takes, each page
// record read afresh by the driver and once more by the walk of the page
// before, and a system's page found without walking the pages before it.
#include "engine/engine_fixture.h"

namespace {

int loads_of(const sim::Host& host, uint32_t tag, int16_t first) {
  int loads = 0;
  for (const sim::CallRecord& call : host.log().trace_of("FX_LoadEData"))
    if (call.tag == tag && call.key_first == first) ++loads;
  return loads;
}

class ReadOnce : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    host.log().set_tracing(true);
  }
};

TEST_F(ReadOnce, EachSystemIsReadOncePerPageSearchWhateverTheTrialGaps) {
  // The worked example: the search tries -1450, -1449 and -1448.
  add_page(9000);
  for (int i = 0; i < 3; ++i) add_system(1, 2000);
  prefs.extraTopMargin = 100;
  run(1, 1);
  ASSERT_EQ(gaps(1, 3), (std::vector<int16_t>{-100, -1448, -1448}));
  for (int16_t s = 1; s <= 3; ++s) {
    EXPECT_EQ(loads_of(host, kTagStaffSystemCurrent, s), 1) << "system " << s;
  }
  EXPECT_EQ(loads_of(host, kTagMeasure, 1), 3);  // every system's first measure is measure 1 here
}

TEST_F(ReadOnce, EachPageRecordIsReadOnceByTheDriverOnceByTheWalkAndNoSystemWalksEarlierPages) {
  for (int p = 1; p <= 4; ++p) {
    add_page(9000);
    add_system(int16_t(p), 2000);
    add_system(int16_t(p), 2000);
  }
  run(1, 4);
  // The driver's read, the walk's read, and the probes that tell the end of
  // the score from a page the host would not hand over (the count of pages
  // and its confirmation): a bound that does not grow with the score.
  for (int16_t p = 1; p <= 4; ++p) EXPECT_LE(loads_of(host, kTagPageSpec, p), 4) << "page " << p;

  host.log().clear();
  run(4, 4);
  // Page 4 and the walk past the last page only: pages 1 to 3 are not read.
  for (int16_t p = 1; p <= 3; ++p) EXPECT_EQ(loads_of(host, kTagPageSpec, p), 0) << "page " << p;
  EXPECT_LE(loads_of(host, kTagPageSpec, 4), 2);
}

// One page in the middle of a long score, on hosts that keep either layout:
// each of its systems is read once, in the layout of the host's era, and the
// score's systems are not counted (no probe of a staff-system record).
TEST_F(ReadOnce, OnePageOfALongScoreReadsItsOwnSystemsOnceAndCountsNothing) {
  for (int p = 1; p <= 40; ++p) {
    add_page(9000);
    add_system(int16_t(p), 2000);
    add_system(int16_t(p), 2000);
  }
  const struct {
    uint32_t host;
    uint32_t tag;  // the layout the gaps are read in
  } eras[] = {{kHost2000, kTagStaffSystemOld}, {kHost2001, kTagStaffSystemOld}, {kHost2010, kTagStaffSystemCurrent}};
  for (const auto& era : eras) {
    set_host_version(era.host);
    host.log().clear();
    run(20, 20);
    EXPECT_EQ(loads_of(host, era.tag, 39), 1) << std::hex << era.host;
    EXPECT_EQ(loads_of(host, era.tag, 40), 1) << std::hex << era.host;
    int probes = 0;
    for (const sim::CallRecord& call : host.log().trace_of("FX_LoadEData"))
      if (call.tag == kTagStaffSystemOld && !call.buffer) ++probes;
    EXPECT_EQ(probes, 0) << std::hex << era.host;
  }
}

// A system without its staff list has no height: the page fails at that
// system (a system-load message) instead of being spread as if the system had
// none, and every page still reports the list it lacks.
TEST_F(ReadOnce, AMissingStaffListIsStillReportedOnEveryPage) {
  for (int p = 1; p <= 2; ++p) {
    add_page(9000);
    for (int i = 0; i < 2; ++i) {
      sim::StaffSystem system;
      system.page = int16_t(p);
      system.flags = 0x4000;  // a list of its own, which the host does not have
      host.add_system(system);
    }
  }
  run(1, 2);
  EXPECT_EQ(host.alerts(), (std::vector<std::string>{"pFTX_GetInstrumentList: list #1 does not exist",
                                                     "pFTX_GetInstrumentList: list #3 does not exist"}));
}

}  // namespace
