// Case mapping of one 8-bit character by the user's locale (for the Windows
// code page the plug-in's texts use, Windows-1252: 0xE4 becomes 0xC4).
#ifndef KV_UI_CHARACTER_CASE_H
#define KV_UI_CHARACTER_CASE_H

char Win32_toupper(char character);

#endif
