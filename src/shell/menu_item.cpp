#include "shell/menu_item.h"

#include <cstring>

const char szMenuTitle[] = "KV &Dunvaro [v 1.20]...";
const char szMenuShortName[] = "Dunvaro";
const char szMenuFullName[] = "KV Dunvaro";

// Each text keeps its terminating NUL inside its field.
static_assert(sizeof szMenuTitle <= kMenuTextSize);
static_assert(sizeof szMenuShortName <= kMenuTextSize);
static_assert(sizeof szMenuFullName <= kMenuTextSize);

void KVTR_FillMenuItem(FinaleExtensionMenuItem* item) {
  std::strncpy(item->szMenuText, szMenuTitle, kMenuTextSize);
  std::strncpy(item->szShortName, szMenuShortName, kMenuTextSize);
  std::strncpy(item->szFullName, szMenuFullName, kMenuTextSize);
  item->word192 = 0;
  item->word194 = 0;
}
