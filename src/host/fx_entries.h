// The plug-in's own FX_ entries: one function per host function, with the host
// function's name and arguments. Each binds the host's export of the same name on
// its first call and calls through it from then on (see fx_binding.h); a host that
// lacks the export gets the table's fixed answer, or nothing is called at all.
//
// Argument types follow the kinds of fx_entry_table.h: a word (FxWord: a value,
// handle or pointer, passed unchanged), signed or unsigned 16-bit, 8-bit, double.
// The result is the host's answer narrowed as the table says, held in a word.
//
// Pointers travel as words: wrap them with fx_word() at the call.
#ifndef KV_HOST_FX_ENTRIES_H
#define KV_HOST_FX_ENTRIES_H

#include <cstdint>

#include "host/host_abi.h"

#define FX_PLUGIN_TYPE_W FxWord
#define FX_PLUGIN_TYPE_S int16_t
#define FX_PLUGIN_TYPE_U uint16_t
#define FX_PLUGIN_TYPE_B uint8_t
#define FX_PLUGIN_TYPE_D double

#define FX_DECLARE_GENERATED(name, ...) FxWord name(FX_NAMED_PARAMS(FX_PLUGIN_TYPE_, __VA_ARGS__));
#define FX_DECLARE_BYHAND(name, ...)
#define FX_ENTRY(name, result, missing, answer, written, ...) FX_DECLARE_##written(name, __VA_ARGS__)
#include "host/fx_entry_table.h"
#undef FX_ENTRY
#undef FX_DECLARE_GENERATED
#undef FX_DECLARE_BYHAND

inline FxWord fx_word(const void* pointer) { return reinterpret_cast<FxWord>(pointer); }

// Record transfers (record_access.cpp, record_cursor.cpp). The key begins with
// two signed 16-bit numbers; `size` of a load is the buffer's capacity in and
// the record's size out. Nonzero means success; the layout version is corrected
// for the size first (version_correction.h), and preference records are
// assembled from and split into the host's other records (pref_maps.h).
FxWord FX_LoadEData(uint32_t tag, void* key, void* buffer, int32_t* size, uint32_t version);
FxWord FX_SaveEData(uint32_t tag, void* key, const void* buffer, int32_t size, uint32_t version);
FxWord FX_CreateEData(uint32_t tag, FxWord word2, FxWord word3, int32_t size, uint32_t version);
FxWord FX_DeleteEData(uint32_t tag, FxWord word2, FxWord word3);
FxWord FX_PreviousEData(uint32_t tag, FxWord word2, FxWord word3, int32_t size, uint32_t version);
FxWord FX_NextEData(uint32_t tag, FxWord word2, FxWord word3, int32_t size, uint32_t version);

// Entry frames (entry_frames.cpp): the frame's note records are normalised
// before it reaches the host.
FxWord FX_SaveTGF(void* frame, FxWord version);
FxWord FX_InsertEXENTRY(void* frame, int16_t word2, int16_t word3, FxWord version);
FxWord FX_DeleteEXENTRY(void* frame, int16_t word2, int16_t word3, FxWord version);
FxWord FX_ReduceEntries(void* frame, FxWord version);

// Edit brackets (edit_brackets.cpp): closings without an open edit never reach the host.
FxWord FX_StartFinaleEdit(FxWord word1, FxWord version);
FxWord FX_EndFinaleEdit(FxWord version);
FxWord FX_CancelFinaleEdit(FxWord version);

// Entries with a behaviour of their own (handwritten_entries.cpp).
FxWord FX_ShowHideDlgItem(FxWord window, FxWord control, int16_t show, FxWord version);
FxWord FX_AnalyzeChord(FxWord word1, FxWord word2, FxWord word3, FxWord version);
FxWord FX_GetPartName(int16_t part, FxWord version);  // a const char*; " " without the host function

#endif
