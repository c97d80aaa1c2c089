// Keeping the settings record between sessions of the host: one binary value,
// "UserDialog" under HKEY_CURRENT_USER\Software\KVPlugins\KVDunvaro104, holding
// the record's 22-byte image (eleven little-endian 16-bit fields, no version,
// no checksum). The shell loads it once when the host initialises the plug-in
// and saves it once when the host terminates it; nothing else touches it.
//
// Every function takes the caller's record and keeps no state. Registry keys
// are closed before the function returns.
#ifndef KV_SETTINGS_REGISTRY_SETTINGS_H
#define KV_SETTINGS_REGISTRY_SETTINGS_H

#include "platform/win32.h"
#include "globals/user_prefs.h"

extern const char szRegistryKey[];    // "Software\KVPlugins\KVDunvaro104"
extern const char szUserDialogReg[];  // "UserDialog"

// Writes the defaults into every field but firstPage and lastPage (the shell
// sets those). Returns `prefs`; null writes nothing and returns null.
structUserPrefs* KVTR_REG_SetDefaults(structUserPrefs* prefs);

// Writes the defaults, then lays the stored value over them. A value that is
// not REG_BINARY, or is longer than the record, is ignored; a shorter one
// replaces only the whole 16-bit fields it covers (a trailing odd byte is
// dropped), the others keep their defaults.
// Returns ERROR_SUCCESS when the value was taken, else the first registry
// error (no key, no value, value too long: ERROR_MORE_DATA; wrong type:
// ERROR_INVALID_DATA), or the error of closing the key.
// A null record: ERROR_INVALID_PARAMETER, the registry is not read.
LSTATUS KVTR_REG_LoadSettings(structUserPrefs* prefs);

// Creates or opens the key and writes the record's 22 bytes as REG_BINARY.
// Returns ERROR_SUCCESS only when the value was written and the key closed;
// otherwise the first error (creating the key, writing, closing).
// A null record: ERROR_INVALID_PARAMETER, nothing is written.
LSTATUS KVTR_REG_SaveSettings(const structUserPrefs* prefs);

#endif
