// Registry values as the settings are stored: types and sizes answered by
// RegQueryValueExA, with and without a buffer, and a buffer too small.
#include <gtest/gtest.h>

#include <cstring>

#include "conformance/conformance_windows.h"

namespace {

const char kKey[] = "Software\\KVPlugins\\ConformanceTest";

class Win32RegistryValues : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  HKEY key_ = nullptr;
};

TEST_F(Win32RegistryValues, QueryAnswersTypeAndSizeOfEachKindOfValue) {
  const BYTE settings[22] = {1, 0, 2, 0, 3, 0, 0xFF, 0x7F, 0, 0x80};
  const DWORD number = 0x01020304;
  const char text[] = "Dunvaro";
  ASSERT_EQ(RegSetValueExA(key_, "UserDialog", 0, REG_BINARY, settings, sizeof settings), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key_, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExA(key_, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text), ERROR_SUCCESS);
  const struct {
    const char* name;
    DWORD type;
    DWORD size;
  } cases[] = {{"UserDialog", REG_BINARY, 22}, {"Number", REG_DWORD, 4}, {"Text", REG_SZ, 8}};
  for (const auto& c : cases) {
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(key_, c.name, nullptr, &type, nullptr, &size), ERROR_SUCCESS) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(size, c.size) << c.name;
  }
  BYTE read[64];
  DWORD size = sizeof read;
  ASSERT_EQ(RegQueryValueExA(key_, "UserDialog", nullptr, nullptr, read, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 22u);
  EXPECT_EQ(std::memcmp(read, settings, 22), 0);
}

TEST_F(Win32RegistryValues, ABufferTooSmallAnswersMoreDataAndTheSizeNeeded) {
  const BYTE settings[22] = {};
  ASSERT_EQ(RegSetValueExA(key_, "UserDialog", 0, REG_BINARY, settings, sizeof settings), ERROR_SUCCESS);
  BYTE read[20];
  DWORD size = sizeof read;
  EXPECT_EQ(RegQueryValueExA(key_, "UserDialog", nullptr, nullptr, read, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 22u);
}

TEST_F(Win32RegistryValues, AMissingValueOrKeyAnswersFileNotFound) {
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExA(key_, "Absent", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  HKEY other = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\KVPlugins\\NoSuchKey", 0, KEY_READ, &other),
            ERROR_FILE_NOT_FOUND);
}

}  // namespace
