// The in-memory registry: keys, values, sizes, access and injected failures.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/posix/testing.h"

namespace {

const char kKey[] = "Software\\KVPlugins\\KVDunvaro104";

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { standin::reset(); }
  HKEY create(REGSAM access = KEY_ALL_ACCESS) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    return key;
  }
};

TEST_F(Registry, CreateOpensAnExistingKeyAndReportsWhich) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "software\\kvplugins\\KVDUNVARO104", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY)) << "names ignore case";
  RegCloseKey(key);
  EXPECT_TRUE(standin::registry_key_exists("Software\\KVPlugins"));
  EXPECT_EQ(standin::registry_open_handles(), 0);
}

TEST_F(Registry, OpeningAMissingKeyFailsWithFileNotFound) {
  HKEY key = reinterpret_cast<HKEY>(1);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, nullptr);
  EXPECT_EQ(standin::registry_open_handles(), 0);
}

TEST_F(Registry, QueryFollowsTheSizeInSizeOutRules) {
  const BYTE record[22] = {3, 0, 1, 0, 0x0F, 0x27};
  standin::registry_write(kKey, "UserDialog", REG_BINARY, record, sizeof record);
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
  struct Case {
    const char* name;
    bool with_buffer;
    bool with_size;
    DWORD size_in;
    LSTATUS status;
    DWORD size_out;
  };
  const Case cases[] = {
      {"exact buffer", true, true, 22, ERROR_SUCCESS, 22},
      {"larger buffer", true, true, 40, ERROR_SUCCESS, 22},
      {"buffer too small", true, true, 21, ERROR_MORE_DATA, 22},
      {"empty buffer", true, true, 0, ERROR_MORE_DATA, 22},
      {"size only", false, true, 0, ERROR_SUCCESS, 22},
      {"buffer without size", true, false, 0, ERROR_INVALID_PARAMETER, 0},
      {"neither", false, false, 0, ERROR_SUCCESS, 0},
  };
  for (const Case& c : cases) {
    BYTE buffer[40];
    std::memset(buffer, 0xEE, sizeof buffer);
    DWORD size = c.size_in, type = 0;
    LSTATUS status = RegQueryValueExA(key, "UserDialog", nullptr, &type,
                                      c.with_buffer ? buffer : nullptr, c.with_size ? &size : nullptr);
    EXPECT_EQ(status, c.status) << c.name;
    if (c.with_size) {
      EXPECT_EQ(size, c.size_out) << c.name;
    }
    if (status == ERROR_SUCCESS && c.with_buffer) {
      EXPECT_EQ(std::memcmp(buffer, record, sizeof record), 0) << c.name;
      EXPECT_EQ(type, DWORD(REG_BINARY)) << c.name;
    }
    if (status == ERROR_MORE_DATA) {
      EXPECT_EQ(buffer[0], 0xEE) << c.name << ": the buffer is left alone";
    }
  }
  EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, nullptr, nullptr, nullptr),
            ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
}

TEST_F(Registry, SetValueStoresTypeAndBytes) {
  HKEY key = create(KEY_WRITE);
  const BYTE data[] = {1, 2, 3};
  EXPECT_EQ(RegSetValueExA(key, "UserDialog", 0, REG_BINARY, data, sizeof data), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "Zero", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "Bad", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);
  RegCloseKey(key);
  std::vector<BYTE> stored;
  DWORD type = 0;
  ASSERT_TRUE(standin::registry_read(kKey, "userdialog", &stored, &type));
  EXPECT_EQ(stored, (std::vector<BYTE>{1, 2, 3}));
  EXPECT_EQ(type, DWORD(REG_BINARY));
  ASSERT_TRUE(standin::registry_read(kKey, "Zero", &stored));
  EXPECT_TRUE(stored.empty());
  EXPECT_FALSE(standin::registry_read(kKey, "Bad", &stored));
}

TEST_F(Registry, HandlesAllowOnlyWhatTheyWereOpenedFor) {
  HKEY writer = create(KEY_WRITE);
  const BYTE data[] = {9};
  RegSetValueExA(writer, "v", 0, REG_BINARY, data, 1);
  DWORD size = 1;
  BYTE out = 0;
  EXPECT_EQ(RegQueryValueExA(writer, "v", nullptr, nullptr, &out, &size), ERROR_ACCESS_DENIED);
  RegCloseKey(writer);
  HKEY reader = nullptr;
  RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &reader);
  EXPECT_EQ(RegSetValueExA(reader, "v", 0, REG_BINARY, data, 1), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteValueA(reader, "v"), ERROR_ACCESS_DENIED);
  RegCloseKey(reader);
}

TEST_F(Registry, ClosedOrUnknownHandlesAreInvalid) {
  HKEY key = create();
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExA(key, "v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS) << "predefined keys close quietly";
}

TEST_F(Registry, DeletingValuesAndKeys) {
  HKEY key = create();
  const BYTE data[] = {1};
  RegSetValueExA(key, "v", 0, REG_BINARY, data, 1);
  EXPECT_EQ(RegDeleteValueA(key, "V"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(key, "v"), ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KVPlugins"), ERROR_ACCESS_DENIED)
      << "a key with subkeys stays";
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, kKey), ERROR_SUCCESS);
  EXPECT_FALSE(standin::registry_key_exists(kKey));
  EXPECT_TRUE(standin::registry_key_exists("Software\\KVPlugins"));
}

TEST_F(Registry, BadPathsAreRejected) {
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "\\Software", 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_BAD_PATHNAME);
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "A\\\\B", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                            nullptr),
            ERROR_BAD_PATHNAME);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(Registry, NthCallFailsWithTheChosenErrorAndDoesNothing) {
  for (int nth = 1; nth <= 3; ++nth) {
    standin::reset();
    standin::fail_registry_call(nth, ERROR_ACCESS_DENIED);
    HKEY key = nullptr;
    const BYTE data[] = {7};
    LSTATUS statuses[3] = {
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
        RegSetValueExA(key, "v", 0, REG_BINARY, data, 1), RegCloseKey(key)};
    EXPECT_EQ(statuses[nth - 1], ERROR_ACCESS_DENIED) << "call " << nth;
    EXPECT_EQ(standin::registry_call_count(), 3) << "call " << nth;
    EXPECT_EQ(standin::registry_key_exists(kKey), nth != 1) << "call " << nth;
    EXPECT_EQ(standin::registry_read(kKey, "v", nullptr), nth == 3) << "call " << nth;
    EXPECT_EQ(standin::registry_open_handles(), nth == 3 ? 1 : 0) << "call " << nth;
  }
}

}  // namespace
