// Which host the exports serve: the installed host answers every call of an
// exported function, which is counted and logged first.
#include <chrono>

#include "sim/host/dispatch.h"
#include "sim/host/exports.h"
#include "sim/host/sim_host.h"

namespace sim {
namespace {

Host* current_host = nullptr;

}  // namespace

Host* installed_host() { return current_host; }

namespace detail {

void make_installed(Host& host) { current_host = &host; }

FxWord dispatch(int index, const Args& args) {
  if (current_host == nullptr) return 0;
  Host& host = *current_host;
  const bool timing = host.log().timing();
  const auto start = timing ? std::chrono::steady_clock::now() : std::chrono::steady_clock::time_point{};
  const size_t traced = host.log().begin(export_table()[index].name, args);
  const FxWord result = host.faults().on_call(index, args) ? failing_answer(index) : host.answer(index, args);
  host.log().finish(traced, result);
  if (host.call_observer()) host.call_observer()(export_table()[index].name, args, result);
  if (timing) {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    host.log().add_host_seconds(spent.count());
  }
  return result;
}

void forget_host(const Host* host) {
  if (current_host == host) current_host = nullptr;
}

}  // namespace detail
}  // namespace sim
