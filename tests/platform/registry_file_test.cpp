// Keeping the registry in a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/posix/testing.h"

namespace {

std::string temp_path(const char* name) {
  return testing::TempDir() + name;
}

TEST(RegistryFile, SavedRegistryLoadsBackWithNamesAndBytes) {
  standin::reset();
  const BYTE record[] = {0x00, 0x80, 0xFF, 0x0A, 0x09};
  standin::registry_write("Software\\KVPlugins\\KVDunvaro104", "UserDialog", REG_BINARY, record,
                          sizeof record);
  standin::registry_write("Software\\Empty Key", "with space\tand tab", REG_SZ, "x", 2);
  const std::string path = temp_path("registry_roundtrip.txt");
  ASSERT_TRUE(standin::save_registry(path.c_str()));
  std::string text;
  ASSERT_TRUE(standin::save_registry_text(&text));
  std::ifstream file(path, std::ios::binary);
  EXPECT_EQ(text, std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
  EXPECT_EQ(text.find("key\tHKEY_CURRENT_USER\\Software\n"), std::string::npos) << "implied by the keys below";
  standin::clear_registry();
  ASSERT_TRUE(standin::load_registry(path.c_str()));
  std::vector<BYTE> data;
  DWORD type = 0;
  ASSERT_TRUE(standin::registry_read("Software\\KVPlugins\\KVDunvaro104", "UserDialog", &data, &type));
  EXPECT_EQ(data, std::vector<BYTE>(record, record + sizeof record));
  EXPECT_EQ(type, DWORD(REG_BINARY));
  ASSERT_TRUE(standin::registry_read("Software\\Empty Key", "with space\tand tab", &data, &type));
  EXPECT_EQ(type, DWORD(REG_SZ));
  std::remove(path.c_str());
}

TEST(RegistryFile, VolatileKeysAreNotSaved) {
  standin::reset();
  standin::registry_write("Software", "kept", REG_BINARY, nullptr, 0);
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Session", 0, nullptr, REG_OPTION_VOLATILE,
                  KEY_WRITE, nullptr, &key, nullptr);
  RegCloseKey(key);
  // A key whose only subkey is volatile is kept, with no key below to imply it.
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Holder", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegCloseKey(key);
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Holder\\Session", 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE,
                  nullptr, &key, nullptr);
  RegCloseKey(key);
  const std::string path = temp_path("registry_volatile.txt");
  ASSERT_TRUE(standin::save_registry(path.c_str()));
  standin::clear_registry();
  ASSERT_TRUE(standin::load_registry(path.c_str()));
  EXPECT_TRUE(standin::registry_key_exists("Software"));
  EXPECT_FALSE(standin::registry_key_exists("Software\\Session"));
  EXPECT_TRUE(standin::registry_key_exists("Software\\Holder"));
  EXPECT_FALSE(standin::registry_key_exists("Software\\Holder\\Session"));
  std::remove(path.c_str());
}

TEST(RegistryFile, MalformedFileLeavesTheRegistryAsItWas) {
  standin::reset();
  const BYTE one[] = {1};
  standin::registry_write("Software\\Kept", "v", REG_BINARY, one, 1);
  const std::string path = temp_path("registry_bad.txt");
  const char* bad_files[] = {
      "key\tHKEY_CURRENT_USER\\A\nvalue\t3\t0g\tv\n",
      "value\t3\t00\tv\n",
      "key\tHKEY_NOWHERE\\A\n",
      "nonsense\n",
      "key\tHKEY_CURRENT_USER\\A\nvalue\t3\t00\tv\r\n",  // a name that could not be saved again
  };
  for (const char* content : bad_files) {
    std::ofstream(path) << content;
    EXPECT_FALSE(standin::load_registry(path.c_str())) << content;
    EXPECT_TRUE(standin::registry_read("Software\\Kept", "v", nullptr)) << content;
  }
  EXPECT_FALSE(standin::load_registry((path + ".missing").c_str()));
  std::remove(path.c_str());
}

}  // namespace
