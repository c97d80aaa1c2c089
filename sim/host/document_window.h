// The host's windows as the plug-in finds them in the window tree: the main
// window, its "MDIClient" child whose active child is the document window,
// and inside the document window the view bar (control 203) with the page
// view marker (1016, visible only in page view) and the page box (1005, the
// number of the page shown). The document window also holds the music view,
// the window the window-information record names.
//
// The windows live in the Win32 stand-in's window tree, which tests may reset
// at any time; ensure() builds them again when they are gone.
#ifndef SIM_HOST_DOCUMENT_WINDOW_H
#define SIM_HOST_DOCUMENT_WINDOW_H

#include <cstdint>

#include "platform/win32.h"

namespace sim {

// What the user sees in the host's document window.
struct DocumentView {
  bool document_open = true;  // false: no document window is active
  bool page_view = true;      // page view, or scroll view
  int16_t current_page = 1;   // the page shown
};

constexpr int kViewBarId = 203;
constexpr int kPageViewMarkerId = 1016;
constexpr int kPageBoxId = 1005;
constexpr int kMusicViewId = 1;

class DocumentWindows {
 public:
  DocumentWindows() = default;
  DocumentWindows(const DocumentWindows&) = delete;
  DocumentWindows& operator=(const DocumentWindows&) = delete;
  ~DocumentWindows() {
    if (exist()) DestroyWindow(main_);
  }

  // Builds the windows if they do not exist (any more) and shows `view` in them.
  void ensure(const DocumentView& view);
  // Shows `view` in existing windows; does nothing when there are none.
  void show(const DocumentView& view);

  HWND main_window() const { return main_; }
  HWND mdi_client() const { return client_; }
  HWND document() const { return document_; }
  HWND music_view() const { return music_; }

 private:
  bool exist() const { return main_ != nullptr && IsWindow(main_) && IsWindow(document_) && IsWindow(page_box_); }
  HWND main_ = nullptr;
  HWND client_ = nullptr;
  HWND document_ = nullptr;
  HWND music_ = nullptr;
  HWND marker_ = nullptr;
  HWND page_box_ = nullptr;
};

}  // namespace sim

#endif
