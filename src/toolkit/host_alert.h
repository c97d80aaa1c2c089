// Messages to the user through the host's own alert box.
#ifndef KV_TOOLKIT_HOST_ALERT_H
#define KV_TOOLKIT_HOST_ALERT_H

// Shows `text` (Windows-1252, caller-owned) in the host's alert; returns when
// the host does.
void FTX_ShowHostAlert(const char* text);

#endif
