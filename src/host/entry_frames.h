// Entry frames lent by the host (FX_LoadTGF) are normalised before they go back
// to it: every note record in use gets a nonzero note number unique within its
// entry, with the low five bits mirrored in its flags, and spare note slots are
// cleared. See entry_frame_layout.h for the bytes involved.
#ifndef KV_HOST_ENTRY_FRAMES_H
#define KV_HOST_ENTRY_FRAMES_H

// True from the start and never changed by the plug-in: a rest is given one
// note record (flags 0x80000000) when its frame is cleaned.
extern bool CanAddNoteRecordToRests;

// Normalises the note records of every entry of `frame` in place. A null frame,
// a null entry array or an entry count of 0 or less leave everything as it is.
// An entry claiming a note count outside 0..12 is left untouched: its count
// says nothing trustworthy about which of its twelve slots are in use, and the
// slots are never read or written past the twelfth.
void CleanTGF(void* frame);

#endif
