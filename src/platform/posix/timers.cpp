// Timers. A timer belongs to a window (or, with no window, to the thread, when
// SetTimer chooses its id) and is identified by its id; setting it again
// replaces its period and procedure. Periods are clamped to 10 ms ..
// 0x7FFFFFFF ms as Windows does. Nothing fires by itself: fire_timer delivers
// WM_TIMER to the window, or calls the timer's procedure when it has one.
#include "platform/posix/testing.h"
#include "platform/posix/window_store.h"

using standin::detail::find;
using standin::detail::Timer;
using standin::detail::world;

namespace {

constexpr UINT kShortestPeriod = 10;
constexpr UINT kLongestPeriod = 0x7FFFFFFF;

std::map<UINT_PTR, Timer>* timers_of(HWND hwnd) {
  if (hwnd == nullptr) return &world().thread_timers;
  standin::detail::Window* w = find(hwnd);
  return w == nullptr ? nullptr : &w->timers;
}

}  // namespace

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  std::map<UINT_PTR, Timer>* timers = timers_of(hWnd);
  if (timers == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  UINT period = uElapse < kShortestPeriod ? kShortestPeriod
                : uElapse > kLongestPeriod ? kLongestPeriod
                                           : uElapse;
  if (hWnd == nullptr) {
    auto found = timers->find(nIDEvent);
    if (nIDEvent == 0 || found == timers->end()) nIDEvent = world().next_thread_timer++;
  }
  (*timers)[nIDEvent] = Timer{period, lpTimerFunc};
  return hWnd == nullptr ? nIDEvent : (nIDEvent == 0 ? 1 : nIDEvent);
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  std::map<UINT_PTR, Timer>* timers = timers_of(hWnd);
  if (timers == nullptr || timers->erase(uIDEvent) == 0) return FALSE;
  return TRUE;
}

namespace standin {

bool fire_timer(HWND window, UINT_PTR id) {
  std::map<UINT_PTR, Timer>* timers = timers_of(window);
  if (timers == nullptr) return false;
  auto found = timers->find(id);
  if (found == timers->end()) return false;
  TIMERPROC proc = found->second.proc;
  if (proc != nullptr)
    proc(window, WM_TIMER, id, 0);
  else if (window != nullptr)
    SendMessageA(window, WM_TIMER, id, 0);
  return true;
}

UINT timer_period(HWND window, UINT_PTR id) {
  std::map<UINT_PTR, Timer>* timers = timers_of(window);
  if (timers == nullptr) return 0;
  auto found = timers->find(id);
  return found == timers->end() ? 0 : found->second.period;
}

}  // namespace standin
