#include "sim/cli/session_run.h"

#include <stdexcept>

#include "platform/posix/testing.h"

namespace cli {

SessionRun::SessionRun(const sim::ScoreFile& file, const RunWatcher& watcher, bool keep_view)
    : file_(file), before_(file.score), plugin_(file, watcher, keep_view), watcher_(watcher) {
  standin::set_message_box_observer([this](const standin::MessageBoxRecord& box) {
    boxes_.push_back(SeenBox{ShownBox{box.caption, box.text}, page_named(box.text, plugin_.page_at())});
    if (watcher_.on_box) watcher_.on_box(boxes_.back().box);
  });
}

SessionRun::~SessionRun() { standin::set_message_box_observer({}); }

void SessionRun::hold(const sim::ScoreFile& file) {
  const uint32_t version = file_.host_version;  // the host program stays the same
  file_ = file;
  file_.host_version = version;
  sim::Host& host = plugin_.host();
  host.score() = file.score;
  host.set_document_open(file.view.document_open);
  host.set_page_view(file.view.page_view);
  host.set_current_page(file.view.current_page);
  before_ = host.score();
}

HWND SessionRun::pick_menu() {
  if (loaded_) return plugin_.pick_menu_again();
  loaded_ = true;
  return plugin_.open_dialog();
}

sim::Person SessionRun::person() const {
  const HWND open = dialog();
  if (open == nullptr) throw std::invalid_argument("the dialog is not open");
  return sim::Person(open);
}

}  // namespace cli
