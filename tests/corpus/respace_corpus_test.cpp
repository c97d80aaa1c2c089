// Replays the respacing corpus (support/respace_corpus.h) and compares what
// every case wrote and showed with the digest recorded in
// respace_corpus.digest beside this file.
//
// KV_WRITE_RESPACE_DIGEST=1 writes the digest file instead of comparing (only
// from a build whose behaviour is the reference); KV_RESPACE_CASE=n prints the
// text of case n and stops, for finding the case behind a block that differs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/respace_corpus.h"

namespace {

constexpr uint64_t kSeed = 20240611;
constexpr uint32_t kCases = 10000;
constexpr uint32_t kBlock = 500;

std::filesystem::path digest_path() {
  return std::filesystem::path(KV_SOURCE_DIR) / "tests" / "corpus" / "respace_corpus.digest";
}

TEST(RespaceCorpus, EveryCaseWritesAndShowsWhatTheRecordedDigestSays) {
  if (const char* one = std::getenv("KV_RESPACE_CASE")) {
    std::printf("%s", corpus::run_case(kSeed, uint32_t(std::atoi(one))).c_str());
    GTEST_SKIP() << "case printed";
  }
  const std::string computed = corpus::digest(kSeed, kCases, kBlock);
  if (std::getenv("KV_WRITE_RESPACE_DIGEST") != nullptr) {
    std::ofstream(digest_path()) << computed;
    GTEST_SKIP() << "digest written to " << digest_path();
  }
  std::ifstream file(digest_path());
  ASSERT_TRUE(file.good()) << digest_path();
  std::stringstream recorded;
  recorded << file.rdbuf();
  EXPECT_EQ(recorded.str(), computed);
}

}  // namespace
