// The simulated host's record of the calls it received: every call into an
// export is counted by function name; with tracing on, each call is also kept
// with its arguments, the numbers a test usually asserts on, and its answer.
#ifndef SIM_HOST_CALL_LOG_H
#define SIM_HOST_CALL_LOG_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_abi.h"

namespace sim {

using Args = std::vector<FxWord>;

struct CallRecord {
  std::string function;
  Args args;  // the raw argument words in call order (a double fills sizeof(double) bytes of words)
  // Record transfers only (FX_LoadEData, FX_SaveEData, FX_CreateEData,
  // FX_DeleteEData, FX_PreviousEData, FX_NextEData).
  std::optional<uint32_t> tag;
  std::optional<int16_t> key_first;   // read from the key pointer when it is not null
  std::optional<int16_t> key_second;
  std::optional<int32_t> size;        // FX_LoadEData: the value behind the size pointer on entry
  bool buffer = false;                // a buffer pointer was passed
  uint32_t version = 0;               // the last argument word
  FxWord result = 0;

  // One line for assertion messages, e.g.
  // FX_LoadEData(tag 'SOPS', key {3, 0}, buffer, size 22, version 0x0F000200) -> 1
  std::string describe() const;
};

class CallLog {
 public:
  void set_tracing(bool on) { tracing_ = on; }
  // With timing on, the time the host spends answering calls is added up
  // (host_seconds), so that a benchmark can tell it from the caller's.
  void set_timing(bool on) { timing_ = on; }
  bool timing() const { return timing_; }
  void add_host_seconds(double seconds) { host_seconds_ += seconds; }
  double host_seconds() const { return host_seconds_; }
  bool tracing() const { return tracing_; }

  // Counts the call and, when tracing, keeps it; returns the trace index to
  // finish(), or npos when the call is not traced.
  size_t begin(const char* function, const Args& args);
  void finish(size_t index, FxWord result);

  int count(const std::string& function) const;
  int total() const { return total_; }
  const std::vector<CallRecord>& trace() const { return trace_; }
  // The traced calls of one function, in call order.
  std::vector<CallRecord> trace_of(const std::string& function) const;
  // The whole trace, one describe() line per call, for assertion messages.
  std::string describe() const;
  void clear();

  static constexpr size_t npos = size_t(-1);

 private:
  bool tracing_ = false;
  bool timing_ = false;
  double host_seconds_ = 0;
  int total_ = 0;
  std::map<std::string, int, std::less<>> counts_;
  std::vector<CallRecord> trace_;
};

// 'SOPS' for a tag of four printable characters, 0x4F025353 otherwise.
std::string describe_tag(uint32_t tag);

}  // namespace sim

#endif
