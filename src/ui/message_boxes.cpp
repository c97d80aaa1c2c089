// The message table and the dispatch of page results to it.
#include "ui/message_boxes.h"

#include "engine/page_results.h"
#include "toolkit/error_beep.h"

namespace {

struct Message {
  const char* caption;
  const char* text;  // "%d" stands for the page number where there is one
  uint16_t style;
};

constexpr uint16_t kStop = MB_ICONERROR;             // stop icon, one OK button
constexpr uint16_t kInformation = MB_ICONINFORMATION;  // information icon, one OK button

constexpr Message kNoProcessing = {"Information", "Extra margins are too wide. Page %d was not processed.",
                                   kInformation};
constexpr Message kPageLoad = {"Page Load Error", "Internal error while loading page %d.", kStop};
constexpr Message kSystemLoad = {"System Load Error", "Internal error while loading staff system.", kStop};
constexpr Message kSystemSave = {"System Save Error", "Internal error when trying to save staff system.", kStop};
constexpr Message kNeedUpdate = {"Document Not Updated Error",
                                 "Your music document needs to be updated before correct processing can be done.",
                                 kStop};
constexpr Message kUnknownOption = {
    "Invalid option", "Unknown option for treatment of single staff system. Your registry is probably corrupt.",
    kStop};
constexpr Message kSystemNumber = {"Is the score updated?", "Error when calculating number of staff systems.",
                                   kStop};
constexpr Message kDoNotFit = {"Information", "Staff systems are too tall for the page. Page %d was not processed.",
                               kInformation};
constexpr Message kPageScaling = {"Page Scaling Error", "Invalid page scaling percentage. Page %d was not processed.",
                                  kStop};

void show(HWND window, const Message& message) {
  KVFX_MessageBox(window, message.text, message.caption, message.style);
}

void show_for_page(HWND window, const Message& message, int16_t page) {
  char text[116];
  wsprintfA(text, message.text, int{page});
  KVFX_MessageBox(window, text, message.caption, message.style);
}

}  // namespace

int16_t KVFX_MessageBox(HWND window, const char* text, const char* caption, uint16_t style) {
  return static_cast<int16_t>(MessageBoxA(window, text, caption, UINT{style}));
}

void KVTR_UI_NoProcessingMsgBox(HWND window, int16_t page) { show_for_page(window, kNoProcessing, page); }
void KVTR_UI_ErrorPageLoadMsgBox(HWND window, int16_t page) { show_for_page(window, kPageLoad, page); }
void KVTR_UI_ErrorSystemLoadMsgBox(HWND window) { show(window, kSystemLoad); }
void KVTR_UI_ErrorSystemSaveMsgBox(HWND window) { show(window, kSystemSave); }
void KVTR_UI_ErrorNeedUpdateMsgBox(HWND window) { show(window, kNeedUpdate); }
void KVTR_UI_ErrorUnknownOptionMsgBox(HWND window) { show(window, kUnknownOption); }
void KVTR_UI_ErrorSystemNumberMsgBox(HWND window) { show(window, kSystemNumber); }
void KVTR_UI_SystemsDoNotFitMsgBox(HWND window, int16_t page) { show_for_page(window, kDoNotFit, page); }
void KVTR_UI_InvalidPageScalingMsgBox(HWND window, int16_t page) { show_for_page(window, kPageScaling, page); }

void KVTR_UI_ReportPageResult(HWND window, int16_t page, int16_t result) {
  switch (result) {
    case kPageMarginsTooWide: KVTR_UI_NoProcessingMsgBox(window, page); break;
    case kPageLoadFailed: KVTR_UI_ErrorPageLoadMsgBox(window, page); break;
    case kSystemLoadFailed: KVTR_UI_ErrorSystemLoadMsgBox(window); break;
    case kSystemSaveFailed: KVTR_UI_ErrorSystemSaveMsgBox(window); break;
    case kPageNotLaidOut: KVTR_UI_ErrorNeedUpdateMsgBox(window); break;
    case kUnknownSingleOption: KVTR_UI_ErrorUnknownOptionMsgBox(window); break;
    case kSystemRangeFailed: KVTR_UI_ErrorSystemNumberMsgBox(window); break;
    case kSystemsDoNotFit: KVTR_UI_SystemsDoNotFitMsgBox(window, page); break;
    case kPageScalingInvalid: KVTR_UI_InvalidPageScalingMsgBox(window, page); break;
    default: break;  // processed, no systems, or a code without a message
  }
}

void KVTR_UI_InvalidPageRangeMsgBox(HWND) { FTX_ErrorBeep(); }
void KVTR_UI_InvalidTopMarginMsgBox(HWND) { FTX_ErrorBeep(); }
void KVTR_UI_InvalidBottomMarginMsgBox(HWND) { FTX_ErrorBeep(); }
