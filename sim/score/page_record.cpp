// The page record 'SOPS', key {page, 0}: 22 bytes in every layout version.
#include "sim/score/field_table.h"
#include "sim/score/record_codecs.h"

namespace sim {
namespace {

constexpr int kPageRecordSize = 22;
constexpr int kFirstSystemOffset = 8;

// firstSystem (offset 8, signed 16) is not stored: it follows from the
// systems' pages, and reads 0 while the page is not laid out.
const Field<Page> kPageFields[] = {
    SIM_FIELD(Page, "pageHeight", 0, I32, height),
    SIM_FIELD(Page, "pageWidth", 4, I32, width),
    SIM_FIELD(Page, "pageFlags", 10, U16, flags),
    SIM_FIELD(Page, "topMargin", 12, I16, top_margin),
    SIM_FIELD(Page, "leftMargin", 14, I16, left_margin),
    SIM_FIELD(Page, "bottomMargin", 16, I16, bottom_margin),
    SIM_FIELD(Page, "rightMargin", 18, I16, right_margin),
    SIM_FIELD(Page, "pagePercent", 20, I16, percent),
};

}  // namespace

std::optional<Bytes> load_page_record(const Score& score, const RecordRequest& request) {
  const Page* page = numbered_item(score.pages, request);
  if (page == nullptr) return std::nullopt;
  Bytes image = encode_image(kPageFields, *page, kPageRecordSize);
  const int16_t first = page->laid_out ? first_system_on_page(score, request.first) : 0;
  put_u16(&image[kFirstSystemOffset], uint16_t(first));
  return image;
}

bool save_page_record(Score& score, const RecordRequest& request, const uint8_t* bytes, int32_t size) {
  const Page* page = numbered_item(score.pages, request);
  if (page == nullptr || size != kPageRecordSize) return false;
  decode_fields(kPageFields, bytes, score.pages[size_t(request.first) - 1]);
  return true;
}

}  // namespace sim
