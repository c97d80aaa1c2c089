// FX_LoadEData, FX_SaveEData, FX_CreateEData, FX_DeleteEData, FX_PreviousEData
// and FX_NextEData over the score model (tags with a codec) and the raw record
// store (every other tag).
//
// Arguments: tag, key pointer (two signed 16-bit numbers first), buffer,
// size, version; FX_DeleteEData: tag, key, version. A load's size is a
// pointer to a 32-bit count: the buffer's capacity in, the record's size out.
// Every function answers 1 on success and 0 on failure, and a failed call
// leaves the caller's buffer, size and key untouched. Records of the model
// come and go with the score: creating, deleting and stepping (previous,
// next) work on raw records only.
#include <cstring>

#include "sim/host/sim_host.h"
#include "sim/score/record_encoding.h"

namespace sim {
namespace {

void* pointer(FxWord word) { return reinterpret_cast<void*>(word); }

RecordRequest request_of(const Host& host, const Args& a, uint32_t version) {
  RecordRequest request;
  request.tag = uint32_t(a[0]);
  int16_t numbers[2];
  std::memcpy(numbers, pointer(a[1]), sizeof numbers);
  request.first = numbers[0];
  request.second = numbers[1];
  request.version = version;
  request.host_version = host.version_word();
  return request;
}

RecordKey key_of(const RecordRequest& r) { return {r.tag, r.first, r.second}; }

std::optional<Bytes> load_image(const Host& host, const RecordRequest& request) {
  if (const RecordCodec* codec = find_record_codec(request.tag)) return codec->load(host.score(), request);
  if (const Bytes* bytes = host.score().records.find(key_of(request))) return *bytes;
  return std::nullopt;
}

FxWord load(Host& host, const Args& a) {
  if (a[1] == 0 || a[3] == 0) return 0;
  const std::optional<Bytes> image = load_image(host, request_of(host, a, uint32_t(a[4])));
  if (!image) return 0;
  int32_t capacity;
  std::memcpy(&capacity, pointer(a[3]), sizeof capacity);
  if (a[2] != 0) {
    if (capacity < int32_t(image->size())) return 0;
    if (!image->empty()) std::memcpy(pointer(a[2]), image->data(), image->size());  // an empty record has no data pointer
  }
  const int32_t size = int32_t(image->size());
  std::memcpy(pointer(a[3]), &size, sizeof size);
  return 1;
}

FxWord save(Host& host, const Args& a) {
  const int32_t size = int32_t(a[3]);
  if (a[1] == 0 || a[2] == 0 || size <= 0) return 0;
  const RecordRequest request = request_of(host, a, uint32_t(a[4]));
  const uint8_t* bytes = static_cast<const uint8_t*>(pointer(a[2]));
  if (const RecordCodec* codec = find_record_codec(request.tag))
    return codec->save(host.score(), request, bytes, size) ? 1 : 0;
  Bytes* stored = host.records().find(key_of(request));
  if (stored == nullptr) return 0;
  stored->assign(bytes, bytes + size);
  return 1;
}

FxWord create(Host& host, const Args& a) {
  const int32_t size = int32_t(a[3]);
  if (a[1] == 0 || size <= 0) return 0;
  const RecordRequest request = request_of(host, a, uint32_t(a[4]));
  if (find_record_codec(request.tag) != nullptr || host.records().contains(key_of(request))) return 0;
  Bytes bytes(size_t(size), 0);
  if (a[2] != 0) std::memcpy(bytes.data(), pointer(a[2]), bytes.size());
  host.records().put(key_of(request), std::move(bytes));
  return 1;
}

FxWord erase(Host& host, const Args& a) {
  if (a[1] == 0) return 0;
  const RecordRequest request = request_of(host, a, uint32_t(a[2]));
  if (find_record_codec(request.tag) != nullptr) return 0;
  return host.records().erase(key_of(request)) ? 1 : 0;
}

// Steps to the neighbouring raw record of the same tag: writes its key numbers
// over the caller's and, with a buffer, its bytes (capacity given by value).
FxWord step(Host& host, const Args& a, bool forward) {
  if (a[1] == 0) return 0;
  const RecordRequest request = request_of(host, a, uint32_t(a[4]));
  const RecordStore& store = host.records();
  const std::optional<RecordKey> found = forward ? store.next(key_of(request)) : store.previous(key_of(request));
  if (!found) return 0;
  const Bytes& bytes = *store.find(*found);
  if (a[2] != 0) {
    if (int32_t(a[3]) < int32_t(bytes.size())) return 0;
    std::memcpy(pointer(a[2]), bytes.data(), bytes.size());
  }
  const int16_t numbers[2] = {found->first, found->second};
  std::memcpy(pointer(a[1]), numbers, sizeof numbers);
  return 1;
}

}  // namespace

void add_record_functions(Host& host) {
  host.set_builtin("FX_LoadEData", [&host](const Args& a) { return load(host, a); });
  host.set_builtin("FX_SaveEData", [&host](const Args& a) { return save(host, a); });
  host.set_builtin("FX_CreateEData", [&host](const Args& a) { return create(host, a); });
  host.set_builtin("FX_DeleteEData", [&host](const Args& a) { return erase(host, a); });
  host.set_builtin("FX_PreviousEData", [&host](const Args& a) { return step(host, a, false); });
  host.set_builtin("FX_NextEData", [&host](const Args& a) { return step(host, a, true); });
}

}  // namespace sim
