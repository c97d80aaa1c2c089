// A corpus of randomized respacing runs, made from a seed, and what the user
// and the host see of each: the records written (function, tag, key, size,
// bytes, answer, in order), the message boxes (caption, text, style) and the
// host alerts. Two builds of the plug-in that agree on every case respace
// alike.
//
// Alerts are kept per page of the run, each distinct text once, in the order
// of its first appearance: an alert that a page raises again for every trial
// gap and one raised once for the page read the same.
//
// Each case is a fresh simulated host (every host era, scaled pages, systems
// with staff lists of their own, extracted parts, hidden and missing staves,
// missing measures, lone systems, empty and not yet laid-out pages, pages too
// full to fit) and settings drawn across their whole range, margins at their
// limits included.
#ifndef TESTS_SUPPORT_RESPACE_CORPUS_H
#define TESTS_SUPPORT_RESPACE_CORPUS_H

#include <cstdint>
#include <string>
#include <vector>

namespace corpus {

// Runs case `index` of the corpus of `seed` through KVTR_StartProcess with the
// message-box reporter and answers the canonical text of what it recorded.
// Installs its own host and resets the Win32 stand-in.
std::string run_case(uint64_t seed, uint32_t index);

// 64-bit FNV-1a.
uint64_t fnv1a(const std::string& text, uint64_t hash = 0xcbf29ce484222325ull);

// The digest file's text for cases 0..count-1: one line per block of
// `block` cases, then the total.
//   seed <seed> cases <count> block <block>
//   block <n> <hash of the block's case texts, hex>
//   total <hash of the block hashes, hex>
std::string digest(uint64_t seed, uint32_t count, uint32_t block);

}  // namespace corpus

#endif
