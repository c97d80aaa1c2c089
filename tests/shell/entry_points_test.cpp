#include "shell/entry_points.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "globals/user_prefs.h"

namespace {

class EntryPoints : public testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    saved_prefs_ = UserPrefs;
    saved_window_ = FinaleWindow;
    saved_version_ = CallingFinaleVersion;
    saved_globals_ = PDKToolsGlobals;
  }
  void TearDown() override {
    UserPrefs = saved_prefs_;
    Connect2Utils(saved_window_);
    PDKTOOLS_StoreVersion(saved_version_);
    PDKToolsGlobals = saved_globals_;
    standin::reset();
  }

 private:
  structUserPrefs saved_prefs_ = {};
  HWND saved_window_ = nullptr;
  int32_t saved_version_ = 0;
  FTX_PDKTOOLSGLOBALS saved_globals_ = {};
};

TEST_F(EntryPoints, VersionStoresTheHostsWordAndAnswersTheInterfaceVersion) {
  EXPECT_EQ(FinaleExtensionVersion(0x1A000000u), 0x0F000200u);
  EXPECT_EQ(PDKTOOLS_RawFXTVersion(), 0x1A000000);
}

TEST_F(EntryPoints, EnumerateFillsTheOneItemForIndexZeroAndBelow) {
  std::array<unsigned char, 196> expected{};
  std::memcpy(&expected[0], "KV &Dunvaro [v 1.20]...", 23);
  std::memcpy(&expected[64], "Dunvaro", 7);
  std::memcpy(&expected[128], "KV Dunvaro", 10);
  for (int16_t index : {0, -1}) {
    std::array<unsigned char, 200> record;
    record.fill(0xCC);
    EXPECT_EQ(FinaleExtensionEnumerate(0, index, record.data()), 1) << index;
    EXPECT_EQ(std::memcmp(record.data(), expected.data(), 196), 0) << "all 196 bytes, index " << index;
    EXPECT_EQ(record[196], 0xCC) << "nothing beyond the record";
  }
}

TEST_F(EntryPoints, EnumerateHasNoSecondItem) {
  std::array<unsigned char, 196> record;
  record.fill(0xCC);
  EXPECT_EQ(FinaleExtensionEnumerate(0, 1, record.data()), 0);
  for (unsigned char byte : record) ASSERT_EQ(byte, 0xCC);
  EXPECT_EQ(FinaleExtensionEnumerate(0, 0, nullptr), 0);
}

TEST_F(EntryPoints, InitLoadsTheSettingsAndOpensThePageRange) {
  const int16_t stored[11] = {1, 5, 9, 1, 0, 40, 30, 7, 100, 120, 1};
  standin::registry_write("Software\\KVPlugins\\KVDunvaro104", "UserDialog", REG_BINARY, stored,
                          sizeof stored);
  HWND host = standin::create_window(nullptr, "Host", 0, "Host", 0, RECT{0, 0, 800, 600});
  uint32_t flags = 0;
  EXPECT_EQ(FinaleExtensionInit(host, &flags), 1);
  EXPECT_EQ(flags, 1u);
  EXPECT_EQ(FinaleWindow, host);
  const structUserPrefs expected = {1, 1, 9999, 1, 0, 40, 30, 7, 100, 120, 1};
  EXPECT_EQ(std::memcmp(&UserPrefs, &expected, sizeof expected), 0);
}

TEST_F(EntryPoints, InitOnFirstRunGivesTheDefaults) {
  EXPECT_EQ(FinaleExtensionInit(nullptr, nullptr), 1);
  const structUserPrefs expected = {3, 1, 9999, 0, 0, 0, 0, 2, -32768, -32768, 0};
  EXPECT_EQ(std::memcmp(&UserPrefs, &expected, sizeof expected), 0);
}

TEST_F(EntryPoints, TerminateSavesAndReturnsAFailedSave) {
  FinaleExtensionInit(nullptr, nullptr);
  EXPECT_EQ(FinaleExtensionTerminate(0), 0);
  EXPECT_TRUE(standin::registry_key_exists("Software\\KVPlugins\\KVDunvaro104"));
  standin::fail_registry_call(1, ERROR_ACCESS_DENIED);
  EXPECT_EQ(FinaleExtensionTerminate(0), ERROR_ACCESS_DENIED);
}

TEST_F(EntryPoints, GetMenuStatusAlwaysEnables) { EXPECT_EQ(FinaleExtensionGetMenuStatus(0), 1); }

}  // namespace
