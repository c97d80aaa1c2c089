// Message boxes, beeps, key state, the operating-system version, screen
// metrics, Windows-1252 character classes and case mapping, and the string
// functions of the stand-in. Include platform/win32.h.
#ifndef KV_PLATFORM_POSIX_WIN32_SYSTEM_H
#define KV_PLATFORM_POSIX_WIN32_SYSTEM_H

#include <cstdarg>

#include "platform/posix/win32_types.h"

// Message boxes: buttons, icons, default button, modality.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L
#define MB_DEFMASK 0x00000F00L

// Dialog and message-box answers.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDCLOSE 8
#define IDHELP 9

// Shows a modal box; answers the button pressed, or 0 when the box cannot be
// shown (an owner that is not a window). The stand-in logs every call and
// answers from a script (standin::queue_message_box_answer); unscripted boxes
// are answered with their default button.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
// Plays a sound: 0xFFFFFFFF is the simple beep, MB_ICON* the system sounds.
// Logged; answers TRUE unless scripted otherwise.
BOOL MessageBeep(UINT uType);

// Virtual keys.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_PAUSE 0x13
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_LSHIFT 0xA0
#define VK_RSHIFT 0xA1
#define VK_LCONTROL 0xA2
#define VK_RCONTROL 0xA3
#define VK_LMENU 0xA4
#define VK_RMENU 0xA5

// A key that is down answers with the high bit set (0xFF80 as Windows gives
// it, so both bit 0x8000 and bit 0x80 test as "down"); bit 1 is the toggle.
// Shift, Ctrl and Alt are down when either of their left or right keys is.
SHORT GetKeyState(int nVirtKey);

// Operating-system version. GetVersionExA fails (FALSE, ERROR_INSUFFICIENT_
// BUFFER) unless dwOSVersionInfoSize is 148 or 156 (the extended record).
#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2

typedef struct _OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  CHAR szCSDVersion[128];
} OSVERSIONINFOA, *POSVERSIONINFOA, *LPOSVERSIONINFOA;

typedef struct _OSVERSIONINFOEXA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  CHAR szCSDVersion[128];
  WORD wServicePackMajor;
  WORD wServicePackMinor;
  WORD wSuiteMask;
  BYTE wProductType;
  BYTE wReserved;
} OSVERSIONINFOEXA, *POSVERSIONINFOEXA, *LPOSVERSIONINFOEXA;

static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA is 148 bytes");
static_assert(sizeof(OSVERSIONINFOEXA) == 156, "OSVERSIONINFOEXA is 156 bytes");

BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation);

// Screen metrics (pixels). Unknown indices answer 0.
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXFULLSCREEN 16
#define SM_CYFULLSCREEN 17
#define SM_CXMINIMIZED 57
#define SM_CYMINIMIZED 58
#define SM_XVIRTUALSCREEN 76
#define SM_YVIRTUALSCREEN 77
#define SM_CXVIRTUALSCREEN 78
#define SM_CYVIRTUALSCREEN 79
#define SM_CMONITORS 80

int GetSystemMetrics(int nIndex);

// Milliseconds on the stand-in's simulated clock: 0 after standin::reset(),
// moved on only by standin::advance_clock.
DWORD GetTickCount(void);
// nNumber * nNumerator / nDenominator through 64 bits, rounded to the nearest
// (halves away from zero); -1 when nDenominator is 0 or the result overflows.
int MulDiv(int nNumber, int nNumerator, int nDenominator);
// Languages: a LANGID holds the primary language in its low 10 bits and the
// sublanguage above them. GetUserDefaultUILanguage answers the language of the
// user's Windows interface (English, United States, 0x0409, unless set);
// GetUserDefaultLangID the user's default language (for formats and sorting,
// also 0x0409 unless set). Like Windows, the stand-in's "KERNEL32.DLL" module
// exports GetUserDefaultUILanguage only when the version it reports is
// Windows 2000, Me or later.
typedef WORD LANGID;
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))
#define PRIMARYLANGID(lgid) ((WORD)(lgid) & 0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)
#define LANG_NEUTRAL 0x00
#define LANG_DANISH 0x06
#define LANG_GERMAN 0x07
#define LANG_ENGLISH 0x09
#define LANG_SPANISH 0x0a
#define LANG_FINNISH 0x0b
#define LANG_FRENCH 0x0c
#define LANG_ITALIAN 0x10
#define LANG_DUTCH 0x13
#define LANG_NORWEGIAN 0x14
#define LANG_PORTUGUESE 0x16
#define LANG_SWEDISH 0x1d
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_ENGLISH_US 0x01
#define SUBLANG_ENGLISH_UK 0x02
#define SUBLANG_DUTCH 0x01
#define SUBLANG_DUTCH_BELGIAN 0x02
#define SUBLANG_NORWEGIAN_BOKMAL 0x01
#define SUBLANG_NORWEGIAN_NYNORSK 0x02

LANGID GetUserDefaultUILanguage(void);
LANGID GetUserDefaultLangID(void);

// Windows-1252 character classes and case mapping (the user's code page in
// the stand-in). CharUpperA and CharLowerA convert a string in place and
// return it; given a pointer whose bits above the low 16 are zero they
// convert the single character in its low byte and return it the same way.
LPSTR CharUpperA(LPSTR lpsz);
LPSTR CharLowerA(LPSTR lpsz);
DWORD CharUpperBuffA(LPSTR lpsz, DWORD cchLength);
DWORD CharLowerBuffA(LPSTR lpsz, DWORD cchLength);
BOOL IsCharAlphaA(CHAR ch);
BOOL IsCharAlphaNumericA(CHAR ch);
BOOL IsCharUpperA(CHAR ch);
BOOL IsCharLowerA(CHAR ch);

// Strings. lstrlenA of null is 0. lstrcpynA copies at most iMaxLength - 1
// characters and always terminates when iMaxLength is at least 1.
int lstrlenA(LPCSTR lpString);
LPSTR lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength);

// Formatting: %c %d %i %u %x %X %s and %%, with the flags - # 0, a width, a
// precision and the size prefixes h, l and I64 (l is 32-bit, as on Windows).
// Writes at most 1024 characters including the terminating zero and answers
// the number written without it. No floating point.
int WINAPIV wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...);
int wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist);

#endif
