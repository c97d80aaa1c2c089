#include "toolkit/staff_system_records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "host/record_tags.h"
#include "support/host_call.h"
#include "support/sim_host_fixture.h"
#include "toolkit_test_support.h"

namespace {

using toolkit_test::calls_of;
using toolkit_test::HostEra;

constexpr uint32_t kEngineCurrentVersion = 0x07000000u;

// System 2 of a two-system page has a list of its own and a value in every field.
sim::StaffSystem distinctive_system() {
  sim::StaffSystem s;
  s.page = 1;
  s.top_margin = -50;
  s.left_margin = 10;
  s.right_margin = -20;
  s.bottom_margin = -30;
  s.first_measure = 3;
  s.next_measure = 5;
  s.flags = kSysFlagOwnStaffList | kSysFlagScaled;
  s.unnamed14 = 7;
  s.unnamed16 = 9;
  s.percent = 80;
  s.gap = -144;
  s.staff_height = 1536;
  return s;
}

class StaffSystemRecords : public SimHostTest, public testing::WithParamInterface<HostEra> {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    set_host_version(GetParam().word);
    toolkit_test::lay_out(host.score(), {2});
    host.score().systems[1] = distinctive_system();
    host.score().instrument_lists[2] = {sim::InstrumentListEntry{}};
    host.log().set_tracing(true);
  }

  bool old_host() const { return GetParam().year <= 2000; }
};

class OldHostStaffSystemRecords : public StaffSystemRecords {};
class NewHostStaffSystemRecords : public StaffSystemRecords {};

struct MalformedRequest {
  int32_t size;
  uint32_t version;
};

constexpr MalformedRequest kMalformedRequests[] = {
    {0, kEngineCurrentVersion},  {22, kEngineCurrentVersion}, {28, kEngineCurrentVersion},
    {20, kFtxCurrentLayoutVersion}, {24, kFtxCurrentLayoutVersion - 1}, {24, kFtxOldLayoutVersion},
    {22, kFtxOldLayoutVersion},  {-24, kEngineCurrentVersion},
};

TEST_P(StaffSystemRecords, MalformedRequestsFailWithoutCopyingOrWriting) {
  for (const MalformedRequest& request : kMalformedRequests) {
    uint8_t record[32];
    std::memset(record, 0xAB, sizeof record);
    EXPECT_FALSE(FTX_LoadStaffSystemSpec(2, record, request.size, request.version))
        << "size " << request.size << ", version " << std::hex << request.version;
    EXPECT_EQ(record[0], 0xAB) << "nothing copied for size " << request.size;
    EXPECT_FALSE(FTX_SaveStaffSystemSpec(2, record, request.size, request.version))
        << "size " << request.size << ", version " << std::hex << request.version;
  }
  EXPECT_EQ(host.log().count("FX_SaveEData"), 0);
}

TEST_P(StaffSystemRecords, TheSmallestCurrentVersionNamesTheCurrentLayout) {
  EDTStaffSystemRecord current;
  EXPECT_TRUE(FTX_LoadStaffSystemSpec(2, &current, 24, kFtxCurrentLayoutVersion));
  EDTStaffSystemRecordOld old;
  EXPECT_TRUE(FTX_LoadStaffSystemSpec(2, &old, 20, kFtxCurrentLayoutVersion - 1));
}

TEST_P(StaffSystemRecords, CurrentLayoutCarriesTheSystemsFields) {
  EDTStaffSystemRecord record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));
  EXPECT_EQ(record.sysTopMargin, -50);
  EXPECT_EQ(record.sysLeftMargin, 10);
  EXPECT_EQ(record.sysRightMargin, -20);
  EXPECT_EQ(record.sysBottomMargin, -30);
  EXPECT_EQ(record.sysFirstMeasure, 3);
  EXPECT_EQ(record.sysNextMeasure, 5);
  EXPECT_EQ(record.sysFlags, kSysFlagOwnStaffList | kSysFlagScaled);
  EXPECT_EQ(record.reserved16, 9);
  EXPECT_EQ(record.sysPercent, 80);
  EXPECT_EQ(record.sysGap, -144);
  // Old hosts know neither field: the conversion fills them.
  EXPECT_EQ(record.reserved14, old_host() ? 0 : 7);
  EXPECT_EQ(record.sysStaffHeight, old_host() ? 96 : 1536);
}

TEST_P(StaffSystemRecords, OldLayoutCarriesTheSystemsFields) {
  EDTStaffSystemRecordOld record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 20, kFtxOldLayoutVersion));
  EXPECT_EQ(record.sysGap, -144);
  EXPECT_EQ(record.sysLeftMargin, 10);
  EXPECT_EQ(record.sysNextMeasure, 5);
  EXPECT_EQ(record.reserved12, 9);
  EXPECT_EQ(record.sysPercent, 80);
  EXPECT_EQ(record.sysFlags, kSysFlagOwnStaffList | kSysFlagScaled);
}

TEST_P(StaffSystemRecords, ANullDestinationStillLoads) {
  EXPECT_TRUE(FTX_LoadStaffSystemSpec(2, nullptr, 24, kEngineCurrentVersion));
  EXPECT_TRUE(FTX_LoadStaffSystemSpec(2, nullptr, 20, kFtxOldLayoutVersion));
  EXPECT_GE(host.log().count("FX_LoadEData"), 2);
  EXPECT_FALSE(FTX_LoadStaffSystemSpec(3, nullptr, 24, kEngineCurrentVersion)) << "a missing system";
}

TEST_P(StaffSystemRecords, ANullRecordIsNeverWritten) {
  EXPECT_FALSE(FTX_SaveStaffSystemSpec(2, nullptr, 24, kEngineCurrentVersion));
  EXPECT_FALSE(FTX_SaveStaffSystemSpec(2, nullptr, 20, kFtxOldLayoutVersion));
  EXPECT_EQ(host.log().total(), 0);
}

TEST_P(StaffSystemRecords, ChangedGapsReachTheScoreInEitherLayout) {
  EDTStaffSystemRecord current;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &current, 24, kEngineCurrentVersion));
  current.sysGap = -200;
  ASSERT_TRUE(FTX_SaveStaffSystemSpec(2, &current, 24, kEngineCurrentVersion));
  EXPECT_EQ(host.score().systems[1].gap, -200);

  EDTStaffSystemRecordOld old;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &old, 20, kFtxOldLayoutVersion));
  old.sysGap = -300;
  ASSERT_TRUE(FTX_SaveStaffSystemSpec(2, &old, 20, kFtxOldLayoutVersion));
  EXPECT_EQ(host.score().systems[1].gap, -300);
  EXPECT_EQ(host.score().systems[1].top_margin, -50) << "the old layout has no top margin";
}

TEST_P(NewHostStaffSystemRecords, CurrentLayoutTravelsWithTheHostsOwnVersionWord) {
  EDTStaffSystemRecord record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 24, kFtxCurrentLayoutVersion));
  ASSERT_TRUE(FTX_SaveStaffSystemSpec(2, &record, 24, kFtxCurrentLayoutVersion));

  const auto loads = calls_of(host.log(), "FX_LoadEData", kTagStaffSystemCurrent);
  const auto saves = calls_of(host.log(), "FX_SaveEData", kTagStaffSystemCurrent);
  ASSERT_EQ(loads.size(), 1u) << host.log().describe();
  ASSERT_EQ(saves.size(), 1u) << host.log().describe();
  EXPECT_EQ(loads[0].version, GetParam().word);
  EXPECT_EQ(loads[0].size, 24);
  EXPECT_EQ(loads[0].key_first, 2);
  EXPECT_EQ(saves[0].version, GetParam().word);
  EXPECT_EQ(saves[0].size, 24);
}

TEST_P(NewHostStaffSystemRecords, OldLayoutTravelsWithTheOldVersion) {
  EDTStaffSystemRecordOld record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 20, kFtxOldLayoutVersion));
  ASSERT_TRUE(FTX_SaveStaffSystemSpec(2, &record, 20, kFtxOldLayoutVersion));

  const auto loads = calls_of(host.log(), "FX_LoadEData", kTagStaffSystemOld);
  const auto saves = calls_of(host.log(), "FX_SaveEData", kTagStaffSystemOld);
  ASSERT_EQ(loads.size(), 1u) << host.log().describe();
  ASSERT_EQ(saves.size(), 1u) << host.log().describe();
  EXPECT_EQ(loads[0].version, kFtxOldLayoutVersion);
  EXPECT_EQ(saves[0].version, kFtxOldLayoutVersion);
  EXPECT_EQ(saves[0].size, 20);
}

TEST_P(OldHostStaffSystemRecords, AMalformedLoadStillReadsTheOldRecordFirst) {
  uint8_t record[24];
  EXPECT_FALSE(FTX_LoadStaffSystemSpec(2, record, 22, kEngineCurrentVersion));
  EXPECT_EQ(calls_of(host.log(), "FX_LoadEData", kTagStaffSystemOld).size(), 1u);
}

TEST_P(OldHostStaffSystemRecords, TheTopMarginComesFromTheSystemsInstrumentList) {
  host.score().systems[1].top_margin = 0x0001FF00;  // the low 16 bits read -256
  EDTStaffSystemRecord record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));
  EXPECT_EQ(record.sysTopMargin, -256);
  const auto lists = calls_of(host.log(), "FX_LoadEData", kTagInstrumentList);
  ASSERT_EQ(lists.size(), 1u) << host.log().describe();
  EXPECT_EQ(lists[0].key_first, 2);
  EXPECT_EQ(lists[0].version, kFtxOldLayoutVersion);
}

TEST_P(OldHostStaffSystemRecords, ASystemWithoutItsOwnListUsesTheScoresList) {
  host.score().systems[1].flags = 0;
  EDTStaffSystemRecord record;
  FTX_LoadStaffSystemSpec(2, &record, 24, kEngineCurrentVersion);
  const auto lists = calls_of(host.log(), "FX_LoadEData", kTagInstrumentList);
  ASSERT_FALSE(lists.empty());
  EXPECT_EQ(lists.back().key_first, 0) << host.log().describe();
}

TEST_P(OldHostStaffSystemRecords, ANullDestinationSkipsTheInstrumentList) {
  EXPECT_TRUE(FTX_LoadStaffSystemSpec(2, nullptr, 24, kEngineCurrentVersion));
  EXPECT_TRUE(calls_of(host.log(), "FX_LoadEData", kTagInstrumentList).empty()) << host.log().describe();
}

TEST_P(OldHostStaffSystemRecords, ACurrentWriteOfASystemWithoutItsOwnListFails) {
  host.score().systems[1].flags = 0;
  EDTStaffSystemRecord record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));
  record.sysGap = -500;
  EXPECT_FALSE(FTX_SaveStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));
  EXPECT_EQ(host.log().count("FX_SaveEData"), 0);
  EXPECT_EQ(host.score().systems[1].gap, -144);
}

TEST_P(OldHostStaffSystemRecords, ACurrentWriteStoresTheListRecordThenTheOldRecord) {
  EDTStaffSystemRecord record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));
  record.sysTopMargin = -70;
  record.sysGap = -90;
  ASSERT_TRUE(FTX_SaveStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));

  const auto saves = host.log().trace_of("FX_SaveEData");
  ASSERT_EQ(saves.size(), 2u) << host.log().describe();
  EXPECT_EQ(saves[0].tag, kTagInstrumentList);
  EXPECT_EQ(saves[0].size, 24);
  EXPECT_EQ(saves[1].tag, kTagStaffSystemOld);
  EXPECT_EQ(saves[1].size, 20);
  EXPECT_EQ(host.score().systems[1].top_margin, -70);
  EXPECT_EQ(host.score().systems[1].gap, -90);
}

TEST_P(OldHostStaffSystemRecords, ARefusedListWriteStopsBeforeTheOldRecord) {
  host.override("FX_SaveEData", [](const sim::Args&) -> FxWord { return 0; });
  EDTStaffSystemRecord record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));
  EXPECT_FALSE(FTX_SaveStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));
  EXPECT_EQ(host.log().count("FX_SaveEData"), 1);
}

// Reads a record straight from the host, past the plug-in's conversions.
std::vector<uint8_t> host_record(uint32_t tag, int16_t first, int32_t size, uint32_t version) {
  int16_t key[4] = {first, 0, 0, 0};
  std::vector<uint8_t> bytes(size_t(size), 0);
  int32_t capacity = size;
  EXPECT_NE(call_host("FX_LoadEData", tag, key, bytes.data(), &capacity, version), 0);
  return bytes;
}

int32_t int32_at(const std::vector<uint8_t>& bytes, size_t offset) {
  int32_t value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

TEST_P(OldHostStaffSystemRecords, ARoundTripSignExtendsThe32BitFields) {
  host.score().systems[1].unnamed16 = 0x00018000;
  host.score().systems[1].top_margin = 0x0001FF00;
  const std::vector<uint8_t> oldBefore = host_record(kTagStaffSystemOld, 2, 20, kFtxOldLayoutVersion);
  const std::vector<uint8_t> listBefore = host_record(kTagInstrumentList, 2, 24, kFtxOldLayoutVersion);

  EDTStaffSystemRecord record;
  ASSERT_TRUE(FTX_LoadStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));
  ASSERT_TRUE(FTX_SaveStaffSystemSpec(2, &record, 24, kEngineCurrentVersion));

  std::vector<uint8_t> oldAfter = host_record(kTagStaffSystemOld, 2, 20, kFtxOldLayoutVersion);
  std::vector<uint8_t> listAfter = host_record(kTagInstrumentList, 2, 24, kFtxOldLayoutVersion);
  EXPECT_EQ(int32_at(oldAfter, 12), -32768) << "0x00018000 keeps its low half, sign-extended";
  EXPECT_EQ(int32_at(listAfter, 8), -256) << "0x0001FF00 keeps its low half, sign-extended";
  std::memcpy(oldAfter.data() + 12, oldBefore.data() + 12, 4);
  std::memcpy(listAfter.data() + 8, listBefore.data() + 8, 4);
  EXPECT_EQ(oldAfter, oldBefore) << "every other byte of the old record";
  EXPECT_EQ(listAfter, listBefore) << "every other byte of the list record";
}

INSTANTIATE_TEST_SUITE_P(Eras, StaffSystemRecords, testing::ValuesIn(toolkit_test::kHostEras), toolkit_test::era_name);
INSTANTIATE_TEST_SUITE_P(Eras, OldHostStaffSystemRecords, testing::ValuesIn(toolkit_test::kOldHostEras),
                         toolkit_test::era_name);
INSTANTIATE_TEST_SUITE_P(Eras, NewHostStaffSystemRecords, testing::ValuesIn(toolkit_test::kNewHostEras),
                         toolkit_test::era_name);

}  // namespace
