// Fuzz target for preference records the plug-in assembles from the host's
// other records and splits back into them: a simulated host whose source
// records are missing, of any size or holding any words, a preference tag
// and key number (mapped, a run, or neither), any capacity, and a save of any
// bytes. Loads must stay inside the buffer; a record that loads must survive a
// save and a second load byte for byte. A broken rule aborts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "host/fx_entries.h"
#include "host/pref_maps.h"
#include "host/record_tags.h"
#include "platform/posix/testing.h"
#include "globals/toolkit_globals.h"
#include "sim/host/sim_host.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

sim::Host& host_once() {
  static sim::Host* host = [] {
    standin::reset();
    auto* h = new sim::Host;
    sim::install(*h);
    PDKTOOLS_StoreVersion(int32_t(h->version_word()));
    return h;
  }();
  return *host;
}

// Every mapped tag and every run tag, and two that are neither.
const uint32_t kTags[] = {
    fx_tag('p', 'f', 'P', 'F'), fx_tag('p', 'f', 'E', 'X'), fx_tag('p', 'f', 'P', 'L'), fx_tag('p', 'f', 'S', 'S'),
    fx_tag('p', 'f', 'P', 'B'), fx_tag('p', 'f', 'R', 'P'), fx_tag('p', 'f', 'M', 'S'), fx_tag('p', 'f', 'S', 'I'),
    fx_tag('p', 'f', 'D', 'P'), fx_tag('p', 'f', 'G', 'd'), fx_tag('p', 'f', 'G', 'G'), fx_tag('p', 'f', 'G', 'D'),
    fx_tag('p', 'f', 'G', 'b'), fx_tag('p', 'f', 'M', 'M'), fx_tag('p', 'f', 'G', 's'), fx_tag('p', 'f', 'N', 'D'),
    fx_tag('p', 'f', 'N', 'd'), fx_tag('p', 'f', 'T', 'C'), fx_tag('p', 'f', 'S', 'N'), fx_tag('p', 'f', 'S', 'C'),
    fx_tag('p', 'f', 'S', 'P'), fx_tag('p', 'f', 'S', 'l'), fx_tag('p', 'f', 'T', 'X'), fx_tag('p', 'f', 'T', 'I'),
    fx_tag('p', 'f', 'T', 'p'), fx_tag('p', 'f', 'T', 's'), fx_tag('p', 'f', 'g', 'p'), fx_tag('o', 't', '1', '3'),
};

// The source records the plug-in may read for this tag and key number.
std::set<sim::RecordKey> sources_of(uint32_t tag, int16_t key) {
  std::set<sim::RecordKey> sources;
  const PREFERENCE_LOCATION_MAPRECORD* map = nullptr;
  int16_t rows = 0;
  if (mapPrefStruct(tag, key, &map, &rows)) {
    for (int16_t i = 0; i < rows; ++i)
      sources.insert({prefRowSourceTag(map[i]), prefRowFirstKey(map[i]), map[i].secondKey});
    return sources;
  }
  int16_t count = 0;
  int16_t first = 0;
  const uint32_t source = mapPrefTag(tag, key, &count, &first);
  for (int16_t i = 0; i < count; ++i) sources.insert({source, -2, int16_t(first + i)});
  sources.insert({tag, key, 0});  // a preference record of the host's own
  return sources;
}

void seed(sim::Host& host, const std::set<sim::RecordKey>& sources, FuzzInput& in) {
  host.records().clear();
  for (const sim::RecordKey& source : sources) {
    const uint8_t shape = in.value<uint8_t>();
    if (shape < 32) continue;  // missing
    sim::Bytes bytes(shape < 64 ? size_t(shape % 24) : size_t(12));
    in.bytes(bytes.data(), bytes.size());
    host.records().put(source, bytes);
  }
}

// Loads into a heap buffer of exactly `capacity` bytes (a real pointer even
// for 0 bytes; none at all when negative); the size the plug-in answers goes
// to *size and the buffer's bytes to `record`.
FxWord load(uint32_t tag, int16_t key_number, std::vector<uint8_t>& record, int32_t capacity, int32_t* size) {
  int16_t key[2] = {key_number, 0};
  const size_t bytes = capacity > 0 ? size_t(capacity) : 0;
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[bytes]);
  std::memset(buffer.get(), 0xEE, bytes);
  *size = capacity;
  const FxWord result = FX_LoadEData(tag, key, capacity >= 0 ? buffer.get() : nullptr, size, kFxInterfaceVersion);
  record.assign(buffer.get(), buffer.get() + bytes);
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sim::Host& host = host_once();
  FuzzInput in(data, size);
  const uint32_t tag = kTags[in.below(sizeof kTags / sizeof kTags[0])];
  const int16_t key = in.value<uint8_t>() < 160 ? int16_t(in.value<uint8_t>() % 8) : in.value<int16_t>();
  const int32_t capacity = int32_t(in.value<int16_t>()) % 260;
  seed(host, sources_of(tag, key), in);

  std::vector<uint8_t> record;
  int32_t loaded_size = 0;
  const FxWord loaded = load(tag, key, record, capacity, &loaded_size);
  if (loaded == 1 && capacity >= 0) {
    require(loaded_size >= 0 && loaded_size <= capacity);
    std::vector<uint8_t> kept(record.begin(), record.begin() + loaded_size);
    int16_t key_words[2] = {key, 0};
    FX_SaveEData(tag, key_words, kept.data(), loaded_size, kFxInterfaceVersion);
    std::vector<uint8_t> again;
    int32_t again_size = 0;
    require(load(tag, key, again, loaded_size, &again_size) == 1 && again_size == loaded_size);
    require(again == kept);
  }

  // A save of whatever bytes are left, with a size of up to their number
  // (negative for none).
  std::vector<uint8_t> bytes(in.remaining());
  in.bytes(bytes.data(), bytes.size());
  const int32_t save_size = int32_t(bytes.size()) - (bytes.empty() ? 1 : bytes[0] % 3);
  int16_t key_words[2] = {key, 0};
  FX_SaveEData(tag, key_words, bytes.data(), save_size, kFxInterfaceVersion);
  return 0;
}
