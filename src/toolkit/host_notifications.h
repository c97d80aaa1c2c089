// Host window messages turned into notification events for the registered
// hooks (notify_hooks.h). While at least one hook is registered the toolkit
// subclasses the host's main window (FinaleWindow) and, before the host's own
// procedure handles the message, raises to every hook in registration order:
//   WM_SETTINGCHANGE -> event 1 (the user's language or settings may have changed),
//   WM_ACTIVATEAPP   -> event 5, value and data (a 16-bit value) 1 when the host
//                       becomes active, 0 when it becomes inactive,
//   WM_CLOSE         -> event 52 (the host is closing).
// The previous window procedure is put back when the last hook goes.
#ifndef KV_TOOLKIT_HOST_NOTIFICATIONS_H
#define KV_TOOLKIT_HOST_NOTIFICATIONS_H

#include <cstdint>

constexpr int32_t kFtxEventSettingsChanged = 1;
constexpr int32_t kFtxEventActivation = 5;
constexpr int32_t kFtxEventHostClosing = 52;

// Calls every registered hook with the event. A hook may register or remove
// hooks while it runs; hooks removed before their turn are not called.
void FTX_RaiseNotification(int32_t event, int32_t value, const void* data);

// Subclasses FinaleWindow when it is a window and not yet subclassed (a
// different or vanished window subclassed earlier is let go first).
void FTX_ListenToHostWindow();

// Puts the host window's previous procedure back, when the window still
// exists and its procedure is still the toolkit's.
void FTX_StopListeningToHostWindow();

#endif
