// The menu item record the plug-in writes for the host: three NUL-padded
// texts of 64 bytes and two 16-bit words, 196 bytes in all.
#ifndef KV_SHELL_MENU_ITEM_H
#define KV_SHELL_MENU_ITEM_H

#include <cstddef>
#include <cstdint>

#include "host/plugin_entry_abi.h"

constexpr size_t kMenuTextSize = 64;

struct FinaleExtensionMenuItem {
  char szMenuText[kMenuTextSize];   // the menu's text, "&" before the accelerator
  char szShortName[kMenuTextSize];
  char szFullName[kMenuTextSize];
  int16_t word192;                  // 0; the host's meaning
  int16_t word194;                  // 0; the host's meaning
};
static_assert(sizeof(FinaleExtensionMenuItem) == kPluginMenuItemSize);
static_assert(offsetof(FinaleExtensionMenuItem, szMenuText) == 0);
static_assert(offsetof(FinaleExtensionMenuItem, szShortName) == 64);
static_assert(offsetof(FinaleExtensionMenuItem, szFullName) == 128);
static_assert(offsetof(FinaleExtensionMenuItem, word192) == 192);
static_assert(offsetof(FinaleExtensionMenuItem, word194) == 194);

extern const char szMenuTitle[];      // "KV &Dunvaro [v 1.20]..."
extern const char szMenuShortName[];  // "Dunvaro"
extern const char szMenuFullName[];   // "KV Dunvaro"

// The plug-in's one menu item, each text copied with a bounded copy that
// pads its field with NUL bytes.
void KVTR_FillMenuItem(FinaleExtensionMenuItem* item);

#endif
