// The module table that plays the loader for the host executable.
#include <gtest/gtest.h>

#include "platform/posix/testing.h"

namespace {

LONG_PTR first_export() { return 1; }
LONG_PTR second_export() { return 2; }

TEST(ModuleTable, FindsRegisteredExportsByNameIgnoringTheModuleNameCase) {
  const standin::ModuleExport exports[] = {{"FX_One", first_export}, {"FX_Two", second_export}};
  standin::register_module("TESTHOST.EXE", exports, 2);
  HMODULE module = GetModuleHandleA("testhost.exe");
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetProcAddress(module, "FX_Two"), FARPROC(second_export));
  EXPECT_EQ(GetProcAddress(module, "fx_two"), nullptr) << "export names keep their case";
  EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(1)), nullptr) << "no ordinals";
  EXPECT_EQ(GetModuleHandleA("OTHER.EXE"), nullptr);
  standin::unregister_module("TESTHOST.EXE");
}

TEST(ModuleTable, KeptHandleOutlivesUnregisteringAndComesBack) {
  const standin::ModuleExport exports[] = {{"FX_One", first_export}};
  standin::register_module("KEPT.EXE", exports, 1);
  HMODULE kept = GetModuleHandleA("KEPT.EXE");
  standin::unregister_module("KEPT.EXE");
  EXPECT_EQ(GetModuleHandleA("KEPT.EXE"), nullptr);
  EXPECT_EQ(GetProcAddress(kept, "FX_One"), nullptr) << "a kept handle finds nothing";
  const standin::ModuleExport others[] = {{"FX_Two", second_export}};
  standin::register_module("KEPT.EXE", others, 1);
  EXPECT_EQ(GetModuleHandleA("KEPT.EXE"), kept);
  EXPECT_EQ(GetProcAddress(kept, "FX_Two"), FARPROC(second_export));
  EXPECT_EQ(GetProcAddress(kept, "FX_One"), nullptr) << "registering replaces the exports";
  standin::unregister_module("KEPT.EXE");
}

TEST(ModuleTable, ForeignHandleFindsNothing) {
  int not_a_module = 0;
  EXPECT_EQ(GetProcAddress(reinterpret_cast<HMODULE>(&not_a_module), "FX_One"), nullptr);
}

}  // namespace
