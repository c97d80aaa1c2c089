// Dialogs made from templates (CreateDialogIndirectParamA, CreateDialogParamA)
// and the dialog units they are laid out in (MapDialogRect).
//
// Base units: Windows derives a dialog's base units from its font, baseY the
// font's cell height and baseX its average character width (the width of
// "A".."Z" and "a".."z" divided by 26, rounded), at the screen's resolution.
// The stand-in's screen is 96 dpi, where 8-point "MS Sans Serif" measures
// 6 x 13 and the system font (dialogs without DS_SETFONT) 8 x 16. Those are
// the values it uses; other fonts are scaled from the 8-point values by their
// point size, an approximation no dialog of ours relies on.
#include <cstring>

#include "platform/posix/dialog_template.h"
#include "platform/posix/module_table.h"
#include "platform/posix/resource_file.h"
#include "platform/posix/testing.h"
#include "platform/posix/window_store.h"

using standin::detail::DialogTemplate;
using standin::detail::find;

namespace {

constexpr WORD kDialogResourceType = 5;

struct BaseUnits {
  int x;
  int y;
};

BaseUnits base_units(const DialogTemplate& t) {
  if (!t.has_font) return BaseUnits{8, 16};
  const int points = t.point_size == 0 ? 8 : t.point_size;
  return BaseUnits{MulDiv(6, points, 8), MulDiv(13, points, 8)};
}

// Position and size are converted each on its own, as Windows does, so a
// window's right edge is x + cx in pixels, not the conversion of x + cx.
RECT to_pixels(const standin::detail::DialogUnits& u, BaseUnits base) {
  const int x = MulDiv(u.x, base.x, 4), y = MulDiv(u.y, base.y, 8);
  return RECT{x, y, x + MulDiv(u.cx, base.x, 4), y + MulDiv(u.cy, base.y, 8)};
}

HWND create_control(HWND dialog, HINSTANCE instance, const standin::detail::DialogItemTemplate& item,
                    BaseUnits base) {
  const RECT r = to_pixels(item.units, base);
  return CreateWindowExA(item.ex_style | WS_EX_NOPARENTNOTIFY, item.class_name.c_str(), item.text.c_str(),
                         item.style | WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
}

// The first control that takes the focus from the keyboard: a visible,
// enabled control with WS_TABSTOP, in window order.
HWND first_tab_stop(HWND dialog) {
  for (HWND child : standin::children(dialog)) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE)) return child;
  }
  return nullptr;
}

// The dialog window itself, hidden, at its template position.
HWND create_frame(HINSTANCE instance, const DialogTemplate& t, HWND owner, BaseUnits base) {
  RECT r = to_pixels(t.units, base);
  const bool child = (t.style & WS_CHILD) != 0;
  if (owner != nullptr && !child && !(t.style & DS_ABSALIGN)) {
    POINT origin{0, 0};
    ClientToScreen(owner, &origin);
    r = RECT{r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y};
  }
  DWORD ex_style = t.ex_style;
  if (t.style & DS_MODALFRAME) ex_style |= WS_EX_DLGMODALFRAME;
  const char* class_name = t.class_name.empty() ? "#32770" : t.class_name.c_str();
  return CreateWindowExA(ex_style, class_name, t.caption.c_str(), t.style & ~DWORD(WS_VISIBLE), r.left, r.top,
                         r.right - r.left, r.bottom - r.top, owner, nullptr, instance, nullptr);
}

HWND create_dialog(HINSTANCE instance, const DialogTemplate& t, HWND owner, DLGPROC proc, LPARAM param) {
  const BaseUnits base = base_units(t);
  HWND dialog = create_frame(instance, t, owner, base);
  if (dialog == nullptr) return nullptr;
  standin::detail::Window* w = find(dialog);
  w->base_x = base.x;
  w->base_y = base.y;
  standin::set_dialog_proc(dialog, proc);
  for (const auto& item : t.items) {
    if (create_control(dialog, instance, item, base) == nullptr) {
      DestroyWindow(dialog);
      return nullptr;
    }
  }
  const LRESULT wants_focus = SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first_tab_stop(dialog)), param);
  if (!IsWindow(dialog)) return nullptr;
  if (wants_focus) {
    if (HWND focus = first_tab_stop(dialog)) SetFocus(focus);
  }
  if ((t.style & WS_VISIBLE) && !(GetWindowLongA(dialog, GWL_STYLE) & WS_VISIBLE)) ShowWindow(dialog, SW_SHOWNORMAL);
  return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace

HWND CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  DialogTemplate t;
  // Windows trusts the template's own structure for its length.
  if (!standin::detail::parse_dialog_template(reinterpret_cast<const BYTE*>(lpTemplate), size_t(-1) / 2, &t)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return create_dialog(hInstance, t, hWndParent, lpDialogFunc, dwInitParam);
}

HWND CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam) {
  const std::vector<unsigned char>* file = standin::module_resource_file(hInstance);
  if (file == nullptr || lpTemplateName == nullptr || !IS_INTRESOURCE(lpTemplateName)) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  const WORD id = LOWORD(reinterpret_cast<ULONG_PTR>(lpTemplateName));
  const standin::detail::ResourceData found = standin::detail::find_resource(*file, kDialogResourceType, id);
  DialogTemplate t;
  if (found.data == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  if (!standin::detail::parse_dialog_template(found.data, found.size, &t)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return create_dialog(hInstance, t, hWndParent, lpDialogFunc, dwInitParam);
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
  standin::detail::Window* w = standin::detail::find_or_fail(hDlg);
  if (w == nullptr || lpRect == nullptr || w->base_x == 0) return FALSE;
  const BaseUnits base{w->base_x, w->base_y};
  *lpRect = RECT{MulDiv(lpRect->left, base.x, 4), MulDiv(lpRect->top, base.y, 8), MulDiv(lpRect->right, base.x, 4),
                 MulDiv(lpRect->bottom, base.y, 8)};
  return TRUE;
}
