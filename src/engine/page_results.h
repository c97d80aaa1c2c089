// The result code of one page of a respacing run: what KVTR_ProcessPage answers
// and what KVTR_StartProcess hands to its reporter. Codes 0 and 2 need no word
// to the user; every other code names a message (ui/message_boxes.h).
#ifndef KV_ENGINE_PAGE_RESULTS_H
#define KV_ENGINE_PAGE_RESULTS_H

#include <cstdint>

constexpr int16_t kPageProcessed = 0;        // spread, packed, placed, or its lone system left alone
constexpr int16_t kPageMarginsTooWide = 1;   // the lone system is taller than the room between the extra margins
constexpr int16_t kPageHasNoSystems = 2;
constexpr int16_t kPageLoadFailed = 3;
constexpr int16_t kSystemLoadFailed = 4;     // also: the lone system's height is 0
constexpr int16_t kSystemSaveFailed = 5;
constexpr int16_t kPageNotLaidOut = 6;       // the host has not laid the page out yet
constexpr int16_t kUnknownSingleOption = 7;  // singleSystems is not 0..3
constexpr int16_t kSystemRangeFailed = 8;    // the systems standing on the page could not be found
constexpr int16_t kSystemsDoNotFit = 9;      // no trial gap up to the largest 16-bit gap fits; page left as it was
constexpr int16_t kPageScalingInvalid = 10;  // a scaled page whose percentage is 0 or negative; page left as it was

#endif
