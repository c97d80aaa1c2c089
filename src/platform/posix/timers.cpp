// Timers and the simulated clock. A timer belongs to a window (or, with no
// window, to the thread, when SetTimer chooses its id) and is identified by
// its id; setting it again replaces its period and procedure and starts its
// period afresh. Periods are clamped to 10 ms .. 0x7FFFFFFF ms as Windows does.
//
// Nothing fires by itself: the clock stands still until advance_clock moves
// it, firing every timer that falls due on the way, earliest first; a timer
// fires once for each period that passes (Windows would merge the WM_TIMER
// messages of a busy thread; a simulated host is never busy). fire_timer
// delivers one timer at once without touching the clock. A timer fires by
// WM_TIMER to its window, or by a call of its procedure when it has one.
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

struct DueTimer {
  HWND window = nullptr;
  UINT_PTR id = 0;
  const Timer* timer = nullptr;
};

void consider(HWND window, const std::map<UINT_PTR, Timer>& timers, uint64_t until, DueTimer* best) {
  for (const auto& entry : timers) {
    const Timer& t = entry.second;
    if (t.due > until) continue;
    if (best->timer == nullptr || t.due < best->timer->due ||
        (t.due == best->timer->due && t.order < best->timer->order))
      *best = DueTimer{window, entry.first, &t};
  }
}

// The timer that falls due first at or before `until`, over every window.
DueTimer next_due(uint64_t until) {
  DueTimer best;
  consider(nullptr, world().thread_timers, until, &best);
  for (const auto& entry : world().windows) consider(entry.first, entry.second.timers, until, &best);
  return best;
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
  (*timers)[nIDEvent] = Timer{period, lpTimerFunc, world().clock_ms + period, world().next_timer_order++};
  return hWnd == nullptr ? nIDEvent : (nIDEvent == 0 ? 1 : nIDEvent);
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  std::map<UINT_PTR, Timer>* timers = timers_of(hWnd);
  if (timers == nullptr || timers->erase(uIDEvent) == 0) return FALSE;
  return TRUE;
}

DWORD GetTickCount(void) { return DWORD(world().clock_ms); }

namespace standin {

bool fire_timer(HWND window, UINT_PTR id) {
  std::map<UINT_PTR, Timer>* timers = timers_of(window);
  if (timers == nullptr) return false;
  auto found = timers->find(id);
  if (found == timers->end()) return false;
  TIMERPROC proc = found->second.proc;
  if (proc != nullptr)
    proc(window, WM_TIMER, id, GetTickCount());
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

// Each timer is rescheduled before it fires, so a handler that kills or sets
// it again (or destroys its window) decides what happens next.
void advance_clock(unsigned ms) {
  const uint64_t until = world().clock_ms + ms;
  for (DueTimer due = next_due(until); due.timer != nullptr; due = next_due(until)) {
    world().clock_ms = due.timer->due;
    Timer& timer = (*timers_of(due.window))[due.id];
    timer.due += timer.period;
    fire_timer(due.window, due.id);
  }
  world().clock_ms = until;
}

}  // namespace standin
