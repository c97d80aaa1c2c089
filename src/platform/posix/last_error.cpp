// The last error code. The stand-in has one thread, so one code serves.
#include "platform/win32.h"

namespace {
DWORD last_error = 0;
}

DWORD GetLastError(void) { return last_error; }

void SetLastError(DWORD error) { last_error = error; }
