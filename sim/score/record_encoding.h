// How the host turns its score model into record images and back, tag by tag.
// Tags without a codec are kept as raw bytes in Score::records.
//
// A transfer names its layout by the version it carries (the plug-in corrects
// that version from the buffer size before the call), and the host's own
// version word decides which layouts the host keeps at all.
#ifndef SIM_SCORE_RECORD_ENCODING_H
#define SIM_SCORE_RECORD_ENCODING_H

#include <cstdint>
#include <optional>

#include "sim/score/score.h"

namespace sim {

struct RecordRequest {
  uint32_t tag = 0;
  int16_t first = 0;   // first key number
  int16_t second = 0;  // second key number
  uint32_t version = 0;       // the layout version of the transfer
  uint32_t host_version = 0;  // the host's version word
};

struct RecordCodec {
  uint32_t tag;
  // The record image in the layout the request names; empty when the host has
  // no such record, or does not keep that layout.
  std::optional<Bytes> (*load)(const Score& score, const RecordRequest& request);
  // Takes an image back into the model. False, with the model unchanged, when
  // the record does not exist, the layout is not kept, or `size` is not the
  // layout's size.
  bool (*save)(Score& score, const RecordRequest& request, const uint8_t* bytes, int32_t size);
};

// The codec of a tag the model structures, or null for a tag kept as raw bytes.
const RecordCodec* find_record_codec(uint32_t tag);

}  // namespace sim

#endif
