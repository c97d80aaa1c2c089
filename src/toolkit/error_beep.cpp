#include "toolkit/error_beep.h"

BOOL FTX_ErrorBeep() {
  const BOOL played = MessageBeep(MB_ICONEXCLAMATION);
  if (played != 0) return played;
  return MessageBeep(0xFFFFFFFFu);
}
