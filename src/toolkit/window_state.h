// The host's windows, view, keyboard and focus as the dialog sees them: one
// include for the whole group.
#ifndef KV_TOOLKIT_WINDOW_STATE_H
#define KV_TOOLKIT_WINDOW_STATE_H

#include "toolkit/document_view.h"
#include "toolkit/error_beep.h"
#include "toolkit/focus.h"
#include "toolkit/key_state.h"
#include "toolkit/notify_hooks.h"

#endif
