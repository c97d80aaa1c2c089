// The stand-in's control panel: what tests and the simulated host use to set up
// the world the plug-in sees (modules, keys, message-box answers, windows, the
// registry) and to read what it did. Native builds only.
//
// All of the stand-in is process-wide state. reset() returns everything but the
// module table to its start: no windows, an empty registry, no keys down, empty
// logs and scripts, the default OS version (Windows NT 6.2, build 9200),
// screen (1024 x 768) and user-interface language (0x0409). The module table
// outlives reset() because the plug-in's binding cache lives as long as the
// library.
#ifndef KV_PLATFORM_POSIX_TESTING_H
#define KV_PLATFORM_POSIX_TESTING_H

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace standin {

void reset();

// Modules: GetModuleHandleA finds a registered name (case-insensitively),
// GetProcAddress its exports. Registering a name again replaces its exports.
struct ModuleExport {
  const char* name;
  FARPROC address;
};
void register_module(const char* name, const ModuleExport* exports, size_t count);
void unregister_module(const char* name);
// Gives a registered module the resources a compiled resource file (.res, as
// the resource compiler writes it) holds; the bytes are copied.
void register_module_resources(const char* name, const void* res_file, size_t size);

// --- Windows -----------------------------------------------------------------

// Creates a window as CreateWindowExA would: a child when parent is given (rect
// relative to the parent, id as its control id), else a top-level window (rect
// in screen coordinates). `visible` sets or clears WS_VISIBLE in `style`.
HWND create_window(HWND parent, const char* class_name, int id, const char* text, DWORD style,
                   RECT rect, bool visible = true);
// Attaches a dialog procedure (as SetWindowLongPtrA with DWLP_DLGPROC).
void set_dialog_proc(HWND window, DLGPROC proc);
// Follows control ids from root: find_by_id_path(doc, {203, 1016}) is
// GetDlgItem(GetDlgItem(doc, 203), 1016). Null when any step is missing.
HWND find_by_id_path(HWND root, std::initializer_list<int> ids);
// Direct children in window order; a null parent lists the top-level windows.
std::vector<HWND> children(HWND parent);
size_t window_count();
void reset_windows();

// The active child that WM_MDIGETACTIVE on an "MDIClient" window answers.
void set_mdi_active(HWND client, HWND child);

// What control messages stored. Selection and limit of an edit (the
// selection as EM_GETSEL answers it), range and position of an up-down.
struct Selection {
  int start;
  int end;
};
Selection edit_selection(HWND edit);
int edit_limit(HWND edit);
struct UpDownRange {
  int lowest;
  int highest;
};
UpDownRange updown_range(HWND updown);
int updown_position(HWND updown);
// A click on an up-down arrow as Windows handles it: reads the buddy's number
// (UDS_SETBUDDYINT), notifies the parent with UDN_DELTAPOS (a nonzero answer
// cancels), moves the position within the range, writes the buddy's text,
// then sends WM_VSCROLL (WM_HSCROLL for UDS_HORZ) to the parent, with
// SB_THUMBPOSITION and the position, and on release with SB_ENDSCROLL.
void press_updown_arrow(HWND updown, bool up);
// A user click on a button (BM_CLICK): auto check boxes toggle, auto radio
// buttons check themselves and clear the others of their group, and the
// parent receives WM_COMMAND with BN_CLICKED. Disabled buttons ignore it
// (BM_CLICK, a message rather than a person, clicks them all the same).
void click_button(HWND button);
// Types into an edit as a user would: replaces the selection with the text
// (digits only for ES_NUMBER), cut to the text limit, and notifies the parent
// with EN_UPDATE and EN_CHANGE.
void type_text(HWND edit, const char* text);

// A key pressed (with Shift, Ctrl and Alt held as asked) while `dialog` is
// the active window, handled as the dialog manager's keyboard handling does:
// Tab, Enter, Escape, Space, the arrow keys and the accelerator letters
// (dialog_keyboard.cpp says how each acts). `virtual_key` is a VK_ code or an
// upper-case letter or digit.
void press_key(HWND dialog, int virtual_key, bool shift, bool ctrl, bool alt);

// Timers: fire_timer delivers WM_TIMER (or calls the timer's procedure) and
// answers false when no such timer is set.
bool fire_timer(HWND window, UINT_PTR id);
// Moves the simulated clock (GetTickCount) on by `ms`, firing on the way, in
// order of due time, every timer whose period has passed; a timer fires again
// each period. Timers due at the same time fire in the order they were set.
// reset() and reset_windows() start the clock again at 0.
void advance_clock(unsigned ms);
// The period of a timer, 0 when it is not set.
UINT timer_period(HWND window, UINT_PTR id);
// Delivers the messages queued by PostMessageA, in order, including those that
// they post in turn; answers how many were delivered. Messages to windows that
// no longer exist are dropped.
size_t dispatch_posted_messages();

// --- Registry ------------------------------------------------------------------

// Paths below are relative to HKEY_CURRENT_USER ("Software\\KVPlugins\\...").
void clear_registry();
void registry_write(const char* key_path, const char* value_name, DWORD type, const void* data,
                    size_t size);
// False when the key or the value is missing.
bool registry_read(const char* key_path, const char* value_name, std::vector<BYTE>* data,
                   DWORD* type = nullptr);
bool registry_key_exists(const char* key_path);
// Makes the nth registry call from now (1 = the next one) fail with `error`
// without doing anything. 0 cancels.
void fail_registry_call(int nth, LSTATUS error);
// Registry functions called since the last reset or clear_registry.
int registry_call_count();
// Handles handed out and not yet closed.
int registry_open_handles();
// Keeps the whole registry in a text file (one line per key and per value;
// data in hexadecimal). load_registry replaces the registry; both answer
// false when the file cannot be read or written or a line is malformed.
bool save_registry(const char* path);
bool load_registry(const char* path);
// The same text in memory: save_registry_text answers false (text untouched)
// when a value name cannot be kept on one line.
bool save_registry_text(std::string* text);
bool load_registry_text(const std::string& text);

// --- Message boxes and beeps -----------------------------------------------------

struct MessageBoxRecord {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
  int answer;  // what MessageBoxA returned; 0 when the box could not be shown
};
const std::vector<MessageBoxRecord>& message_boxes();
// Answers for the coming boxes, in order; 0 makes a box fail.
void queue_message_box_answer(int answer);
// Called for every box as it is shown (after its answer is chosen).
void set_message_box_observer(std::function<void(const MessageBoxRecord&)> observer);
void clear_message_boxes();

const std::vector<UINT>& beeps();
void queue_beep_result(BOOL result);
void clear_beeps();

// --- Keyboard, OS version, screen ----------------------------------------------

void set_key_down(int virtual_key, bool down = true);
void set_key_toggled(int virtual_key, bool toggled = true);
void clear_keys();

void set_os_version(DWORD platform, DWORD major, DWORD minor, DWORD build = 0);
void set_screen_size(int width, int height);
// The language GetUserDefaultUILanguage answers (0x0409 after reset()).
void set_ui_language(LANGID language);
// The language GetUserDefaultLangID answers (0x0409 after reset()).
void set_default_language(LANGID language);
// Whether the reported Windows version has the system function `name`, for
// those of the stand-in's "KERNEL32.DLL" module that arrived after Windows 95
// and NT 4.
bool system_has_function(const char* name);

}  // namespace standin

#endif
