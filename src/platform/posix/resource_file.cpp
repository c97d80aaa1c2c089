#include "platform/posix/resource_file.h"

namespace standin::detail {
namespace {

constexpr WORD kOrdinalMark = 0xFFFF;

size_t align4(size_t offset) { return (offset + 3) & ~size_t(3); }

DWORD read32(const unsigned char* p) { return DWORD(p[0]) | DWORD(p[1]) << 8 | DWORD(p[2]) << 16 | DWORD(p[3]) << 24; }
WORD read16(const unsigned char* p) { return WORD(p[0] | p[1] << 8); }

// A type or name field at `at`, ending before `end`: sets *ordinal (-1 for a
// string) and answers the offset after it, or 0 when it runs past `end`.
size_t read_id(const std::vector<unsigned char>& file, size_t at, size_t end, long* ordinal) {
  if (at + 2 > end) return 0;
  if (read16(&file[at]) == kOrdinalMark) {
    if (at + 4 > end) return 0;
    *ordinal = read16(&file[at + 2]);
    return at + 4;
  }
  *ordinal = -1;
  for (; at + 2 <= end; at += 2)
    if (read16(&file[at]) == 0) return at + 2;
  return 0;
}

}  // namespace

ResourceData find_resource(const std::vector<unsigned char>& file, WORD type, WORD id) {
  size_t at = 0;
  while (at + 8 <= file.size()) {
    const size_t data_size = read32(&file[at]);
    const size_t header_size = read32(&file[at + 4]);
    if (header_size < 8 || header_size > file.size() - at || data_size > file.size() - at - header_size)
      return {};
    const size_t header_end = at + header_size;
    long entry_type = 0;
    long entry_name = 0;
    size_t next = read_id(file, at + 8, header_end, &entry_type);
    if (next != 0) next = read_id(file, next, header_end, &entry_name);
    if (next == 0) return {};
    if (entry_type == type && entry_name == id) return ResourceData{file.data() + header_end, data_size};
    at = align4(header_end + data_size);
  }
  return {};
}

}  // namespace standin::detail
