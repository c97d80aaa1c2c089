#include "sim/host/host_faults.h"

#include <cstring>
#include <stdexcept>
#include <vector>

#include "sim/host/exports.h"

namespace sim {
namespace {

// Functions whose failure is not 0. Every other function fails with 0.
struct FailingAnswer {
  const char* function;
  FxWord answer;
};

constexpr FailingAnswer kFailingAnswers[] = {
    {"FX_GetCurrentPartID", FxWord(-1)},
    {"FX_GetNextPartID", FxWord(-1)},
    {"FX_CountParts", FxWord(-1)},
    {"FX_GetPlaybackSystem", FxWord(-1)},
};

int index_of(const std::string& name) {
  const int index = export_index(name);
  if (index < 0) throw std::invalid_argument("the host has no function " + name);
  return index;
}

}  // namespace

FxWord failing_answer(int index) {
  static const std::vector<FxWord> answers = [] {
    std::vector<FxWord> by_index(export_count(), 0);
    for (const FailingAnswer& row : kFailingAnswers) by_index[size_t(index_of(row.function))] = row.answer;
    return by_index;
  }();
  return index >= 0 && size_t(index) < answers.size() ? answers[size_t(index)] : 0;
}

void HostFaults::fail_function(const std::string& name) { failing_functions_.insert(index_of(name)); }

void HostFaults::clear() { *this = HostFaults{}; }

namespace {

bool is_record_transfer(int index, const Args& args) {
  static const int load = export_index("FX_LoadEData");
  static const int save = export_index("FX_SaveEData");
  return (index == load || index == save) && args.size() >= 2 && args[1] != 0;
}

FailedCall describe_call(int index, const Args& args) {
  FailedCall call{index, args};
  if (!is_record_transfer(index, args)) return call;
  int16_t key[2];
  std::memcpy(key, reinterpret_cast<const void*>(args[1]), sizeof key);
  call.tag = uint32_t(args[0]);
  call.first = key[0];
  call.second = key[1];
  return call;
}

}  // namespace

// A record that cannot be loaded still exists: a load with no buffer, which
// only asks whether the record is there, finds it. A damaged score behaves so:
// the host knows the record and fails only to hand its bytes over.
bool HostFaults::record_fails(const FailedCall& call) const {
  if (records_.empty() || !is_record_transfer(call.index, call.args)) return false;
  const bool load = call.index == export_index("FX_LoadEData");
  if (load && (call.args.size() < 3 || call.args[2] == 0)) return false;
  for (const RecordFault& fault : records_) {
    if (fault.tag != call.tag || fault.first != call.first || fault.second != call.second) continue;
    if (load ? fault.load : fault.save) return true;
  }
  return false;
}

bool HostFaults::on_call(int index, const Args& args) {
  ++calls_;
  if (limit_reached()) return true;
  // The call is described (its arguments copied) only when it may fail.
  const bool fails = failing_calls_.count(calls_) > 0 || failing_functions_.count(index) > 0 ||
                     (!records_.empty() && record_fails(describe_call(index, args)));
  if (fails) failed_.push_back(describe_call(index, args));
  return fails;
}

}  // namespace sim
