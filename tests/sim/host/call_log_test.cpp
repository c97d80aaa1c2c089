#include "sim/host/call_log.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "host/record_tags.h"
#include "sim/host/sim_host.h"
#include "support/host_call.h"

namespace {

class CallLog : public testing::Test {
 protected:
  void SetUp() override { sim::install(host); }
  sim::Host host;
};

TEST_F(CallLog, CountsEveryCallByFunctionNameEvenWithoutTracing) {
  call_host("FX_RedrawMusic", 0, 0x0F000200);
  call_host("FX_RedrawMusic", 0, 0x0F000200);
  call_host("FX_GetMaxLayers", 0x0F000200);

  EXPECT_EQ(host.log().count("FX_RedrawMusic"), 2);
  EXPECT_EQ(host.log().count("FX_GetMaxLayers"), 1);
  EXPECT_EQ(host.log().count("FX_Dialog"), 0);
  EXPECT_EQ(host.log().total(), 3);
  EXPECT_TRUE(host.log().trace().empty());
}

TEST_F(CallLog, TracesALoadWithItsKeyNumbersAndTheSizeOnEntry) {
  host.log().set_tracing(true);
  host.score().pages.resize(3);
  int16_t key[2] = {3, 0};
  int32_t size = 40;
  call_host("FX_LoadEData", kTagPageSpec, key, nullptr, &size, 0x0F000200);

  ASSERT_EQ(host.log().trace().size(), 1u);
  const sim::CallRecord& r = host.log().trace()[0];
  EXPECT_EQ(r.function, "FX_LoadEData");
  EXPECT_EQ(r.tag, kTagPageSpec);
  EXPECT_EQ(r.key_first, 3);
  EXPECT_EQ(r.key_second, 0);
  EXPECT_EQ(r.size, 40) << "the size as it was passed, not as the host reported it";
  EXPECT_FALSE(r.buffer);
  EXPECT_EQ(r.version, 0x0F000200u);
  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(r.args.size(), 5u);
  EXPECT_EQ(r.describe(), "FX_LoadEData(tag 'SOPS', key {3, 0}, no buffer, size 40, version 0x0F000200) -> 1");
}

TEST_F(CallLog, TracesASaveWithTheSizeByValueAndAnUnprintableTag) {
  host.log().set_tracing(true);
  int16_t key[2] = {-8, 2};
  uint8_t bytes[24] = {};
  call_host("FX_SaveEData", kTagStaffSystemCurrent, key, bytes, 24, 0x06000000);

  const sim::CallRecord& r = host.log().trace().at(0);
  EXPECT_EQ(r.size, 24);
  EXPECT_TRUE(r.buffer);
  EXPECT_EQ(r.describe(), "FX_SaveEData(tag 0x4F025353, key {-8, 2}, buffer, size 24, version 0x06000000) -> 0");
}

TEST_F(CallLog, TracesOtherFunctionsAsTheirArgumentWords) {
  host.log().set_tracing(true);
  call_host("FX_UpdateLayout", 1, 0, 0x0F000200);
  call_host("FX_DeleteEData", kTagPageSpec, nullptr, 0x0F000200);

  EXPECT_EQ(host.log().trace()[0].describe(), "FX_UpdateLayout(1, 0, 0x0F000200) -> 1");
  EXPECT_FALSE(host.log().trace()[0].tag);
  EXPECT_EQ(host.log().trace()[1].describe(), "FX_DeleteEData(tag 'SOPS', no key, version 0x0F000200) -> 0");
  EXPECT_EQ(host.log().trace_of("FX_UpdateLayout").size(), 1u);
}

TEST_F(CallLog, ADoubleArgumentFillsTheWordsThatHoldItsBytes) {
  host.log().set_tracing(true);
  call_host("FX_SetDlgItemUser", 1, 2, 3, 1.5, 0x0F000200);

  const sim::Args& args = host.log().trace().at(0).args;
  ASSERT_EQ(args.size(), 4 + sizeof(double) / sizeof(FxWord));
  double value;
  std::memcpy(&value, &args[3], sizeof value);
  EXPECT_EQ(value, 1.5);
  EXPECT_EQ(args.back(), 0x0F000200);
}

TEST_F(CallLog, ClearForgetsCountsAndTrace) {
  host.log().set_tracing(true);
  call_host("FX_RedrawMusic", 0, 0x0F000200);
  host.log().clear();
  EXPECT_EQ(host.log().count("FX_RedrawMusic"), 0);
  EXPECT_EQ(host.log().total(), 0);
  EXPECT_TRUE(host.log().trace().empty());
  EXPECT_TRUE(host.log().tracing()) << "clearing keeps tracing as it was";
}

}  // namespace
