// Dialogs built from templates: the respacing dialog's template, compiled
// from the plug-in's resource script, against the control table it must
// produce, and the Windows behaviours of dialog creation.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "platform/posix/testing.h"
#include "support/received_message.h"
#include "ui/respacing_dialog_ids.h"

extern const unsigned char kvPluginResourceFile[];
extern const size_t kvPluginResourceFileSize;

namespace {

std::vector<ReceivedMessage> received;

INT_PTR CALLBACK recording_proc(HWND, UINT msg, WPARAM wp, LPARAM lp) {
  received.push_back({msg, wp, lp});
  return msg == WM_INITDIALOG ? TRUE : FALSE;
}

// 8-point MS Sans Serif at 96 dpi: 6 x 13 base units. Rounded to nearest, halves up.
int px_x(int units) { return (units * 6 + 2) / 4; }
int px_y(int units) { return (units * 13 + 4) / 8; }

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kUpDown = UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;

struct ExpectedControl {
  int id;
  const char* class_name;
  const char* text;
  DWORD style;
  int x, y, cx, cy;
};

// The respacing dialog's controls in template order, written out from its design.
const ExpectedControl kRespacingControls[] = {
    {101, "Button", "Process range", BS_GROUPBOX | BS_LEFT, 3, 6, 96, 73},
    {102, "Button", "&Current page", BS_AUTORADIOBUTTON | BS_LEFT | WS_GROUP | WS_TABSTOP, 13, 15, 84, 10},
    {103, "Button", "&All pages", BS_AUTORADIOBUTTON | BS_LEFT, 13, 26, 84, 10},
    {104, "Button", "Si&ngle page", BS_AUTORADIOBUTTON | BS_LEFT, 13, 37, 84, 10},
    {105, "Button", "&Selected pages", BS_AUTORADIOBUTTON | BS_LEFT, 13, 48, 84, 10},
    {106, "Edit", "", ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 11, 63, 26, 12},
    {107, "msctls_updown32", "", UDS_SETBUDDYINT | kUpDown, 31, 51, 10, 14},
    {108, "Static", "to", SS_CENTER, 39, 65, 17, 8},
    {109, "Edit", "", ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 59, 63, 26, 12},
    {110, "msctls_updown32", "", UDS_SETBUDDYINT | kUpDown, 81, 52, 10, 11},
    {111, "Button", "Extra page margins", BS_GROUPBOX | BS_LEFT, 104, 6, 90, 46},
    {112, "Static", "&Top:", SS_LEFT, 111, 20, 31, 8},
    {113, "Edit", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 148, 18, 32, 12},
    {114, "msctls_updown32", "", kUpDown, 160, 18, 10, 11},
    {115, "Static", "&Bottom:", SS_LEFT, 111, 35, 31, 8},
    {116, "Edit", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 148, 32, 32, 12},
    {117, "msctls_updown32", "", kUpDown, 160, 32, 10, 11},
    {118, "Button", "Multiple systems", BS_GROUPBOX | BS_LEFT, 3, 81, 117, 48},
    {119, "Button", "&Keep topmost system still", BS_AUTOCHECKBOX | BS_LEFT | WS_TABSTOP, 8, 92, 106, 10},
    {120, "Button", "&Include existing gaps in calc.", BS_AUTOCHECKBOX | BS_LEFT | WS_TABSTOP, 8, 103, 106, 10},
    {121, "Button", "Co&mpact", BS_AUTOCHECKBOX | WS_TABSTOP, 8, 114, 106, 12},
    {122, "Button", "Single systems", BS_GROUPBOX | BS_LEFT, 124, 61, 70, 68},
    {123, "Button", "&Leave alone", BS_AUTORADIOBUTTON | BS_LEFT | WS_GROUP | WS_TABSTOP, 131, 73, 57, 10},
    {124, "Button", "To&p", BS_AUTORADIOBUTTON | BS_LEFT, 131, 86, 57, 10},
    {125, "Button", "C&enter", BS_AUTORADIOBUTTON | BS_LEFT, 131, 100, 57, 10},
    {126, "Button", "B&ottom", BS_AUTORADIOBUTTON | BS_LEFT, 131, 114, 57, 10},
    {1, "Button", "Apply", BS_DEFPUSHBUTTON | WS_TABSTOP, 45, 133, 50, 14},
    {8, "Button", "Close", BS_PUSHBUTTON | WS_TABSTOP, 104, 133, 50, 14},
};

class DialogCreate : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    received.clear();
    standin::register_module("RESPACING_TEMPLATE.DLL", nullptr, 0);
    standin::register_module_resources("RESPACING_TEMPLATE.DLL", kvPluginResourceFile, kvPluginResourceFileSize);
    module = GetModuleHandleA("RESPACING_TEMPLATE.DLL");
    owner = standin::create_window(nullptr, "Frame", 0, "Host", WS_OVERLAPPEDWINDOW, RECT{100, 50, 900, 650});
  }
  HWND open(LPARAM param = 0) {
    return CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_RESPACING), owner, recording_proc, param);
  }
  HMODULE module = nullptr;
  HWND owner = nullptr;
};

TEST_F(DialogCreate, TheRespacingTemplateBuildsItsControlsInOrder) {
  HWND dialog = open();
  ASSERT_NE(dialog, nullptr);
  RECT frame;
  GetWindowRect(dialog, &frame);
  const std::vector<HWND> controls = standin::children(dialog);
  ASSERT_EQ(controls.size(), std::size(kRespacingControls));
  for (size_t i = 0; i < controls.size(); ++i) {
    const ExpectedControl& e = kRespacingControls[i];
    SCOPED_TRACE("control " + std::to_string(e.id));
    HWND c = controls[i];
    char text[64], class_name[64];
    GetWindowTextA(c, text, sizeof text);
    GetClassNameA(c, class_name, sizeof class_name);
    EXPECT_EQ(GetDlgCtrlID(c), e.id);
    EXPECT_STREQ(class_name, e.class_name);
    EXPECT_STREQ(text, e.text);
    EXPECT_EQ(DWORD(GetWindowLongA(c, GWL_STYLE)), kChild | e.style);
    RECT r;
    GetWindowRect(c, &r);
    EXPECT_EQ(r.left - frame.left, px_x(e.x));
    EXPECT_EQ(r.top - frame.top, px_y(e.y));
    EXPECT_EQ(r.right - r.left, px_x(e.cx));
    EXPECT_EQ(r.bottom - r.top, px_y(e.cy));
  }
}

TEST_F(DialogCreate, TheDialogIsAVisibleCaptionedPopupOwnedByTheHostWindow) {
  HWND dialog = open();
  char text[64], class_name[16];
  GetWindowTextA(dialog, text, sizeof text);
  GetClassNameA(dialog, class_name, sizeof class_name);
  EXPECT_STREQ(text, "KV Dunvaro  v 1.20");
  EXPECT_STREQ(class_name, "#32770");
  EXPECT_EQ(DWORD(GetWindowLongA(dialog, GWL_STYLE)), DWORD(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                                            WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT));
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(GetActiveWindow(), dialog);
  RECT r;
  GetWindowRect(dialog, &r);
  // 20, 40, 198 x 151 dialog units from the owner's client origin (100, 50).
  EXPECT_EQ(r.left, 100 + 30);
  EXPECT_EQ(r.top, 50 + 65);
  EXPECT_EQ(r.right - r.left, 297);
  EXPECT_EQ(r.bottom - r.top, 245);
}

TEST_F(DialogCreate, UpDownsTakeThePrecedingEditAsBuddy) {
  HWND dialog = open();
  const int pairs[][2] = {{107, 106}, {110, 109}, {114, 113}, {117, 116}};
  for (const auto& pair : pairs)
    EXPECT_EQ(HWND(SendDlgItemMessageA(dialog, pair[0], UDM_GETBUDDY, 0, 0)), GetDlgItem(dialog, pair[1]))
        << "up-down " << pair[0];
}

TEST_F(DialogCreate, InitDialogReachesTheProcedureWithTheParamAndTheFirstTabStop) {
  HWND dialog = open(1234);
  ASSERT_NE(dialog, nullptr);
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received[0].msg, UINT(WM_INITDIALOG)) << "nothing reaches the procedure before WM_INITDIALOG";
  EXPECT_EQ(received[0].lp, 1234);
  EXPECT_EQ(HWND(received[0].wp), GetDlgItem(dialog, IDC_CURRENT_PAGE));
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_CURRENT_PAGE)) << "TRUE from WM_INITDIALOG sets the focus";
}

TEST_F(DialogCreate, MissingTemplatesAndForeignModulesGiveNoDialog) {
  EXPECT_EQ(CreateDialogParamA(module, MAKEINTRESOURCEA(999), owner, recording_proc, 0), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_RESOURCE_NAME_NOT_FOUND));
  int not_a_module = 0;
  EXPECT_EQ(CreateDialogParamA(reinterpret_cast<HMODULE>(&not_a_module), MAKEINTRESOURCEA(IDD_RESPACING), owner,
                               recording_proc, 0),
            nullptr);
  EXPECT_TRUE(received.empty());
}

TEST_F(DialogCreate, ACutResourceFileGivesNoDialogOrTheWholeOne) {
  // Every shorter image: the template is the file's last entry, so a cut gives
  // no dialog, except a cut in the padding after it. Nothing reads past the bytes.
  for (size_t size = 0; size < kvPluginResourceFileSize; ++size) {
    standin::register_module_resources("RESPACING_TEMPLATE.DLL", kvPluginResourceFile, size);
    HWND dialog = open();
    if (dialog == nullptr) continue;
    EXPECT_EQ(standin::children(dialog).size(), std::size(kRespacingControls)) << size;
    DestroyWindow(dialog);
  }
}

// A template in memory: DIALOG with no font (system font, 8 x 16 base units),
// one push button; and the same bytes marked as DLGTEMPLATEEX.
struct alignas(4) SmallTemplate {
  WORD words[40];
};

SmallTemplate small_template() {
  SmallTemplate t{};
  const WORD bytes[] = {
      // style WS_POPUP (0x80000000), ex style 0, 1 item, x 10 y 20 cx 100 cy 50
      0x0000, 0x8000, 0, 0, 1, 10, 20, 100, 50,
      0, 0, 'H', 'i', 0,  // no menu, standard class, caption "Hi"; the item starts at byte 28
      // item: style WS_CHILD|WS_VISIBLE|BS_PUSHBUTTON, ex style 0, x 3 y 5 cx 7 cy 9, id 42
      0x0000, 0x5000, 0, 0, 3, 5, 7, 9, 42,
      0xFFFF, 0x0080, 'O', 'K', 0, 0};  // class Button, text "OK", no creation data
  std::copy(std::begin(bytes), std::end(bytes), t.words);
  return t;
}

TEST_F(DialogCreate, InMemoryTemplatesUseTheSystemFontAndRefuseTheExtendedForm) {
  SmallTemplate t = small_template();
  HWND dialog = CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(&t), nullptr, recording_proc, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsWindowVisible(dialog)) << "without WS_VISIBLE the dialog stays hidden";
  HWND ok = GetDlgItem(dialog, 42);
  ASSERT_NE(ok, nullptr);
  RECT frame, button;
  GetWindowRect(dialog, &frame);
  GetWindowRect(ok, &button);
  EXPECT_EQ(frame.left, 20);   // 10 * 8 / 4
  EXPECT_EQ(frame.top, 40);    // 20 * 16 / 8
  EXPECT_EQ(button.left - frame.left, 6);
  EXPECT_EQ(button.bottom - button.top, 18);  // 9 * 16 / 8
  RECT mapped{4, 8, 10, 12};
  ASSERT_TRUE(MapDialogRect(dialog, &mapped));
  EXPECT_EQ(mapped.left, 8);
  EXPECT_EQ(mapped.bottom, 24);

  t.words[0] = 1;  // dlgVer 1, signature 0xFFFF: DLGTEMPLATEEX
  t.words[1] = 0xFFFF;
  EXPECT_EQ(CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(&t), nullptr, recording_proc, 0),
            nullptr);
}

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
  const int cases[][4] = {
      // number, numerator, denominator, result
      {13, 6, 4, 20},  {63, 13, 8, 102}, {151, 13, 8, 245}, {-13, 6, 4, -20},
      {5, 1, -2, -3},  {7, 1, 0, -1},    {0x40000000, 4, 1, -1}};
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c[0], c[1], c[2]), c[3]) << c[0] << "*" << c[1] << "/" << c[2];
}

}  // namespace
