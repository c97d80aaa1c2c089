// The host's plug-in menu driving a small test plug-in of its own: entry
// points called in order with the host's arguments, menu records decoded,
// missing pieces reported, and the plug-in's dialog made by FX_Dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/posix/testing.h"
#include "sim/host/plugin_session.h"
#include "support/host_call.h"
#include "support/sim_host_fixture.h"
#include "ui/respacing_dialog_ids.h"

extern const unsigned char kvPluginResourceFile[];
extern const size_t kvPluginResourceFileSize;

namespace {

std::vector<std::string> calls;
HWND invoke_window = nullptr;
int32_t menu_status = 1;

INT_PTR CALLBACK test_dialog_proc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

uint32_t WINAPI test_version(uint32_t host_version) {
  calls.push_back("Version " + std::to_string(host_version));
  return 0x0F000200u;
}
int32_t WINAPI test_init(HWND window, uint32_t* flags) {
  calls.push_back(std::string("Init ") + (window == sim::installed_host()->main_window() ? "main" : "other"));
  *flags = 1;
  return 1;
}
// Two items: the first with every field used, the second with a text that fills its 64 bytes.
int32_t WINAPI test_enumerate(intptr_t, int16_t index, void* record) {
  calls.push_back("Enumerate " + std::to_string(index));
  if (index > 1) return 0;
  auto* bytes = static_cast<unsigned char*>(record);
  if (index == 0) {
    std::strcpy(reinterpret_cast<char*>(bytes), "Test &Item...");
    std::strcpy(reinterpret_cast<char*>(bytes + 64), "Item");
    std::strcpy(reinterpret_cast<char*>(bytes + 128), "Test Item");
    bytes[192] = 0x34, bytes[193] = 0x12, bytes[194] = 0xFE, bytes[195] = 0xFF;
  } else {
    std::memset(bytes, 'x', 64);
  }
  return 1;
}
int32_t WINAPI test_menu_status(intptr_t) {
  calls.push_back("GetMenuStatus");
  return menu_status;
}
int32_t WINAPI test_invoke(HWND window, intptr_t, intptr_t, intptr_t) {
  calls.push_back("Invoke");
  invoke_window = HWND(call_host("FX_Dialog", IDD_RESPACING, test_dialog_proc, window, 0, 0, 0x0F000200));
  return 1;
}
int32_t WINAPI test_terminate(intptr_t) {
  calls.push_back("Terminate");
  return 0;
}

template <typename Function>
FARPROC as_farproc(Function* f) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(f));
}

const standin::ModuleExport kExports[] = {
    {"FinaleExtensionVersion", as_farproc(test_version)},
    {"FinaleExtensionInit", as_farproc(test_init)},
    {"FinaleExtensionEnumerate", as_farproc(test_enumerate)},
    {"FinaleExtensionGetMenuStatus", as_farproc(test_menu_status)},
    {"FinaleExtensionInvoke", as_farproc(test_invoke)},
    {"FinaleExtensionTerminate", as_farproc(test_terminate)},
};

class PluginSessionTest : public SimHostTest {
 protected:
  void SetUp() override {
    SimHostTest::SetUp();
    calls.clear();
    invoke_window = nullptr;
    menu_status = 1;
    standin::register_module("session_test.dll", kExports, std::size(kExports));
    standin::register_module_resources("session_test.dll", kvPluginResourceFile, kvPluginResourceFileSize);
  }
};

TEST_F(PluginSessionTest, EntryPointsAreCalledInTheHostsOrderWithItsArguments) {
  host.set_version_word(0x05000000u);
  sim::PluginSession session(host, "session_test.dll");
  EXPECT_EQ(host.plugin_module(), GetModuleHandleA("session_test.dll"));
  EXPECT_EQ(session.version(), 0x0F000200u);
  EXPECT_EQ(session.init(), 1);
  EXPECT_EQ(session.flags(), 1u);
  const std::vector<sim::MenuItem> items = session.enumerate();
  EXPECT_EQ(session.invoke(), 1);
  EXPECT_EQ(session.terminate(), 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"Version 83886080", "Init main", "Enumerate 0", "Enumerate 1",
                                             "Enumerate 2", "GetMenuStatus", "Invoke", "Terminate"}));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, "Test &Item...");
  EXPECT_EQ(items[0].short_name, "Item");
  EXPECT_EQ(items[0].full_name, "Test Item");
  EXPECT_EQ(items[0].word192, 0x1234);
  EXPECT_EQ(items[0].word194, -2);
  EXPECT_EQ(items[1].text, std::string(64, 'x')) << "a text without NUL ends with its field";
  EXPECT_EQ(items[1].short_name, "");
}

TEST_F(PluginSessionTest, InvokeOpensTheDialogThatDialogFollows) {
  sim::PluginSession session(host, "session_test.dll");
  EXPECT_EQ(session.dialog(), nullptr);
  session.invoke();
  ASSERT_NE(invoke_window, nullptr);
  EXPECT_EQ(session.dialog(), invoke_window);
  EXPECT_EQ(GetWindow(invoke_window, GW_OWNER), host.main_window());
  call_host("FX_EndDialog", invoke_window, 0x0F000200);
  EXPECT_EQ(session.dialog(), nullptr);
}

TEST_F(PluginSessionTest, ADisabledMenuItemIsNotInvoked) {
  menu_status = 0;
  sim::PluginSession session(host, "session_test.dll");
  EXPECT_EQ(session.invoke(), 0);
  EXPECT_EQ(calls, std::vector<std::string>{"GetMenuStatus"});
}

TEST_F(PluginSessionTest, MissingLibrariesAndEntryPointsAreNamed) {
  try {
    sim::PluginSession session(host, "absent.dll");
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("absent.dll"), std::string::npos) << e.what();
  }
  standin::register_module("partial.dll", kExports, 4);  // no Invoke, no Terminate
  try {
    sim::PluginSession session(host, "partial.dll");
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("FinaleExtensionInvoke"), std::string::npos) << e.what();
  }
  EXPECT_EQ(host.plugin_module(), nullptr);
}

TEST_F(PluginSessionTest, EndingTheSessionForgetsTheModule) {
  { sim::PluginSession session(host, "session_test.dll"); }
  EXPECT_EQ(host.plugin_module(), nullptr);
  EXPECT_EQ(call_host("FX_Dialog", IDD_RESPACING, test_dialog_proc, host.main_window(), 0, 0, 0x0F000200), 0)
      << "without a plug-in module there is no template";
}

}  // namespace
