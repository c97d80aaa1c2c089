#include "host/pref_maps.h"

#include <cstddef>

#include "host/record_tags.h"

namespace {

#define PREF_ROW(c1, c2, first, second, offset, word, size, conversion) \
  { 0, {c1, c2}, first, second, offset, word, size, conversion }

// Each map lists its rows in the order the transfers serve them. A row reads:
// source tag 'ot' + two characters, first key (0: -2), second key, byte offset
// in the preference record, source word, width, conversion.

// 48 bytes, 22 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTPageFormatPrefsScore_MAP_ARRAY[] = {
    PREF_ROW('1', '4', 0, 0, 0, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('1', '5', 0, 0, 4, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('3', '9', 0, 0, 8, 2, 2, MAPCONV_NONE),
    PREF_ROW('1', '6', 0, 0, 10, 0, 2, MAPCONV_NONE),
    PREF_ROW('1', '6', 0, 0, 12, 1, 2, MAPCONV_NONE),
    PREF_ROW('1', '6', 0, 0, 14, 2, 2, MAPCONV_NONE),
    PREF_ROW('1', '6', 0, 0, 16, 3, 2, MAPCONV_NONE),
    PREF_ROW('0', '2', 0, 0, 18, 0, 2, MAPCONV_NONE),
    PREF_ROW('0', '2', 0, 0, 20, 1, 2, MAPCONV_NONE),
    PREF_ROW('0', '2', 0, 0, 22, 2, 2, MAPCONV_NONE),
    PREF_ROW('0', '2', 0, 0, 24, 3, 2, MAPCONV_NONE),
    PREF_ROW('1', '7', 0, 0, 26, 0, 2, MAPCONV_NONE),
    PREF_ROW('1', '7', 0, 0, 28, 1, 2, MAPCONV_NONE),
    PREF_ROW('1', '7', 0, 0, 30, 3, 2, MAPCONV_NONE),
    PREF_ROW('1', '7', 0, 0, 32, 2, 2, MAPCONV_NONE),
    PREF_ROW('0', '1', 0, 0, 34, 4, 2, MAPCONV_NONE),
    PREF_ROW('0', '2', 0, 0, 36, 4, 2, MAPCONV_NONE),
    PREF_ROW('1', '3', 0, 0, 38, 5, 2, MAPCONV_NONE),
    PREF_ROW('1', '3', 0, 0, 40, 4, 2, MAPCONV_NONE),
    PREF_ROW('0', '2', 0, 0, 42, 5, 2, MAPCONV_NONE),
    PREF_ROW('0', '3', 0, 0, 44, 0, 2, MAPCONV_NONE),
    PREF_ROW('0', '3', 0, 0, 46, 1, 2, MAPCONV_NONE),
};

// 50 bytes, 25 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTExtractPrefs_MAP_ARRAY[] = {
    PREF_ROW('7', '7', 0, 4, 0, 1, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 4, 2, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 4, 4, 3, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 4, 6, 4, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 4, 8, 5, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 5, 10, 0, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 5, 12, 1, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 5, 14, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 5, 16, 3, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 5, 18, 4, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 5, 20, 5, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 6, 22, 0, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 6, 24, 1, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 6, 26, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 6, 28, 3, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 6, 30, 4, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 6, 32, 5, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 7, 34, 0, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 7, 36, 1, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 7, 38, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 7, 40, 3, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 7, 46, 4, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 7, 48, 5, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 8, 42, 0, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 8, 44, 1, 2, MAPCONV_NONE),
};

// 14 bytes, 7 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTPlaybackPrefs_MAP_ARRAY[] = {
    PREF_ROW('1', '3', 0, 0, 0, 1, 2, MAPCONV_NONE),
    PREF_ROW('3', '9', 0, 0, 2, 3, 2, MAPCONV_NONE),
    PREF_ROW('3', '6', 0, 0, 4, 0, 2, MAPCONV_NONE),
    PREF_ROW('3', '6', 0, 0, 6, 5, 2, MAPCONV_NONE),
    PREF_ROW('3', '7', 0, 0, 8, 0, 2, MAPCONV_NONE),
    PREF_ROW('3', '7', 0, 0, 10, 1, 2, MAPCONV_NONE),
    PREF_ROW('3', '7', 0, 0, 12, 2, 2, MAPCONV_NONE),
};

// 96 bytes, 43 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTSmartShapePrefs_MAP_ARRAY[] = {
    PREF_ROW('9', '2', 0, 0, 0, 0, 2, MAPCONV_NONE),
    PREF_ROW('9', '2', 0, 0, 2, 1, 2, MAPCONV_NONE),
    PREF_ROW('9', '2', 0, 0, 4, 2, 2, MAPCONV_NONE),
    PREF_ROW('9', '2', 0, 0, 6, 3, 2, MAPCONV_NONE),
    PREF_ROW('F', 'I', 11, 0, 8, 0, 2, MAPCONV_NONE),
    PREF_ROW('F', 'I', 11, 0, 10, 1, 2, MAPCONV_NONE),
    PREF_ROW('F', 'I', 12, 0, 12, 4, 2, MAPCONV_NONE),
    PREF_ROW('F', 'I', 11, 0, 14, 4, 2, MAPCONV_NONE),
    PREF_ROW('F', 'I', 12, 0, 16, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('F', 'I', 12, 0, 20, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('F', 'I', 11, 0, 24, 2, 2, MAPCONV_NONE),
    PREF_ROW('F', 'I', 11, 0, 26, 5, 2, MAPCONV_NONE),
    PREF_ROW('1', '2', 0, 0, 28, 5, 2, MAPCONV_LOWBYTE),
    PREF_ROW('1', '1', 0, 0, 30, 5, 2, MAPCONV_LOWBYTE),
    PREF_ROW('6', '9', 0, 0, 32, 4, 2, MAPCONV_LOWBYTE),
    PREF_ROW('6', '9', 0, 0, 34, 5, 2, MAPCONV_LOWBYTE),
    PREF_ROW('6', '9', 0, 0, 36, 2, 2, MAPCONV_LOWBYTE),
    PREF_ROW('6', '9', 0, 0, 38, 3, 2, MAPCONV_LOWBYTE),
    PREF_ROW('5', '1', 0, 0, 40, 5, 2, MAPCONV_NONE),
    PREF_ROW('5', '3', 0, 0, 42, 5, 2, MAPCONV_NONE),
    PREF_ROW('5', '1', 0, 0, 44, 4, 2, MAPCONV_NONE),
    PREF_ROW('5', '3', 0, 0, 46, 4, 2, MAPCONV_NONE),
    PREF_ROW('5', '0', 0, 0, 48, 4, 2, MAPCONV_NONE),
    PREF_ROW('5', '3', 0, 1, 50, 0, 2, MAPCONV_NONE),
    PREF_ROW('5', '3', 0, 1, 52, 1, 2, MAPCONV_NONE),
    PREF_ROW('5', '3', 0, 1, 54, 2, 2, MAPCONV_NONE),
    PREF_ROW('5', '3', 0, 1, 56, 3, 2, MAPCONV_NONE),
    PREF_ROW('5', '1', 0, 0, 58, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('5', '1', 0, 0, 62, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('5', '3', 0, 0, 66, 2, 2, MAPCONV_NONE),
    PREF_ROW('5', '3', 0, 0, 68, 0, 2, MAPCONV_NONE),
    PREF_ROW('5', '3', 0, 0, 70, 1, 2, MAPCONV_NONE),
    PREF_ROW('9', '3', 0, 0, 72, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('5', '3', 0, 0, 76, 3, 2, MAPCONV_NONE),
    PREF_ROW('5', '0', 0, 0, 78, 5, 2, MAPCONV_NONE),
    PREF_ROW('5', '0', 0, 0, 80, 0, 2, MAPCONV_NONE),
    PREF_ROW('5', '0', 0, 0, 82, 1, 2, MAPCONV_NONE),
    PREF_ROW('5', '0', 0, 0, 84, 2, 2, MAPCONV_NONE),
    PREF_ROW('5', '0', 0, 0, 86, 3, 2, MAPCONV_NONE),
    PREF_ROW('9', '7', 0, 1, 88, 0, 2, MAPCONV_NONE),
    PREF_ROW('9', '7', 0, 1, 90, 1, 2, MAPCONV_NONE),
    PREF_ROW('9', '7', 0, 1, 92, 2, 2, MAPCONV_NONE),
    PREF_ROW('9', '7', 0, 1, 94, 3, 2, MAPCONV_NONE),
};

// 44 bytes, 11 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTPianoBracePrefs_MAP_ARRAY[] = {
    PREF_ROW('6', '5', 0, 0, 0, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '0', 0, 0, 4, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '5', 0, 0, 8, 4, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '0', 0, 0, 12, 4, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '1', 0, 0, 16, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '1', 0, 0, 20, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '1', 0, 0, 24, 4, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '0', 0, 0, 28, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '4', 0, 0, 32, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('4', '5', 0, 0, 36, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('4', '5', 0, 0, 40, 4, 4, MAPCONV_LONG_HIGHFIRST),
};

// 40 bytes, 20 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTRepeatPrefs_MAP_ARRAY[] = {
    PREF_ROW('7', '0', 0, 0, 0, 0, 2, MAPCONV_NONE),
    PREF_ROW('7', '0', 0, 0, 2, 1, 2, MAPCONV_NONE),
    PREF_ROW('7', '0', 0, 0, 4, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '0', 0, 0, 6, 3, 2, MAPCONV_NONE),
    PREF_ROW('7', '0', 0, 0, 8, 4, 2, MAPCONV_NONE),
    PREF_ROW('7', '0', 0, 0, 10, 5, 2, MAPCONV_NONE),
    PREF_ROW('7', '1', 0, 0, 12, 0, 2, MAPCONV_NONE),
    PREF_ROW('7', '1', 0, 0, 14, 1, 2, MAPCONV_NONE),
    PREF_ROW('7', '1', 0, 0, 16, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '1', 0, 0, 18, 3, 2, MAPCONV_NONE),
    PREF_ROW('7', '1', 0, 0, 20, 4, 2, MAPCONV_NONE),
    PREF_ROW('7', '1', 0, 0, 22, 5, 2, MAPCONV_NONE),
    PREF_ROW('0', '5', 0, 0, 24, 3, 2, MAPCONV_NONE),
    PREF_ROW('7', '2', 0, 0, 26, 0, 2, MAPCONV_NONE),
    PREF_ROW('7', '6', 0, 0, 28, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '2', 0, 0, 30, 1, 2, MAPCONV_NONE),
    PREF_ROW('7', '2', 0, 0, 32, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '2', 0, 0, 34, 3, 2, MAPCONV_NONE),
    PREF_ROW('7', '2', 0, 0, 36, 4, 2, MAPCONV_NONE),
    PREF_ROW('7', '2', 0, 0, 38, 5, 2, MAPCONV_NONE),
};

// 104 bytes, 49 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTMiscDocPrefs_MAP_ARRAY[] = {
    PREF_ROW('3', '6', 0, 0, 0, 4, 2, MAPCONV_NONE),
    PREF_ROW('0', '3', 0, 0, 2, 4, 2, MAPCONV_NONE),
    PREF_ROW('0', '3', 0, 0, 4, 5, 2, MAPCONV_NONE),
    PREF_ROW('0', '9', 0, 0, 6, 5, 2, MAPCONV_NONE),
    PREF_ROW('3', '6', 0, 0, 8, 2, 2, MAPCONV_NONE),
    PREF_ROW('3', '6', 0, 0, 10, 3, 2, MAPCONV_NONE),
    PREF_ROW('3', '6', 0, 0, 12, 1, 2, MAPCONV_BOOL_INVERT),
    PREF_ROW('4', '1', 0, 0, 14, 0, 2, MAPCONV_NONE),
    PREF_ROW('4', '1', 0, 0, 16, 1, 2, MAPCONV_NONE),
    PREF_ROW('2', '0', 0, 0, 18, 0, 2, MAPCONV_NONE),
    PREF_ROW('2', '7', 0, 0, 20, 1, 2, MAPCONV_NONE),
    PREF_ROW('0', '1', 0, 0, 22, 0, 2, MAPCONV_NONE),
    PREF_ROW('1', '3', 0, 0, 24, 2, 2, MAPCONV_NONE),
    PREF_ROW('1', '5', 0, 0, 26, 4, 2, MAPCONV_NONE),
    PREF_ROW('2', '7', 0, 0, 28, 0, 2, MAPCONV_NONE),
    PREF_ROW('2', '7', 0, 0, 30, 4, 2, MAPCONV_NONE),
    PREF_ROW('4', '4', 0, 0, 32, 4, 2, MAPCONV_NONE),
    PREF_ROW('2', '7', 0, 0, 34, 2, 2, MAPCONV_NONE),
    PREF_ROW('1', '2', 0, 0, 36, 2, 2, MAPCONV_NONE),
    PREF_ROW('1', '2', 0, 0, 38, 3, 2, MAPCONV_NONE),
    PREF_ROW('1', '2', 0, 0, 40, 1, 2, MAPCONV_NONE),
    PREF_ROW('4', '1', 0, 2, 42, 1, 2, MAPCONV_NONE),
    PREF_ROW('2', '3', 0, 0, 44, 1, 2, MAPCONV_NONE),
    PREF_ROW('1', '9', 0, 0, 46, 2, 2, MAPCONV_NONE),
    PREF_ROW('1', '9', 0, 0, 48, 3, 2, MAPCONV_NONE),
    PREF_ROW('3', '1', 0, 0, 50, 5, 2, MAPCONV_NONE),
    PREF_ROW('1', '9', 0, 0, 52, 4, 2, MAPCONV_LOWBYTE),
    PREF_ROW('1', '9', 0, 0, 54, 5, 2, MAPCONV_LOWBYTE),
    PREF_ROW('4', '4', 0, 0, 56, 3, 2, MAPCONV_NONE),
    PREF_ROW('0', '5', 0, 0, 58, 4, 2, MAPCONV_NONE),
    PREF_ROW('0', '5', 0, 0, 60, 5, 2, MAPCONV_NONE),
    PREF_ROW('1', '3', 0, 0, 62, 0, 2, MAPCONV_NONE),
    PREF_ROW('4', '1', 0, 0, 64, 5, 2, MAPCONV_NONE),
    PREF_ROW('1', '2', 0, 0, 66, 4, 2, MAPCONV_NONE),
    PREF_ROW('0', '1', 0, 0, 68, 1, 2, MAPCONV_NONE),
    PREF_ROW('9', '3', 0, 0, 70, 4, 2, MAPCONV_NONE),
    PREF_ROW('7', '6', 0, 0, 72, 4, 2, MAPCONV_NONE),
    PREF_ROW('9', '3', 0, 0, 74, 2, 2, MAPCONV_NONE),
    PREF_ROW('7', '6', 0, 0, 76, 3, 2, MAPCONV_NONE),
    PREF_ROW('1', '7', 0, 0, 78, 5, 2, MAPCONV_NONE),
    PREF_ROW('2', '3', 0, 0, 80, 4, 2, MAPCONV_NONE),
    PREF_ROW('1', '6', 0, 0, 82, 5, 2, MAPCONV_NONE),
    PREF_ROW('6', '2', 0, 0, 84, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '2', 0, 0, 88, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('4', '1', 0, 2, 92, 0, 2, MAPCONV_NONE),
    PREF_ROW('4', '1', 0, 0, 94, 2, 2, MAPCONV_NONE),
    PREF_ROW('4', '1', 0, 1, 96, 3, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('7', '6', 0, 0, 100, 5, 2, MAPCONV_NONE),
    PREF_ROW('F', 'I', 10, 0, 102, 2, 2, MAPCONV_NONE),
};

// 54 bytes, 23 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTSizePrefs_MAP_ARRAY[] = {
    PREF_ROW('6', '7', 0, 0, 0, 2, 2, MAPCONV_NONE),
    PREF_ROW('5', '8', 0, 0, 2, 4, 2, MAPCONV_NONE),
    PREF_ROW('6', '8', 0, 0, 4, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '2', 0, 0, 8, 4, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('0', '3', 0, 0, 12, 3, 2, MAPCONV_NONE),
    PREF_ROW('2', '3', 0, 0, 14, 0, 2, MAPCONV_NONE),
    PREF_ROW('1', '4', 0, 0, 16, 2, 2, MAPCONV_NONE),
    PREF_ROW('6', '4', 0, 0, 18, 1, 2, MAPCONV_NONE),
    PREF_ROW('2', '7', 0, 0, 20, 3, 2, MAPCONV_NONE),
    PREF_ROW('5', '8', 0, 0, 22, 5, 2, MAPCONV_NONE),
    PREF_ROW('5', '9', 0, 0, 24, 0, 2, MAPCONV_NONE),
    PREF_ROW('5', '9', 0, 0, 26, 1, 2, MAPCONV_NONE),
    PREF_ROW('0', '1', 0, 0, 28, 2, 2, MAPCONV_NONE),
    PREF_ROW('5', '9', 0, 0, 30, 2, 2, MAPCONV_NONE),
    PREF_ROW('0', '1', 0, 0, 32, 3, 2, MAPCONV_NONE),
    PREF_ROW('9', '7', 0, 0, 34, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('2', '0', 0, 0, 38, 4, 2, MAPCONV_NONE),
    PREF_ROW('2', '0', 0, 0, 40, 5, 2, MAPCONV_NONE),
    PREF_ROW('0', '3', 0, 0, 42, 2, 2, MAPCONV_NONE),
    PREF_ROW('2', '1', 0, 0, 44, 2, 2, MAPCONV_NONE),
    PREF_ROW('6', '4', 0, 0, 46, 5, 2, MAPCONV_NONE),
    PREF_ROW('9', '7', 0, 0, 48, 2, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '9', 0, 0, 52, 0, 2, MAPCONV_NONE),
};

// 76 bytes, 36 rows.
const PREFERENCE_LOCATION_MAPRECORD EDTDistancePrefs_MAP_ARRAY[] = {
    PREF_ROW('2', '1', 0, 0, 0, 3, 2, MAPCONV_NONE),
    PREF_ROW('2', '1', 0, 0, 2, 5, 2, MAPCONV_NONE),
    PREF_ROW('5', '9', 0, 0, 4, 3, 2, MAPCONV_NONE),
    PREF_ROW('5', '9', 0, 0, 6, 4, 2, MAPCONV_NONE),
    PREF_ROW('2', '2', 0, 0, 8, 1, 2, MAPCONV_NONE),
    PREF_ROW('2', '2', 0, 0, 10, 2, 2, MAPCONV_NONE),
    PREF_ROW('2', '2', 0, 0, 12, 3, 2, MAPCONV_NONE),
    PREF_ROW('6', '7', 0, 0, 14, 3, 2, MAPCONV_NONE),
    PREF_ROW('6', '7', 0, 0, 16, 4, 2, MAPCONV_NONE),
    PREF_ROW('6', '8', 0, 0, 18, 4, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('2', '0', 0, 0, 22, 1, 2, MAPCONV_NONE),
    PREF_ROW('2', '0', 0, 0, 24, 2, 2, MAPCONV_NONE),
    PREF_ROW('1', '3', 0, 0, 26, 3, 2, MAPCONV_NONE),
    PREF_ROW('1', '9', 0, 0, 28, 0, 2, MAPCONV_NONE),
    PREF_ROW('1', '9', 0, 0, 30, 1, 2, MAPCONV_NONE),
    PREF_ROW('6', '8', 0, 0, 32, 0, 2, MAPCONV_NONE),
    PREF_ROW('2', '1', 0, 0, 34, 1, 2, MAPCONV_NONE),
    PREF_ROW('6', '8', 0, 0, 36, 1, 2, MAPCONV_NONE),
    PREF_ROW('2', '1', 0, 0, 38, 0, 2, MAPCONV_NONE),
    PREF_ROW('2', '7', 0, 0, 40, 5, 2, MAPCONV_NONE),
    PREF_ROW('1', '8', 0, 0, 42, 0, 2, MAPCONV_NONE),
    PREF_ROW('1', '8', 0, 0, 44, 2, 2, MAPCONV_NONE),
    PREF_ROW('1', '8', 0, 0, 46, 1, 2, MAPCONV_NONE),
    PREF_ROW('2', '1', 0, 0, 48, 4, 2, MAPCONV_NONE),
    PREF_ROW('3', '9', 0, 0, 50, 0, 2, MAPCONV_NONE),
    PREF_ROW('3', '9', 0, 0, 52, 1, 2, MAPCONV_NONE),
    PREF_ROW('6', '5', 0, 0, 54, 0, 4, MAPCONV_LONG_HIGHFIRST),
    PREF_ROW('6', '7', 0, 0, 58, 1, 2, MAPCONV_NONE),
    PREF_ROW('1', '8', 0, 0, 60, 5, 2, MAPCONV_NONE),
    PREF_ROW('6', '7', 0, 0, 62, 0, 2, MAPCONV_NONE),
    PREF_ROW('1', '8', 0, 0, 64, 3, 2, MAPCONV_NONE),
    PREF_ROW('1', '8', 0, 0, 66, 4, 2, MAPCONV_NONE),
    PREF_ROW('1', '4', 0, 0, 68, 4, 2, MAPCONV_NONE),
    PREF_ROW('1', '4', 0, 0, 70, 5, 2, MAPCONV_NONE),
    PREF_ROW('0', '1', 0, 0, 74, 5, 2, MAPCONV_NONE),
    PREF_ROW('7', '7', 0, 4, 72, 0, 2, MAPCONV_NONE),
};

#undef PREF_ROW

struct PrefMapEntry {
  uint32_t tag;
  const PREFERENCE_LOCATION_MAPRECORD* rows;
  int16_t count;
};

#define PREF_MAP(tag, map) {tag, map, int16_t(sizeof(map) / sizeof(map[0]))}

const PrefMapEntry kPrefMaps[] = {
    PREF_MAP(fx_tag('p', 'f', 'P', 'F'), EDTPageFormatPrefsScore_MAP_ARRAY),
    PREF_MAP(fx_tag('p', 'f', 'E', 'X'), EDTExtractPrefs_MAP_ARRAY),
    PREF_MAP(fx_tag('p', 'f', 'P', 'L'), EDTPlaybackPrefs_MAP_ARRAY),
    PREF_MAP(fx_tag('p', 'f', 'S', 'S'), EDTSmartShapePrefs_MAP_ARRAY),
    PREF_MAP(fx_tag('p', 'f', 'P', 'B'), EDTPianoBracePrefs_MAP_ARRAY),
    PREF_MAP(fx_tag('p', 'f', 'R', 'P'), EDTRepeatPrefs_MAP_ARRAY),
    PREF_MAP(fx_tag('p', 'f', 'M', 'S'), EDTMiscDocPrefs_MAP_ARRAY),
    PREF_MAP(fx_tag('p', 'f', 'S', 'I'), EDTSizePrefs_MAP_ARRAY),
    PREF_MAP(fx_tag('p', 'f', 'D', 'P'), EDTDistancePrefs_MAP_ARRAY),
};

#undef PREF_MAP

// A run applies to key numbers first..last; kAnyKey marks a run without condition.
constexpr int16_t kAnyKey = -32768;

struct PrefRunEntry {
  uint32_t tag;
  int16_t firstKey;
  int16_t lastKey;
  uint32_t sourceTag;
  int16_t count;
  bool secondKeyFollowsKey;  // s = key - 1 instead of 0
};

const PrefRunEntry kPrefRuns[] = {
    {fx_tag('p', 'f', 'P', 'F'), 1, 1, fx_tag('o', 't', '7', '7'), 4, false},
    {fx_tag('p', 'f', 'G', 'd'), kAnyKey, 0, fx_tag('o', 't', '8', '0'), 1, false},
    {fx_tag('p', 'f', 'G', 'G'), kAnyKey, 0, fx_tag('o', 't', '8', '8'), 11, false},
    {fx_tag('p', 'f', 'G', 'D'), kAnyKey, 0, fx_tag('o', 't', '7', '9'), 1, false},
    {fx_tag('p', 'f', 'G', 'b'), 1, 4, fx_tag('o', 't', '9', '8'), 1, true},
    {fx_tag('p', 'f', 'M', 'M'), kAnyKey, 0, fx_tag('o', 't', '2', '5'), 2, false},
    {fx_tag('p', 'f', 'G', 's'), 1, 1, fx_tag('o', 't', '9', '1'), 1, false},
    {fx_tag('p', 'f', 'N', 'D'), kAnyKey, 0, fx_tag('o', 't', '0', '4'), 1, false},
    {fx_tag('p', 'f', 'N', 'd'), kAnyKey, 0, fx_tag('o', 't', '6', '6'), 1, false},
    {fx_tag('p', 'f', 'T', 'C'), kAnyKey, 0, fx_tag('o', 't', '8', '6'), 5, false},
    {fx_tag('p', 'f', 'S', 'N'), 1, 128, fx_tag('o', 't', '4', '0'), 1, true},
    {fx_tag('p', 'f', 'S', 'C'), kAnyKey, 0, fx_tag('o', 't', '5', '2'), 2, false},
    {fx_tag('p', 'f', 'S', 'P'), kAnyKey, 0, fx_tag('o', 't', '9', '4'), 3, false},
    {fx_tag('p', 'f', 'S', 'l'), 1, 15, fx_tag('o', 't', '2', '6'), 1, true},
    {fx_tag('p', 'f', 'T', 'X'), kAnyKey, 0, fx_tag('o', 't', '7', '8'), 8, false},
    {fx_tag('p', 'f', 'T', 'I'), kAnyKey, 0, fx_tag('o', 't', '8', '4'), 4, false},
    {fx_tag('p', 'f', 'T', 'p'), kAnyKey, 0, fx_tag('o', 't', '8', '5'), 4, false},
    {fx_tag('p', 'f', 'T', 's'), 1, 9, fx_tag('o', 't', '9', '0'), 1, true},
};

bool run_applies(const PrefRunEntry& run, int16_t key) {
  return run.firstKey == kAnyKey || (key >= run.firstKey && key <= run.lastKey);
}

}  // namespace

bool mapPrefStruct(uint32_t tag, int16_t key, const PREFERENCE_LOCATION_MAPRECORD** map, int16_t* rows) {
  if (tag == fx_tag('p', 'f', 'P', 'F') && key != 0) return false;
  for (const PrefMapEntry& entry : kPrefMaps) {
    if (entry.tag != tag) continue;
    if (map != nullptr) *map = entry.rows;
    if (rows != nullptr) *rows = entry.count;
    return true;
  }
  return false;
}

uint32_t mapPrefTag(uint32_t tag, int16_t key, int16_t* count, int16_t* firstSecondKey) {
  int16_t n = 0;
  int16_t s = 0;
  uint32_t source = 0;
  for (const PrefRunEntry& run : kPrefRuns) {
    if (run.tag != tag || !run_applies(run, key)) continue;
    source = run.sourceTag;
    n = run.count;
    s = run.secondKeyFollowsKey ? int16_t(key - 1) : 0;
    break;
  }
  if (count != nullptr) *count = n;
  if (firstSecondKey != nullptr) *firstSecondKey = s;
  return source;
}

int32_t makePrefsFourbyte(int16_t first, int16_t second, MAP_ARRAY_CONVERSION conversion) {
  uint32_t high;
  uint32_t low;
  switch (conversion) {
    case MAPCONV_LONG_HIGHFIRST:
      high = uint16_t(first);
      low = uint16_t(second);
      break;
    case MAPCONV_LONG_LOWFIRST:
      high = uint16_t(second);
      low = uint16_t(first);
      break;
    default:
      return 0;
  }
  return int32_t((high << 16) | low);
}

void makePrefsTwobytes(int32_t value, int16_t* first, int16_t* second, MAP_ARRAY_CONVERSION conversion) {
  const int16_t high = int16_t(value >> 16);
  const int16_t low = int16_t(uint32_t(value) & 0xFFFFu);
  switch (conversion) {
    case MAPCONV_LONG_HIGHFIRST:
      *first = high;
      *second = low;
      break;
    case MAPCONV_LONG_LOWFIRST:
      *first = low;
      *second = high;
      break;
    default:
      break;
  }
}

uint32_t prefRowSourceTag(const PREFERENCE_LOCATION_MAPRECORD& row) {
  return kOtherTagBase | (uint32_t(uint8_t(row.otherTag[0])) << 8) | uint32_t(uint8_t(row.otherTag[1]));
}

int16_t prefRowFirstKey(const PREFERENCE_LOCATION_MAPRECORD& row) {
  return row.firstKey == 0 ? int16_t(-2) : row.firstKey;
}

bool prefRowsShareSource(const PREFERENCE_LOCATION_MAPRECORD& a, const PREFERENCE_LOCATION_MAPRECORD& b) {
  return prefRowSourceTag(a) == prefRowSourceTag(b) && prefRowFirstKey(a) == prefRowFirstKey(b) &&
         a.secondKey == b.secondKey;
}

void prefRowLeaders(const PREFERENCE_LOCATION_MAPRECORD* map, int16_t rows, int16_t* leader) {
  for (int16_t i = 0; i < rows; ++i) {
    leader[i] = i;
    for (int16_t j = 0; j < i; ++j) {
      if (leader[j] == j && prefRowsShareSource(map[j], map[i])) {
        leader[i] = j;
        break;
      }
    }
  }
}

int32_t prefMapRecordSize(const PREFERENCE_LOCATION_MAPRECORD* map, int16_t rows) {
  int32_t size = 0;
  for (int16_t i = 0; i < rows; ++i) size += map[i].byteSize;
  return size;
}
