#include "sim/host/plugin_session.h"

#include <stdexcept>

namespace sim {
namespace {

constexpr size_t kTextSize = 64;

std::string text_at(const unsigned char* field) {
  size_t length = 0;
  while (length < kTextSize && field[length] != 0) ++length;
  return std::string(reinterpret_cast<const char*>(field), length);
}

int16_t word_at(const unsigned char* bytes) { return int16_t(uint16_t(bytes[0] | bytes[1] << 8)); }

template <typename Proc>
void bind(HMODULE module, const char* library, const char* name, Proc* out) {
  FARPROC address = GetProcAddress(module, name);
  if (address == nullptr) throw std::runtime_error(std::string(library) + " does not export " + name);
  *out = reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

MenuItem decode_menu_item(const unsigned char (&record)[kPluginMenuItemSize]) {
  MenuItem item;
  item.text = text_at(record);
  item.short_name = text_at(record + kTextSize);
  item.full_name = text_at(record + 2 * kTextSize);
  item.word192 = word_at(record + 3 * kTextSize);
  item.word194 = word_at(record + 3 * kTextSize + 2);
  return item;
}

PluginSession::PluginSession(Host& host, const char* library) : host_(host) {
  module_ = LoadLibraryA(library);
  if (module_ == nullptr) throw std::runtime_error(std::string("cannot load ") + library);
  try {
    bind(module_, library, "FinaleExtensionVersion", &version_);
    bind(module_, library, "FinaleExtensionInit", &init_);
    bind(module_, library, "FinaleExtensionEnumerate", &enumerate_);
    bind(module_, library, "FinaleExtensionGetMenuStatus", &menu_status_);
    bind(module_, library, "FinaleExtensionInvoke", &invoke_);
    bind(module_, library, "FinaleExtensionTerminate", &terminate_);
  } catch (...) {
    FreeLibrary(module_);
    throw;
  }
  host_.set_plugin_module(module_);
}

PluginSession::~PluginSession() {
  if (host_.plugin_module() == module_) host_.set_plugin_module(nullptr);
  FreeLibrary(module_);
}

uint32_t PluginSession::version() { return version_(host_.version_word()); }

int32_t PluginSession::init() {
  flags_ = 0;
  return init_(host_.main_window(), &flags_);
}

std::vector<MenuItem> PluginSession::enumerate() {
  std::vector<MenuItem> items;
  for (int16_t index = 0; index < kMostMenuItems; ++index) {
    unsigned char record[kPluginMenuItemSize] = {};
    if (enumerate_(0, index, record) == 0) break;
    items.push_back(decode_menu_item(record));
  }
  return items;
}

int32_t PluginSession::invoke() {
  if (menu_status_(0) == 0) return 0;
  return invoke_(host_.main_window(), 0, 0, 0);
}

int32_t PluginSession::terminate() { return terminate_(0); }

HWND PluginSession::dialog() const {
  HWND dialog = host_.last_dialog();
  return dialog != nullptr && IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace sim
