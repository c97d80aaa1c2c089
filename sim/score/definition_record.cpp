// Definitions of the kinds the plug-in only counts, key {number, 0}, numbered
// 1..count: text expression definitions 'SODT' (14 bytes), shape expression
// definitions 'otDO' (12 bytes before layout version 0x09000000, 34 from it
// on) and articulation definitions 0x4F044958 (48 bytes). Their contents are
// not modelled: they read as zeros, and a save of the right size is accepted
// and changes nothing.
#include "host/record_tags.h"
#include "sim/score/record_codecs.h"

namespace sim {
namespace {

struct DefinitionKind {
  int16_t count;
  int32_t size;
};

DefinitionKind kind_of(const Score& score, const RecordRequest& request) {
  const DefinitionCounts& d = score.definitions;
  switch (request.tag) {
    case kTagTextExpressionDef: return {d.text_expressions, 14};
    case kTagShapeExpressionDef: return {d.shape_expressions, request.version < 0x09000000u ? 12 : 34};
    case kTagArticulationDef: return {d.articulations, 48};
    default: return {0, 0};
  }
}

bool exists(const DefinitionKind& kind, const RecordRequest& request) {
  return request.second == 0 && request.first >= 1 && request.first <= kind.count;
}

}  // namespace

std::optional<Bytes> load_definition_record(const Score& score, const RecordRequest& request) {
  const DefinitionKind kind = kind_of(score, request);
  if (!exists(kind, request)) return std::nullopt;
  return Bytes(size_t(kind.size), 0);
}

bool save_definition_record(Score& score, const RecordRequest& request, const uint8_t*, int32_t size) {
  const DefinitionKind kind = kind_of(score, request);
  return exists(kind, request) && size == kind.size;
}

}  // namespace sim
