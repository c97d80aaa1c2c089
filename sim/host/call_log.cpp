#include "sim/host/call_log.h"

#include <cstdio>
#include <cstring>

namespace sim {
namespace {

bool is_record_transfer(const std::string& f) {
  return f == "FX_LoadEData" || f == "FX_SaveEData" || f == "FX_CreateEData" || f == "FX_DeleteEData" ||
         f == "FX_PreviousEData" || f == "FX_NextEData";
}

// Fills the record-transfer fields: tag, key, buffer, size (see CallRecord).
void read_transfer(CallRecord& r) {
  const Args& a = r.args;
  if (a.empty()) return;
  r.tag = uint32_t(a[0]);
  if (a.size() > 1 && a[1] != 0) {
    int16_t numbers[2];
    std::memcpy(numbers, reinterpret_cast<const void*>(a[1]), sizeof numbers);
    r.key_first = numbers[0];
    r.key_second = numbers[1];
  }
  if (r.function == "FX_DeleteEData" || a.size() < 5) return;
  r.buffer = a[2] != 0;
  if (r.function != "FX_LoadEData") {
    r.size = int32_t(a[3]);
  } else if (a[3] != 0) {
    int32_t size;
    std::memcpy(&size, reinterpret_cast<const void*>(a[3]), sizeof size);
    r.size = size;
  }
}

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", unsigned(value));
  return text;
}

}  // namespace

std::string describe_tag(uint32_t tag) {
  std::string text = "'";
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = char(tag >> shift);
    if (c < 0x20 || c > 0x7E) return hex(tag);
    text += c;
  }
  return text + "'";
}

std::string CallRecord::describe() const {
  std::string text = function + "(";
  if (tag) {
    text += "tag " + describe_tag(*tag);
    text += key_first ? ", key {" + std::to_string(*key_first) + ", " + std::to_string(*key_second) + "}"
                      : std::string(", no key");
    if (function != "FX_DeleteEData") text += buffer ? ", buffer" : ", no buffer";
    if (size) text += ", size " + std::to_string(*size);
    text += ", version " + hex(version);
  } else {
    for (size_t i = 0; i < args.size(); ++i) {
      if (i > 0) text += ", ";
      text += i + 1 == args.size() ? hex(uint32_t(args[i])) : std::to_string(args[i]);
    }
  }
  return text + ") -> " + std::to_string(result);
}

size_t CallLog::begin(const char* function, const Args& args) {
  ++total_;
  auto counted = counts_.find(std::string_view(function));  // no string made per call
  if (counted == counts_.end()) counted = counts_.emplace(function, 0).first;
  ++counted->second;
  if (!tracing_) return npos;
  CallRecord record;
  record.function = function;
  record.args = args;
  if (!args.empty()) record.version = uint32_t(args.back());
  if (is_record_transfer(record.function)) read_transfer(record);
  trace_.push_back(std::move(record));
  return trace_.size() - 1;
}

void CallLog::finish(size_t index, FxWord result) {
  if (index < trace_.size()) trace_[index].result = result;
}

int CallLog::count(const std::string& function) const {
  auto found = counts_.find(function);
  return found == counts_.end() ? 0 : found->second;
}

std::vector<CallRecord> CallLog::trace_of(const std::string& function) const {
  std::vector<CallRecord> calls;
  for (const CallRecord& r : trace_)
    if (r.function == function) calls.push_back(r);
  return calls;
}

std::string CallLog::describe() const {
  std::string text;
  for (const CallRecord& r : trace_) text += r.describe() + "\n";
  return text;
}

void CallLog::clear() {
  total_ = 0;
  host_seconds_ = 0;
  counts_.clear();
  trace_.clear();
}

}  // namespace sim
