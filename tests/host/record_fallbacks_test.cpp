#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "support/sim_host_fixture.h"

namespace {

class DefinitionProbe : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
  }

  // The host refuses the load after writing `byte` at `offset` of the buffer
  // (nothing when offset is negative).
  void refuse_after_writing(int offset, uint8_t byte) {
    host.override("FX_LoadEData", [offset, byte](const sim::Args& args) {
      if (offset >= 0) reinterpret_cast<uint8_t*>(args[2])[offset] = byte;
      return FxWord(0);
    });
  }

  FxWord probe(uint32_t tag, std::vector<uint8_t>& buffer, int32_t capacity) {
    int16_t key[2] = {1, 0};
    int32_t size = capacity;
    return FX_LoadEData(tag, key, buffer.data(), &size, kFxInterfaceVersion);
  }
};

struct ProbeTag {
  uint32_t tag;
  int32_t cleared;
};
const ProbeTag kProbeTags[] = {{kTagArticulationDef, 48}, {kTagCompatibleArticulation, 108}};

TEST_F(DefinitionProbe, ARefusedProbeSucceedsWhenTheHostLeftANonzeroByte) {
  for (const ProbeTag& p : kProbeTags) {
    std::vector<uint8_t> buffer(200, 0xFF);
    refuse_after_writing(p.cleared - 1, 0x01);
    EXPECT_EQ(probe(p.tag, buffer, 200), 1) << std::hex << p.tag;

    buffer.assign(200, 0xFF);
    refuse_after_writing(p.cleared, 0x01);  // beyond the probed bytes
    EXPECT_EQ(probe(p.tag, buffer, 200), 0) << std::hex << p.tag;
    for (int i = 0; i < p.cleared; ++i) ASSERT_EQ(buffer[size_t(i)], 0) << std::hex << p.tag << " byte " << i;
    EXPECT_EQ(buffer[size_t(p.cleared) + 1], 0xFF) << "bytes past the probe are not cleared";
    EXPECT_EQ(host.log().count("FX_LoadEData"), 2);
    host.log().clear();
  }
}

TEST_F(DefinitionProbe, AnAcceptedProbeAsksTheHostASecondTime) {
  int calls = 0;
  host.override("FX_LoadEData", [&calls](const sim::Args&) { return FxWord(++calls == 1 ? 1 : 0x00010002); });
  std::vector<uint8_t> buffer(48, 0);
  EXPECT_EQ(probe(kTagArticulationDef, buffer, 48), 2);
  EXPECT_EQ(calls, 2);
}

// The buffer is smaller than the probed bytes: nothing past its capacity is
// cleared or read.
TEST_F(DefinitionProbe, NeverClearsPastTheCapacity) {
  std::vector<uint8_t> buffer(48, 0xFF);
  refuse_after_writing(-1, 0);
  EXPECT_EQ(probe(kTagArticulationDef, buffer, 20), 0);
  for (size_t i = 0; i < 20; ++i) EXPECT_EQ(buffer[i], 0) << i;
  for (size_t i = 20; i < 48; ++i) EXPECT_EQ(buffer[i], 0xFF) << i;
}

class StaffSpecFallback : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
    host.records().put_other({kTagStaffSpecOther, 4, 0}, {1, 2, 3, 4, 5, 6});
  }

  FxWord load(int16_t first, int16_t second, void* buffer, int32_t* size) {
    int16_t key[4] = {first, second, 77, 88};
    return FX_LoadEData(kTagStaffSpec, key, buffer, size, kFxInterfaceVersion);
  }
};

TEST_F(StaffSpecFallback, ARefusedLoadSucceedsWhenTheOtherRecordExists) {
  std::vector<uint8_t> buffer(80, 0xFF);
  int32_t size = 80;
  EXPECT_EQ(load(4, 9, buffer.data(), &size), 1);
  for (size_t i = 0; i < 66; ++i) ASSERT_EQ(buffer[i], 0) << i;
  EXPECT_EQ(buffer[66], 0xFF);
  EXPECT_EQ(size, 80);
  const auto loads = host.log().trace_of("FX_LoadEData");
  ASSERT_EQ(loads.size(), 2u);
  EXPECT_EQ(*loads[0].tag, kTagStaffSpec);
  EXPECT_EQ(*loads[1].tag, kTagStaffSpecOther);
  EXPECT_EQ(*loads[1].key_first, 4);
  EXPECT_EQ(*loads[1].key_second, 0);
  EXPECT_EQ(*loads[1].size, 12);
  EXPECT_EQ(loads[1].version, kFxInterfaceVersion);
}

TEST_F(StaffSpecFallback, TheOtherRecordsKeyIsTheCallersEightBytesWithSecondNumberZero) {
  std::vector<int16_t> other_key;
  host.override("FX_LoadEData", [&other_key](const sim::Args& args) {
    if (uint32_t(args[0]) != kTagStaffSpecOther) return FxWord(0);
    const int16_t* key = reinterpret_cast<const int16_t*>(args[1]);
    other_key.assign(key, key + 4);
    return FxWord(1);
  });
  int32_t size = 0;
  EXPECT_EQ(load(4, 9, nullptr, &size), 1);
  EXPECT_EQ(other_key, (std::vector<int16_t>{4, 0, 77, 88}));
}

TEST_F(StaffSpecFallback, ASmallBufferIsClearedOnlyUpToItsCapacity) {
  std::vector<uint8_t> buffer(66, 0xFF);
  int32_t size = 30;
  EXPECT_EQ(load(4, 0, buffer.data(), &size), 1);
  for (size_t i = 0; i < 30; ++i) ASSERT_EQ(buffer[i], 0) << i;
  for (size_t i = 30; i < 66; ++i) ASSERT_EQ(buffer[i], 0xFF) << i;
}

TEST_F(StaffSpecFallback, WithoutABufferTheSizeBecomes66) {
  int32_t size = 0;
  EXPECT_EQ(load(4, 1, nullptr, &size), 1);
  EXPECT_EQ(size, 66);
}

TEST_F(StaffSpecFallback, FailsWhenTheOtherRecordIsMissingToo) {
  std::vector<uint8_t> buffer(66, 0xFF);
  int32_t size = 66;
  EXPECT_EQ(load(5, 0, buffer.data(), &size), 0);
}

TEST_F(StaffSpecFallback, AnAcceptedLoadAsksTheHostASecondTime) {
  int calls = 0;
  host.override("FX_LoadEData", [&calls](const sim::Args&) { return FxWord(++calls); });
  std::vector<uint8_t> buffer(66, 0);
  int32_t size = 66;
  EXPECT_EQ(load(4, 0, buffer.data(), &size), 2);
}

}  // namespace
