#include "toolkit/host_notifications.h"

#include "platform/win32.h"
#include "globals/toolkit_globals.h"
#include "toolkit/notify_hooks.h"

namespace {

HWND subclassed_window = nullptr;
WNDPROC previous_procedure = nullptr;

LRESULT CALLBACK host_window_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Kept before the hooks run: the last hook may go, and the subclass with it.
  const WNDPROC previous = previous_procedure;
  switch (message) {
    case WM_SETTINGCHANGE:
      FTX_RaiseNotification(kFtxEventSettingsChanged, 0, nullptr);
      break;
    case WM_ACTIVATEAPP: {
      const int16_t active = wParam != 0 ? 1 : 0;
      FTX_RaiseNotification(kFtxEventActivation, active, &active);
      break;
    }
    case WM_CLOSE:
      FTX_RaiseNotification(kFtxEventHostClosing, 0, nullptr);
      break;
    default:
      break;
  }
  if (previous == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

WNDPROC current_procedure(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

}  // namespace

void FTX_RaiseNotification(int32_t event, int32_t value, const void* data) {
  // The array is read afresh for each hook: a hook that changes the registry
  // replaces it.
  for (int32_t i = 0; i < NotifyHookArrayElements; ++i) NotifyHookArray[i](event, value, data);
}

void FTX_ListenToHostWindow() {
  if (subclassed_window != nullptr && subclassed_window == FinaleWindow && IsWindow(subclassed_window))
    return;
  FTX_StopListeningToHostWindow();
  if (FinaleWindow == nullptr || !IsWindow(FinaleWindow)) return;
  previous_procedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      FinaleWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&host_window_procedure)));
  subclassed_window = FinaleWindow;
}

void FTX_StopListeningToHostWindow() {
  if (subclassed_window != nullptr && IsWindow(subclassed_window) &&
      current_procedure(subclassed_window) == &host_window_procedure)
    SetWindowLongPtrA(subclassed_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_procedure));
  subclassed_window = nullptr;
  previous_procedure = nullptr;
}
