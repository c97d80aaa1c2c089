// Returning the whole stand-in, except the module table, to its start.
#include "platform/posix/testing.h"

namespace standin {

void reset() {
  reset_windows();
  clear_registry();
  clear_keys();
  clear_message_boxes();
  clear_beeps();
  set_os_version(VER_PLATFORM_WIN32_NT, 6, 2, 9200);
  set_screen_size(1024, 768);
  set_ui_language(0x0409);
  set_default_language(0x0409);
  SetLastError(0);
}

}  // namespace standin
