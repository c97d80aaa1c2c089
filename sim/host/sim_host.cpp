#include "sim/host/sim_host.h"

#include <stdexcept>

#include "sim/host/dispatch.h"
#include "sim/host/exports.h"
#include "sim/score/score_options.h"

namespace sim {
namespace {

size_t index_of(const std::string& function) {
  const int index = export_index(function);
  if (index < 0) throw std::invalid_argument("the host has no function " + function);
  return size_t(index);
}

}  // namespace

Host::Host() : builtin_(export_count()), overrides_(export_count()) {
  add_record_functions(*this);
  add_message_functions(*this);
  add_layout_update_function(*this);
  add_window_info_function(*this);
  add_dialog_item_functions(*this);
  add_measurement_field_functions(*this);
  add_dialog_manager_functions(*this);
}

Host::~Host() { detail::forget_host(this); }

void Host::override(const std::string& function, Handler handler) {
  overrides_[index_of(function)] = std::move(handler);
}

void Host::restore(const std::string& function) { overrides_[index_of(function)] = nullptr; }

void Host::set_builtin(const std::string& function, Handler handler) {
  builtin_[index_of(function)] = std::move(handler);
}

FxWord Host::answer(int index, const Args& args) {
  if (index < 0 || size_t(index) >= builtin_.size()) return 0;
  if (overrides_[index]) return overrides_[index](args);
  if (builtin_[index]) return builtin_[index](args);
  return 0;
}

int16_t Host::add_page(const Page& page) {
  score_.pages.push_back(page);
  return int16_t(score_.pages.size());
}

int16_t Host::add_system(const StaffSystem& system) {
  score_.systems.push_back(system);
  return int16_t(score_.systems.size());
}

void Host::add_staff(int16_t number, bool hidden) { score_.staves[number].hidden = hidden; }

void Host::add_instrument_list(int16_t list, std::vector<InstrumentListEntry> entries) {
  score_.instrument_lists[list] = std::move(entries);
}

int16_t Host::add_measure(uint16_t flags) {
  score_.measures.push_back(Measure{flags});
  return int16_t(score_.measures.size());
}

void Host::set_extracted_part(bool in_use) { sim::set_extracted_part(score_, in_use); }
void Host::set_avoid_collision(bool selected) { sim::set_avoid_collision(score_, selected); }
void Host::set_unit(int16_t unit) { sim::set_unit(score_, unit); }

void Host::mark_not_laid_out(int16_t from) {
  for (size_t i = from < 1 ? 0 : size_t(from) - 1; i < score_.pages.size(); ++i) score_.pages[i].laid_out = false;
}

const Page& Host::page(int16_t number) const { return score_.pages.at(size_t(number) - 1); }
const StaffSystem& Host::system(int16_t number) const { return score_.systems.at(size_t(number) - 1); }

void Host::set_page_view(bool page_view) {
  view_.page_view = page_view;
  windows_.show(view_);
}

void Host::set_current_page(int16_t page) {
  view_.current_page = page;
  windows_.show(view_);
}

void Host::set_document_open(bool open) {
  view_.document_open = open;
  windows_.show(view_);
}

void Host::raise_language_changed() {
  static const char kRegionalSettings[] = "intl";
  SendMessageA(main_window(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kRegionalSettings));
}

void Host::raise_activation(bool active) { SendMessageA(main_window(), WM_ACTIVATEAPP, active ? TRUE : FALSE, 0); }

void Host::raise_closing() { SendMessageA(main_window(), WM_CLOSE, 0, 0); }

DocumentWindows& Host::windows() {
  windows_.ensure(view_);
  return windows_;
}

}  // namespace sim
