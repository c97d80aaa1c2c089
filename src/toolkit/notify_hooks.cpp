#include "toolkit/notify_hooks.h"

#include <new>

#include "toolkit/host_notifications.h"

FTX_NOTIFYHOOK* NotifyHookArray = nullptr;
int32_t NotifyHookArrayElements = 0;

namespace {

bool is_registered(FTX_NOTIFYHOOK hook) {
  for (int32_t i = 0; i < NotifyHookArrayElements; ++i) {
    if (NotifyHookArray[i] == hook) return true;
  }
  return false;
}

void replace_registry(FTX_NOTIFYHOOK* hooks, int32_t count) {
  delete[] NotifyHookArray;
  NotifyHookArray = hooks;
  NotifyHookArrayElements = count;
}

int16_t add_hook(FTX_NOTIFYHOOK hook) {
  if (is_registered(hook)) return 1;
  FTX_NOTIFYHOOK* hooks = new (std::nothrow) FTX_NOTIFYHOOK[NotifyHookArrayElements + 1];
  if (hooks == nullptr) return 0;
  for (int32_t i = 0; i < NotifyHookArrayElements; ++i) hooks[i] = NotifyHookArray[i];
  hooks[NotifyHookArrayElements] = hook;
  replace_registry(hooks, NotifyHookArrayElements + 1);
  return 1;
}

int16_t remove_hook(FTX_NOTIFYHOOK hook) {
  if (!is_registered(hook)) return 0;
  if (NotifyHookArrayElements == 1) {
    replace_registry(nullptr, 0);
    return 1;
  }
  FTX_NOTIFYHOOK* hooks = new (std::nothrow) FTX_NOTIFYHOOK[NotifyHookArrayElements - 1];
  if (hooks == nullptr) return 0;
  int32_t kept = 0;
  for (int32_t i = 0; i < NotifyHookArrayElements; ++i) {
    if (NotifyHookArray[i] != hook) hooks[kept++] = NotifyHookArray[i];
  }
  replace_registry(hooks, kept);
  return 1;
}

}  // namespace

int16_t PDKTOOLS_SetNotifyHook(FTX_NOTIFYHOOK hook, int16_t add) {
  if (hook == nullptr) return 0;
  const int16_t done = add != 0 ? add_hook(hook) : remove_hook(hook);
  if (NotifyHookArrayElements > 0)
    FTX_ListenToHostWindow();
  else
    FTX_StopListeningToHostWindow();
  return done;
}
