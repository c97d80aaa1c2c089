// What the record entries send to the host for ordinary records: the request
// unchanged but for the corrected layout version.
#include <gtest/gtest.h>

#include <vector>

#include "host/fx_entries.h"
#include "host/record_tags.h"
#include "support/sim_host_fixture.h"

namespace {

class RecordAccess : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    host.log().set_tracing(true);
    host.override("FX_LoadEData", [](const sim::Args&) { return FxWord(0x00010001); });
    host.override("FX_SaveEData", [](const sim::Args&) { return FxWord(0x0001FFFF); });
  }

  sim::CallRecord only_call(const char* function) {
    const auto calls = host.log().trace_of(function);
    EXPECT_EQ(calls.size(), 1u) << host.log().describe();
    return calls.empty() ? sim::CallRecord{} : calls[0];
  }
};

TEST_F(RecordAccess, APageRecordLoadReachesTheHostExactlyAsSent) {
  int16_t key[2] = {3, 0};
  uint8_t page[22] = {};
  int32_t size = 22;
  EXPECT_EQ(FX_LoadEData(kTagPageSpec, key, page, &size, kFxInterfaceVersion), 1) << "16-bit answer";
  const sim::CallRecord call = only_call("FX_LoadEData");
  EXPECT_EQ(call.args, (sim::Args{FxWord(kTagPageSpec), fx_word(key), fx_word(page), fx_word(&size),
                                  FxWord(kFxInterfaceVersion)}));
  EXPECT_EQ(*call.size, 22);
}

TEST_F(RecordAccess, StaffSystemTransfersTravelWithTheVersionOfTheirSize) {
  struct Case {
    int32_t size;
    uint32_t version, sent;
  };
  for (const Case& c : {Case{24, 0x05000005u, 0x06000000u}, Case{28, 0x0F000200u, 0x0F000200u},
                        Case{22, 0x0F000200u, 0x05000000u}}) {
    int16_t key[2] = {1, 0};
    std::vector<uint8_t> record(size_t(c.size), 0);
    int32_t size = c.size;
    host.log().clear();
    FX_LoadEData(kTagStaffSystemCurrent, key, record.data(), &size, c.version);
    EXPECT_EQ(only_call("FX_LoadEData").version, c.sent) << "load size " << c.size;
    host.log().clear();
    EXPECT_EQ(FX_SaveEData(kTagStaffSystemCurrent, key, record.data(), c.size, c.version), -1);
    const sim::CallRecord save = only_call("FX_SaveEData");
    EXPECT_EQ(save.version, c.sent) << "save size " << c.size;
    EXPECT_EQ(save.args[3], c.size);
  }
}

TEST_F(RecordAccess, ATextBlockLoadWithAnOldVersionWarnsOnceAndIsCorrected) {
  int16_t key[2] = {1, 0};
  uint8_t block[26] = {};
  int32_t size = 26;
  FX_LoadEData(fx_tag('S', 'O', 'T', 'X'), key, block, &size, 0x08000000u);
  EXPECT_EQ(only_call("FX_LoadEData").version, 0x09000000u);
  ASSERT_EQ(host.alerts().size(), 1u);
  EXPECT_EQ(host.alerts()[0], "Warning to plug-in developer: EDTTextBlock2004 used with wrong version parameter");

  host.log().clear();
  FX_LoadEData(fx_tag('S', 'O', 'T', 'X'), key, block, &size, kFxInterfaceVersion);
  EXPECT_EQ(only_call("FX_LoadEData").version, kFxInterfaceVersion);
  EXPECT_EQ(host.alerts().size(), 1u);
}

TEST_F(RecordAccess, ALoadWithoutABufferAsksTheHostWhetherTheRecordExists) {
  int16_t key[2] = {2, 0};
  int32_t size = 0;
  FX_LoadEData(kTagMeasure, key, nullptr, &size, kFxInterfaceVersion);
  const sim::CallRecord call = only_call("FX_LoadEData");
  EXPECT_FALSE(call.buffer);
  EXPECT_EQ(call.version, kFxInterfaceVersion) << "a size of 0 keeps the version";
}

TEST_F(RecordAccess, APreferenceTagWithoutAMapOrRunGoesToTheHost) {
  int16_t key[2] = {0, 0};
  uint8_t prefs[20] = {};
  int32_t size = 20;
  FX_LoadEData(kTagGeneralPrefs, key, prefs, &size, kFxInterfaceVersion);
  EXPECT_EQ(*only_call("FX_LoadEData").tag, kTagGeneralPrefs);
  FX_SaveEData(kTagGeneralPrefs, key, prefs, 20, kFxInterfaceVersion);
  EXPECT_EQ(*only_call("FX_SaveEData").tag, kTagGeneralPrefs);
}

// Without a key there is no key number to pick a preference layout or a staff
// fallback by: the request goes to the host as it came, null key and all.
TEST_F(RecordAccess, ANullKeyReachesTheHostUnreadForEveryKindOfRecord) {
  host.override("FX_LoadEData", [](const sim::Args&) { return FxWord(0); });
  host.override("FX_SaveEData", [](const sim::Args&) { return FxWord(0); });
  for (uint32_t tag : {fx_tag('p', 'f', 'P', 'F'), fx_tag('p', 'f', 'G', 'G'), kTagStaffSpec, kTagPageSpec}) {
    uint8_t record[200] = {};
    int32_t size = sizeof record;
    host.log().clear();
    FX_LoadEData(tag, nullptr, record, &size, kFxInterfaceVersion);
    FX_SaveEData(tag, nullptr, record, 48, kFxInterfaceVersion);
    EXPECT_EQ(only_call("FX_LoadEData").args[1], 0) << std::hex << tag;
    EXPECT_EQ(only_call("FX_SaveEData").args[1], 0) << std::hex << tag;
  }
}

}  // namespace
