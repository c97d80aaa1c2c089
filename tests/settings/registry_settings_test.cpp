#include "settings/registry_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/posix/testing.h"

namespace {

const char kKey[] = "Software\\KVPlugins\\KVDunvaro104";
const char kValue[] = "UserDialog";

// The record as eleven little-endian 16-bit fields, written out byte by byte.
const std::vector<BYTE> kImage = {
    0x01, 0x00,  // processRange 1
    0x05, 0x00,  // firstPage 5
    0x09, 0x00,  // lastPage 9
    0x01, 0x00,  // keepTopmostStill
    0x01, 0x00,  // includeGaps
    0x9C, 0xFF,  // extraTopMargin -100
    0x2C, 0x01,  // extraBottomMargin 300
    0x07, 0x00,  // singleSystems 7 (no such choice: kept as stored)
    0x40, 0x01,  // dialogLeft 320
    0xF0, 0x00,  // dialogTop 240
    0x01, 0x00,  // compact
};

const structUserPrefs kImageRecord = {1, 5, 9, 1, 1, -100, 300, 7, 320, 240, 1};

bool same(const structUserPrefs& a, const structUserPrefs& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Defaults over a record whose page range was 11..22 (the defaults leave it).
structUserPrefs defaults_over_pages(int16_t first, int16_t last) {
  return {3, first, last, 0, 0, 0, 0, 2, -32768, -32768, 0};
}

class RegistrySettings : public testing::Test {
 protected:
  void SetUp() override { standin::reset(); }
  void TearDown() override { standin::reset(); }
  structUserPrefs prefs_ = {-1, 11, 22, -1, -1, -1, -1, -1, -1, -1, -1};
};

TEST_F(RegistrySettings, FirstRunKeepsTheDefaultsAndReportsTheMissingKey) {
  EXPECT_EQ(KVTR_REG_LoadSettings(&prefs_), ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(same(prefs_, defaults_over_pages(11, 22)));
}

TEST_F(RegistrySettings, SaveWritesTheTwentyTwoByteImageAsBinary) {
  ASSERT_EQ(KVTR_REG_SaveSettings(&kImageRecord), ERROR_SUCCESS);
  std::vector<BYTE> stored;
  DWORD type = REG_NONE;
  ASSERT_TRUE(standin::registry_read(kKey, kValue, &stored, &type));
  EXPECT_EQ(type, DWORD(REG_BINARY));
  EXPECT_EQ(stored, kImage);
  EXPECT_EQ(standin::registry_open_handles(), 0);
}

struct StoredValue {
  const char* name;
  DWORD type;
  size_t length;          // bytes of kImage (padded with 0xAB beyond it)
  LSTATUS status;
  structUserPrefs expected;
  const char* value_name = kValue;  // another name leaves the key without "UserDialog"
};

TEST_F(RegistrySettings, LoadTakesTheWholeFieldsOfAStoredBinaryValueNoLongerThanTheRecord) {
  const StoredValue cases[] = {
      {"22 bytes (singleSystems 7 survives too)", REG_BINARY, 22, ERROR_SUCCESS, kImageRecord},
      {"23 bytes", REG_BINARY, 23, ERROR_MORE_DATA, defaults_over_pages(11, 22)},
      {"40 bytes", REG_BINARY, 40, ERROR_MORE_DATA, defaults_over_pages(11, 22)},
      {"a string", REG_SZ, 22, ERROR_INVALID_DATA, defaults_over_pages(11, 22)},
      {"empty", REG_BINARY, 0, ERROR_SUCCESS, defaults_over_pages(11, 22)},
      {"one byte", REG_BINARY, 1, ERROR_SUCCESS, defaults_over_pages(11, 22)},
      {"five bytes", REG_BINARY, 5, ERROR_SUCCESS, {1, 5, 22, 0, 0, 0, 0, 2, -32768, -32768, 0}},
      {"sixteen bytes", REG_BINARY, 16, ERROR_SUCCESS, {1, 5, 9, 1, 1, -100, 300, 7, -32768, -32768, 0}},
      {"21 bytes", REG_BINARY, 21, ERROR_SUCCESS, {1, 5, 9, 1, 1, -100, 300, 7, 320, 240, 0}},
      {"no value in the key", REG_BINARY, 22, ERROR_FILE_NOT_FOUND, defaults_over_pages(11, 22), "Other"},
  };
  for (const StoredValue& c : cases) {
    standin::reset();
    std::vector<BYTE> bytes(kImage);
    bytes.resize(c.length, 0xAB);
    standin::registry_write(kKey, c.value_name, c.type, bytes.data(), bytes.size());
    structUserPrefs prefs = prefs_;
    EXPECT_EQ(KVTR_REG_LoadSettings(&prefs), c.status) << c.name;
    EXPECT_TRUE(same(prefs, c.expected)) << c.name;
    EXPECT_EQ(standin::registry_open_handles(), 0) << c.name;
  }
}

TEST_F(RegistrySettings, AFailedSaveReportsTheFirstError) {
  struct Failure {
    int call;  // 1 create the key, 2 write the value, 3 close the key
    LSTATUS error;
  };
  for (const Failure& f : {Failure{1, ERROR_ACCESS_DENIED}, Failure{2, ERROR_CANTWRITE},
                           Failure{3, ERROR_INVALID_HANDLE}}) {
    standin::reset();
    standin::fail_registry_call(f.call, f.error);
    EXPECT_EQ(KVTR_REG_SaveSettings(&kImageRecord), f.error) << "failing call " << f.call;
  }
}

TEST_F(RegistrySettings, NullRecordsTouchNothing) {
  EXPECT_EQ(KVTR_REG_SetDefaults(nullptr), nullptr);
  EXPECT_EQ(KVTR_REG_LoadSettings(nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(KVTR_REG_SaveSettings(nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(standin::registry_call_count(), 0);
}

}  // namespace
