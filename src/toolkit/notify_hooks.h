// The registry of notification hooks: functions that want to hear of host
// events. Kept in order of registration, without duplicates, in an array of
// exactly NotifyHookArrayElements entries (no array when empty). The events
// come from the host's main window while hooks are registered
// (host_notifications.h).
#ifndef KV_TOOLKIT_NOTIFY_HOOKS_H
#define KV_TOOLKIT_NOTIFY_HOOKS_H

#include <cstdint>

// A hook gets the event code, a value and the event's data (may be null).
typedef int32_t (*FTX_NOTIFYHOOK)(int32_t event, int32_t value, const void* data);

extern FTX_NOTIFYHOOK* NotifyHookArray;      // null when no hook is registered
extern int32_t NotifyHookArrayElements;

// add nonzero: registers `hook` last (1; also 1 when it is already registered,
// and nothing changes). add 0: removes it, keeping the others in order (1; 0
// when it is not registered). 0 for a null hook and when the registry's new
// array cannot be allocated; the registry is then unchanged. After every call
// the host's main window is listened to exactly while a hook is registered.
int16_t PDKTOOLS_SetNotifyHook(FTX_NOTIFYHOOK hook, int16_t add);

#endif
