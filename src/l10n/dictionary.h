// The built-in dictionary: 108 rows of short words in thirteen languages.
//
// FTX_Dictionary holds the entry of row r in language c at [13 r + c]: a
// NUL-terminated Windows-1252 string, never null, empty when the language has
// no entry for the row. FTX_DictIndex holds each row's word id; adjacent rows
// with the same id are variants of one word (abbreviation, short name, long
// name), and rows of id -1 are separators with every entry empty. The data is
// constant and written once, in dictionary_rows.h.
#ifndef KV_L10N_DICTIONARY_H
#define KV_L10N_DICTIONARY_H

#include <array>
#include <cstdint>

#include "l10n/language.h"

constexpr int kDictionaryRows = 108;
constexpr int32_t kSeparatorWordId = -1;

extern const std::array<const char*, kDictionaryRows * kLanguageCount> FTX_Dictionary;
extern const int32_t FTX_DictIndex[kDictionaryRows];

// The word ids of the dictionary (see dictionary_rows.h for every row).
enum FTX_WORDIDS : int32_t {
  kWordLanguageName = 0,
  kWordOK = 1,
  kWordCancel = 2,
  kWordYes = 3,
  kWordNo = 4,
  kWordDefault = 5,
  kWordApply = 6,
  kWordClose = 7,
  kWordGo = 8,
  kWordUndo = 9,
  kWordRedo = 10,
  kWordWebPage = 11,
  kWordAll = 12,
  kWordNone = 13,
  kWordPlay = 14,
  kWordListen = 15,
  kWordOptions = 16,
  kWordDelete = 17,
  kWordRemove = 18,
  kWordNext = 19,
  kWordPrevious = 20,
  kWordRevert = 21,
  kWordRedraw = 22,
  kWordRelative = 23,
  kWordRegister = 24,
  kWordOptimize = 25,
  kWordMore = 26,
  kWordAdd = 27,
  kWordEdit = 28,
  kWordUpperStaff = 250,
  kWordLowerStaff = 251,
  kWordHidden = 252,
  kWordOptimized = 253,
  kWordOf = 254,
  kWordTo = 255,
  kWordAnd = 256,
  kWordDotted = 257,
  kWordDoubleDotted = 258,
  kWordDoubleWhole = 101,
  kWordWhole = 102,
  kWordHalf = 103,
  kWordQuarter = 104,
  kWordEighth = 105,
  kWordSixteenth = 106,
  kWordThirtySecond = 107,
  kWordSixtyFourth = 108,
  kWordHundredTwentyEighth = 109,
  kWordEVPU = 201,
  kWordInch = 202,
  kWordCentimeter = 203,
  kWordCm = 204,
  kWordPoint = 205,
  kWordPica = 206,
  kWordSpace = 207,
  kWordTriplet = 301,
  kWordTuplet = 302,
  kWordMeasure = 303,
  kWordStaff = 304,
  kWordSystem = 305,
  kWordPage = 306,
  kWordFile = 307,
  kWordPickup = 308,
  kWordStep = 309,
  kWordHalfStep = 310,
  kWordGraceNote = 311,
  kWordChord = 312,
  kWordArticulation = 313,
  kWordRest = 314,
  kWordAccidental = 315,
  kWordClef = 316,
  kWordDot = 317,
  kWordSlur = 318,
  kWordTie = 319,
  kWordBeam = 320,
  kWordKeySignature = 321,
  kWordNatural = 322,
  kWordSharp = 323,
  kWordFlat = 324,
  kWordDoubleSharp = 325,
  kWordDoubleFlat = 326,
  kWordTimeSignature = 327,
};

#endif
