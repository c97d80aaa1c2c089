#include "platform/posix/dialog_template.h"

namespace standin::detail {
namespace {

constexpr WORD kOrdinalMark = 0xFFFF;

// The Unicode characters of Windows-1252's bytes 0x80..0x9F (0 where the code
// page has no character).
constexpr WORD kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char to_1252(WORD unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return char(unit);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] != 0 && kHighControls[i] == unit) return char(0x80 + i);
  return '?';
}

const char* atom_class(WORD atom) {
  switch (atom) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return nullptr;
  }
}

// Reads forward through a template, refusing to step past its end.
class Reader {
 public:
  Reader(const BYTE* bytes, size_t size) : bytes_(bytes), size_(size) {}
  bool ok() const { return ok_; }
  size_t offset() const { return at_; }

  WORD word() {
    if (!has(2)) return 0;
    WORD w = WORD(bytes_[at_] | bytes_[at_ + 1] << 8);
    at_ += 2;
    return w;
  }
  DWORD dword() {
    DWORD low = word();
    return low | DWORD(word()) << 16;
  }
  short coordinate() { return short(word()); }
  void skip(size_t n) {
    if (has(n)) at_ += n;
  }
  void align4() { skip(((at_ + 3) & ~size_t(3)) - at_); }

  // A zero-terminated UTF-16 string whose first unit was already read.
  std::string rest_of_string(WORD first) {
    std::string text;
    for (WORD unit = first; ok_ && unit != 0; unit = word()) text += to_1252(unit);
    return text;
  }
  // A field that is empty, an ordinal (answered in *ordinal, -1 otherwise) or a string.
  std::string string_or_ordinal(long* ordinal) {
    *ordinal = -1;
    WORD first = word();
    if (first == kOrdinalMark) {
      *ordinal = word();
      return std::string();
    }
    return rest_of_string(first);
  }

 private:
  bool has(size_t n) {
    if (!ok_ || n > size_ - at_) ok_ = false;
    return ok_;
  }
  const BYTE* bytes_;
  size_t size_;
  size_t at_ = 0;
  bool ok_ = true;
};

DialogUnits read_units(Reader& r) {
  DialogUnits u;
  u.x = r.coordinate();
  u.y = r.coordinate();
  u.cx = r.coordinate();
  u.cy = r.coordinate();
  return u;
}

bool read_item(Reader& r, DialogItemTemplate* item) {
  r.align4();
  item->style = r.dword();
  item->ex_style = r.dword();
  item->units = read_units(r);
  item->id = r.word();
  long atom = -1;
  item->class_name = r.string_or_ordinal(&atom);
  if (atom >= 0) {
    const char* name = atom_class(WORD(atom));
    if (name == nullptr) return false;
    item->class_name = name;
  }
  long text_ordinal = -1;
  item->text = r.string_or_ordinal(&text_ordinal);
  r.skip(r.word());
  return r.ok();
}

}  // namespace

bool parse_dialog_template(const BYTE* bytes, size_t size, DialogTemplate* out) {
  if (bytes == nullptr) return false;
  Reader r(bytes, size);
  *out = DialogTemplate{};
  out->style = r.dword();
  if (LOWORD(out->style) == 1 && HIWORD(out->style) == 0xFFFF) return false;  // DLGTEMPLATEEX
  out->ex_style = r.dword();
  const WORD count = r.word();
  out->units = read_units(r);
  long ordinal = -1;
  r.string_or_ordinal(&ordinal);  // the menu: a modeless dialog of ours has none
  out->class_name = r.string_or_ordinal(&ordinal);
  if (ordinal >= 0) out->class_name = ordinal == 0x8002 ? "" : "#" + std::to_string(ordinal);
  out->caption = r.string_or_ordinal(&ordinal);
  if (out->style & DS_SETFONT) {
    out->has_font = true;
    out->point_size = r.word();
    out->font = r.string_or_ordinal(&ordinal);
  }
  for (WORD i = 0; i < count && r.ok(); ++i) {
    DialogItemTemplate item;
    if (!read_item(r, &item)) return false;
    out->items.push_back(std::move(item));
  }
  return r.ok();
}

}  // namespace standin::detail
