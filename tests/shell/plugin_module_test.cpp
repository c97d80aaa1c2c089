// The native module must offer exactly the exports the DLL's exports.def lists.
#include "shell/posix/plugin_module.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

std::set<std::string> def_file_exports() {
  const auto def = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "src" /
                   "shell" / "exports.def";
  std::ifstream in(def);
  std::set<std::string> names;
  std::string word;
  while (in >> word)
    if (word != "EXPORTS") names.insert(word);
  return names;
}

TEST(PluginModule, ExportsExactlyWhatExportsDefLists) {
  const std::set<std::string> listed = def_file_exports();
  ASSERT_EQ(listed.size(), 6u);
  std::set<std::string> registered;
  for (size_t i = 0; i < kvPluginModuleExportCount; ++i) registered.insert(kvPluginModuleExports[i].name);
  EXPECT_EQ(registered, listed);
}

TEST(PluginModule, TheLoaderFindsTheEntryPointsAndTheDialogTemplate) {
  HMODULE module = LoadLibraryA("KVDUNVARO.DLL");
  ASSERT_NE(module, nullptr);
  for (const std::string& name : def_file_exports())
    EXPECT_NE(GetProcAddress(module, name.c_str()), nullptr) << name;
  EXPECT_EQ(GetProcAddress(module, "KVTR_UI_UserDialog"), nullptr);
  FreeLibrary(module);
}

}  // namespace
