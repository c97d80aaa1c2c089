#include "sim/finale/show_dialog.h"

#include <cstdio>

#include "sim/host/plugin_session.h"

namespace finale {
namespace {

// Delivers what is queued, dialog messages through the dialog's own handling.
void pump(HWND dialog) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

int show_dialog(sim::Host& host, const char* library, int seconds) {
  sim::PluginSession session(host, library);
  session.version();
  session.init();
  session.enumerate();
  session.invoke();
  HWND dialog = session.dialog();
  if (dialog == nullptr) {
    std::fprintf(stderr, "FINALE.EXE: the plug-in opened no dialog\n");
    return 1;
  }
  pump(dialog);
  RECT r;
  GetWindowRect(dialog, &r);
  std::printf("dialog at %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  std::fflush(stdout);
  const DWORD end = GetTickCount() + DWORD(seconds) * 1000;
  while (session.dialog() != nullptr && int(end - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    pump(dialog);
  }
  session.terminate();
  return 0;
}

}  // namespace finale
