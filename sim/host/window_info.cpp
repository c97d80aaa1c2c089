// FX_GetCurrentWindowInfo(record, version): fills the window-information record
// of the current document and answers 1; answers 0 without touching the record
// when no document window is active or the record pointer is null.
#include "sim/host/window_info.h"

#include <cstring>

#include "sim/host/sim_host.h"

namespace sim {
namespace {

constexpr int kTitleLength = 260;
constexpr int kWindowOffset = 260;
constexpr int kPageViewOffset = 268;
constexpr int kPageOffset = 272;

}  // namespace

Bytes encode_window_info(const DocumentWindows& windows, const DocumentView& view) {
  Bytes image(kWindowInfoRecordSize, 0);
  char title[kTitleLength] = {};
  GetWindowTextA(windows.document(), title, kTitleLength);
  std::memcpy(image.data(), title, kTitleLength);
  put_u32(&image[kWindowOffset], uint32_t(reinterpret_cast<uintptr_t>(windows.music_view())));
  put_u16(&image[kPageViewOffset], view.page_view ? 1 : 0);
  put_u16(&image[kPageOffset], uint16_t(view.current_page));
  return image;
}

void add_window_info_function(Host& host) {
  host.set_builtin("FX_GetCurrentWindowInfo", [&host](const Args& a) -> FxWord {
    void* record = reinterpret_cast<void*>(a[0]);
    if (record == nullptr || !host.view().document_open) return 0;
    const Bytes image = encode_window_info(host.windows(), host.view());
    std::memcpy(record, image.data(), image.size());
    return 1;
  });
}

}  // namespace sim
