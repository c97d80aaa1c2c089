#include <gtest/gtest.h>

#include "host/record_tags.h"
#include "support/host_records.h"
#include "support/sim_host_fixture.h"

namespace {

struct DefinitionCase {
  const char* name;
  uint32_t tag;
  int32_t probe_size;
  uint32_t version;  // as the plug-in's version correction leaves it
  int16_t count;     // set for this kind; the other kinds get 1
  int32_t record_size;
};

class DefinitionRecord : public SimHostTest, public testing::WithParamInterface<DefinitionCase> {};

TEST_P(DefinitionRecord, ExistsForNumbersOneToTheKindsCount) {
  const DefinitionCase c = GetParam();
  sim::DefinitionCounts counts{1, 1, 1};
  if (c.tag == kTagTextExpressionDef) counts.text_expressions = c.count;
  if (c.tag == kTagShapeExpressionDef) counts.shape_expressions = c.count;
  if (c.tag == kTagArticulationDef) counts.articulations = c.count;
  host.set_definition_counts(counts);

  EXPECT_FALSE(host_probe(c.tag, 0, 0, c.probe_size, c.version)) << c.name;
  EXPECT_EQ(host_probe(c.tag, 1, 0, c.probe_size, c.version), c.record_size) << c.name;
  EXPECT_EQ(host_probe(c.tag, c.count, 0, c.probe_size, c.version), c.record_size) << c.name;
  EXPECT_FALSE(host_probe(c.tag, int16_t(c.count + 1), 0, c.probe_size, c.version)) << c.name;
  EXPECT_EQ(host_load(c.tag, c.count, 0, 2000, c.version), sim::Bytes(size_t(c.record_size), 0)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DefinitionRecord,
    testing::Values(DefinitionCase{"text expressions", kTagTextExpressionDef, 14, 0x0F000200u, 23, 14},
                    DefinitionCase{"shape expressions", kTagShapeExpressionDef, 12, 0x08000000u, 11, 12},
                    DefinitionCase{"shape expressions 2004", kTagShapeExpressionDef, 34, 0x09000000u, 2, 34},
                    DefinitionCase{"articulations", kTagArticulationDef, 48, 0x0F000200u, 40, 48}));

}  // namespace
