// The simulated host: the score it holds, its version word, its document
// window, and the behaviour behind each exported FX_ function.
//
// Tests build a Host, set up its score with the setters below, install() it,
// run plug-in code, and read back what the plug-in wrote and which calls it
// made (log()). The exported functions keep their addresses for the whole
// process (the plug-in caches them), so a test switches hosts by installing
// another one; a destroyed host is uninstalled.
#ifndef SIM_HOST_SIM_HOST_H
#define SIM_HOST_SIM_HOST_H

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sim/host/call_log.h"
#include "sim/host/document_window.h"
#include "sim/host/host_faults.h"
#include "sim/score/score.h"

namespace sim {

// A handler gets the call's argument words (exports.h) and answers one word.
using Handler = std::function<FxWord(const Args& args)>;
// Sees every call after the host answered it, while the caller's buffers are
// still as the call left them: the host's name of the function, the argument
// words and the answer.
using CallObserver = std::function<void(const char* function, const Args& args, FxWord result)>;

class Host {
 public:
  Host();
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // The host's version word; its high byte is the host's era (0x05: 2000,
  // 0x0F: 2010). Hosts of 2000 and earlier keep only the old staff-system layout.
  uint32_t version_word() const { return version_word_; }
  void set_version_word(uint32_t word) { version_word_ = word; }

  Score& score() { return score_; }
  const Score& score() const { return score_; }
  RecordStore& records() { return score_.records; }
  CallLog& log() { return log_; }
  const CallLog& log() const { return log_; }
  // Texts shown through FX_AlertMessage, in order.
  const std::vector<std::string>& alerts() const { return alerts_; }
  // Calls to fail (host_faults.h); consulted before each call's behaviour runs.
  HostFaults& faults() { return faults_; }

  // --- Setting up the score (numbers count from 1) ---------------------------
  int16_t add_page(const Page& page = {});  // answers the page's number
  // The system's `page` says which page holds it; systems are numbered in the
  // order they are added, so add them page by page.
  int16_t add_system(const StaffSystem& system);
  void add_staff(int16_t number, bool hidden = false);
  // Replaces list `list` (0: the score's; a system's own list is numbered like
  // the system; -8: the extracted part's; -36..-29).
  void add_instrument_list(int16_t list, std::vector<InstrumentListEntry> entries);
  int16_t add_measure(uint16_t flags = 0);
  void set_definition_counts(const DefinitionCounts& counts) { score_.definitions = counts; }
  void set_extracted_part(bool in_use);
  void set_avoid_collision(bool selected);
  void set_unit(int16_t unit);
  // Pages `from` to the last read firstSystem 0 until a layout update reaches them.
  void mark_not_laid_out(int16_t from = 1);

  // --- Reading what the plug-in left (throw std::out_of_range for a bad number)
  const Page& page(int16_t number) const;
  const StaffSystem& system(int16_t number) const;
  // The first page of every FX_UpdateLayout call, in order.
  const std::vector<int16_t>& layout_updates() const { return layout_updates_; }
  void record_layout_update(int16_t page) { layout_updates_.push_back(page); }

  // --- The document window ----------------------------------------------------
  const DocumentView& view() const { return view_; }
  void set_page_view(bool page_view);
  void set_current_page(int16_t page);
  void set_document_open(bool open);
  // The host's windows in the stand-in's window tree, built on first use.
  DocumentWindows& windows();
  HWND main_window() { return windows().main_window(); }

  // --- The plug-in ------------------------------------------------------------
  // The plug-in's library (PluginSession sets it after LoadLibraryA): FX_Dialog
  // makes dialogs from its resources. Null until a plug-in is loaded.
  HMODULE plugin_module() const { return plugin_module_; }
  void set_plugin_module(HMODULE module) { plugin_module_ = module; }
  // The last dialog FX_Dialog created (it may have been destroyed since).
  HWND last_dialog() const { return last_dialog_; }
  void set_last_dialog(HWND dialog) { last_dialog_ = dialog; }

  // --- Notifications, as Windows and the user raise them at the host's main
  // window (docs/architecture.md says what raises each in a real host) --------
  // WM_SETTINGCHANGE with "intl": the user's language or regional settings changed.
  void raise_language_changed();
  // WM_ACTIVATEAPP: the host becomes the active program (true) or another one does.
  void raise_activation(bool active);
  // WM_CLOSE: the user closes the host. The main window's own handling goes on:
  // it is destroyed, and with it the windows it owns (an open dialog).
  void raise_closing();

  // Replaces the behaviour of one function (by its host name, "FX_LoadEData");
  // restore() brings the built-in one back. Unknown names throw std::invalid_argument.
  void override(const std::string& function, Handler handler);
  void restore(const std::string& function);

  // What the host answers to a call of the export at `index` (exports.h).
  FxWord answer(int index, const Args& args);

  // One observer at a time; an empty function removes it.
  void set_call_observer(CallObserver observer) { observer_ = std::move(observer); }
  const CallObserver& call_observer() const { return observer_; }

  // For the files that give the host its behaviour: sets the built-in handler.
  void set_builtin(const std::string& function, Handler handler);
  void add_alert(std::string text) { alerts_.push_back(std::move(text)); }

 private:
  uint32_t version_word_ = 0x0F000200u;
  Score score_;
  CallLog log_;
  HostFaults faults_;
  std::vector<std::string> alerts_;
  std::vector<int16_t> layout_updates_;
  DocumentView view_;
  DocumentWindows windows_;
  HMODULE plugin_module_ = nullptr;
  HWND last_dialog_ = nullptr;
  std::vector<Handler> builtin_;
  std::vector<Handler> overrides_;
  CallObserver observer_;
};

struct InstallOptions {
  std::string module_name = "FINALE.EXE";
  std::set<std::string> omitted_exports;  // host names the module does not export
};

// Registers the module with every export but the omitted ones, and makes
// `host` the one the exports serve. Modules are never unregistered (the
// plug-in keeps the module handle), so a module registered under another name
// before stays visible. The plug-in binds each function once per process: a
// host that lacks an export is seen as lacking it only by a plug-in that had
// not called that function before, so such tests run in a process of their own.
void install(Host& host, const InstallOptions& options = {});
Host* installed_host();

// The built-in behaviours, one group per file; the Host constructor adds them.
void add_record_functions(Host& host);
void add_message_functions(Host& host);
void add_layout_update_function(Host& host);
void add_window_info_function(Host& host);
void add_dialog_item_functions(Host& host);
void add_measurement_field_functions(Host& host);
void add_dialog_manager_functions(Host& host);

}  // namespace sim

#endif
