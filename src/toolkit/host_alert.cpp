#include "toolkit/host_alert.h"

#include "host/fx_entries.h"

void FTX_ShowHostAlert(const char* text) { FX_AlertMessage(0, 0, 0, fx_word(text), kFxInterfaceVersion); }
