// Faults the simulated host can be told to inject, so that tests and score
// files reach the plug-in's failure paths: the Nth host call from a chosen
// point, every call of one function, or the load or save of one record.
//
// A failing call does not run the function's behaviour at all: it answers
// the function's failing answer (failing_answer below) and leaves every buffer,
// size and key the caller passed untouched, as a host that refused the call.
// The call is still counted and logged with that answer.
//
// A host that lacks a function is modelled as a function whose every call
// fails: the plug-in binds each export once per process, so an export cannot be
// taken away after the plug-in has bound it (InstallOptions::omitted_exports
// removes exports for real, in a process of its own).
#ifndef SIM_HOST_HOST_FAULTS_H
#define SIM_HOST_HOST_FAULTS_H

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "sim/host/call_log.h"

namespace sim {

// What a failed call of the export at `index` answers: 0 (a refused load or
// save, a count of 0, a null window or part, a dialog call that did nothing),
// except the few functions whose failure the host reports as -1.
FxWord failing_answer(int index);

struct RecordFault {
  uint32_t tag = 0;
  int16_t first = 0;
  int16_t second = 0;
  bool load = false;  // FX_LoadEData of this record into a buffer fails (the record still exists)
  bool save = false;  // FX_SaveEData of this record fails
};

struct FailedCall {
  int index;  // in export_table()
  Args args;
  // FX_LoadEData and FX_SaveEData: the tag and the key's numbers at the time of the call.
  uint32_t tag = 0;
  int16_t first = 0;
  int16_t second = 0;
};

class HostFaults {
 public:
  // Restarts the count of calls: call 1 is the next one.
  void start_counting() { calls_ = 0; }
  // Call n (from the last start_counting) fails; several may be given.
  void fail_call(int64_t n) { failing_calls_.insert(n); }
  // Every call of the function with this host name fails; unknown names throw
  // std::invalid_argument.
  void fail_function(const std::string& name);
  void fail_record(const RecordFault& fault) { records_.push_back(fault); }
  // After `limit` calls every further call fails and limit_reached() turns
  // true: a plug-in loop that keeps asking the host ends, and the test sees it.
  void set_call_limit(int64_t limit) { limit_ = limit; }
  bool limit_reached() const { return limit_ > 0 && calls_ > limit_; }
  void clear();

  int64_t calls() const { return calls_; }
  // The calls made to fail so far, in order.
  const std::vector<FailedCall>& failed() const { return failed_; }
  // Counts the call and answers whether it must fail.
  bool on_call(int index, const Args& args);

 private:
  bool record_fails(const FailedCall& call) const;

  int64_t calls_ = 0;
  int64_t limit_ = 0;
  std::set<int64_t> failing_calls_;
  std::set<int> failing_functions_;
  std::vector<RecordFault> records_;
  std::vector<FailedCall> failed_;
};

}  // namespace sim

#endif
