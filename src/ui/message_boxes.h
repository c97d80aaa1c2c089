// The plug-in's fixed messages. Page results of a respacing run become modal
// message boxes owned by the dialog's window; invalid dialog entries only sound
// the error beep. The texts are English in every language (they do not go
// through the dictionary).
//
// Every function takes the owner window first and returns nothing the callers
// use. A box that cannot be shown is not retried.
#ifndef KV_UI_MESSAGE_BOXES_H
#define KV_UI_MESSAGE_BOXES_H

#include <cstdint>

#include "platform/win32.h"

// The one door to MessageBoxA: the style is widened without sign, the button
// code the box returns (0 when it could not be shown) narrowed to 16 bits.
int16_t KVFX_MessageBox(HWND window, const char* text, const char* caption, uint16_t style);

// Page results (engine/page_results.h): the boxes with a page number print it
// as a signed decimal.
void KVTR_UI_NoProcessingMsgBox(HWND window, int16_t page);
void KVTR_UI_ErrorPageLoadMsgBox(HWND window, int16_t page);
void KVTR_UI_ErrorSystemLoadMsgBox(HWND window);
void KVTR_UI_ErrorSystemSaveMsgBox(HWND window);
void KVTR_UI_ErrorNeedUpdateMsgBox(HWND window);
void KVTR_UI_ErrorUnknownOptionMsgBox(HWND window);
void KVTR_UI_ErrorSystemNumberMsgBox(HWND window);
void KVTR_UI_SystemsDoNotFitMsgBox(HWND window, int16_t page);
void KVTR_UI_InvalidPageScalingMsgBox(HWND window, int16_t page);

// Shows the box that a page's result code asks for, or nothing for codes 0
// and 2 and for any code without a message. Fits KVTR_PageResultReporter
// (engine/page_driver.h): the dialog hands it to KVTR_StartProcess.
void KVTR_UI_ReportPageResult(HWND window, int16_t page, int16_t result);

// Invalid dialog entries: the error beep only, no window; `window` is unused.
void KVTR_UI_InvalidPageRangeMsgBox(HWND window);
void KVTR_UI_InvalidTopMarginMsgBox(HWND window);
void KVTR_UI_InvalidBottomMarginMsgBox(HWND window);

#endif
