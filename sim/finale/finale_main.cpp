// FINALE.EXE: the simulated host as a Windows program. It holds a score from
// a score file (or the demo score), exports the host's functions from the
// executable under their host names (finale_exports.def), and shows the host's
// windows: the frame with its "MDIClient" and the document window.
//
//   FINALE.EXE [--score FILE] [--write FILE] [--self-check [--plugin DLL]]
//              [--show-dialog SECONDS [--plugin DLL]]
//
// --self-check looks at the program from the plug-in's side, the way the
// plug-in's binding code and window toolkit do, and prints every mismatch:
// each export found by name through GetModuleHandleA("FINALE.EXE") and
// GetProcAddress, and the window tree (active MDI child, view bar 203, page
// view marker 1016, page box 1005) showing the score's view, and a message
// box caught, read and dismissed by the CBT hook. With --plugin it also loads
// that DLL as the host loads a plug-in and prints where it came from, its
// version and its menu item (an installed plug-in checked in its folder).
// --write writes the host's score back to a score file.
// --show-dialog loads the plug-in (kvdunvaro.dll, or the DLL named by
// --plugin), picks its menu item and leaves its dialog open for SECONDS,
// printing where it is on the screen (for screenshots).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "sim/finale/message_box_catcher.h"
#include "sim/finale/show_dialog.h"
#include "sim/host/exports.h"
#include "sim/host/plugin_session.h"
#include "sim/host/sim_host.h"
#include "sim/score/demo_score.h"
#include "sim/score/score_file.h"

namespace {

struct Options {
  std::string score_path;
  std::string write_path;
  std::string plugin = "kvdunvaro.dll";
  bool plugin_given = false;
  int show_seconds = 0;
  bool self_check = false;
};

bool parse(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--self-check") {
      options->self_check = true;
    } else if ((arg == "--score" || arg == "--write") && i + 1 < argc) {
      (arg == "--score" ? options->score_path : options->write_path) = argv[++i];
    } else if (arg == "--plugin" && i + 1 < argc) {
      options->plugin_given = true;
      options->plugin = argv[++i];
    } else if (arg == "--show-dialog" && i + 1 < argc) {
      options->show_seconds = std::atoi(argv[++i]);
      if (options->show_seconds <= 0) {
        std::fprintf(stderr, "FINALE.EXE: --show-dialog needs a number of seconds\n");
        return false;
      }
    } else {
      std::fprintf(stderr, "FINALE.EXE: unknown argument %s\n", arg.c_str());
      return false;
    }
  }
  return true;
}

void set_up(sim::Host& host, const sim::ScoreFile& file) {
  host.score() = file.score;
  host.set_version_word(file.host_version);
  host.set_document_open(file.view.document_open);
  host.set_page_view(file.view.page_view);
  host.set_current_page(file.view.current_page);
}

int check_exports() {
  int problems = 0;
  HMODULE self = GetModuleHandleA("FINALE.EXE");
  for (size_t i = 0; i < sim::export_count(); ++i) {
    const sim::ExportEntry& entry = sim::export_table()[i];
    FARPROC found = self == nullptr ? nullptr : GetProcAddress(self, entry.name);
    if (found != entry.address) {
      std::printf("export %s: %s\n", entry.name, found == nullptr ? "not found" : "another address");
      ++problems;
    }
  }
  return problems;
}

int check_windows(sim::Host& host) {
  int problems = 0;
  auto expect = [&problems](bool holds, const char* what) {
    if (!holds) {
      std::printf("window tree: %s\n", what);
      ++problems;
    }
  };
  HWND client = FindWindowExA(host.main_window(), nullptr, "MDIClient", nullptr);
  expect(client != nullptr, "no MDIClient in the main window");
  HWND active = client == nullptr ? nullptr : reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
  expect((active != nullptr) == host.view().document_open, "the active MDI child does not follow the open document");
  if (active == nullptr) return problems;
  HWND bar = GetDlgItem(active, sim::kViewBarId);
  expect(bar != nullptr, "no view bar 203 in the document window");
  HWND marker = GetDlgItem(bar, sim::kPageViewMarkerId);
  expect(marker != nullptr && (IsWindowVisible(marker) != FALSE) == host.view().page_view,
         "the page view marker 1016 does not show the view");
  char page[16] = "";
  GetDlgItemTextA(bar, sim::kPageBoxId, page, sizeof page);
  expect(std::to_string(host.view().current_page) == page, "the page box 1005 does not show the current page");
  return problems;
}

// A box shown on the host's thread is caught, read and dismissed with its
// default button.
int check_message_boxes(HWND owner) {
  finale::MessageBoxCatcher catcher;
  const UINT style = MB_OKCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2;
  const int answer = MessageBoxA(owner, "Page 3: no systems", "KV Dunvaro", style);
  const bool caught = catcher.boxes().size() == 1 && catcher.boxes()[0].caption == "KV Dunvaro" &&
                      catcher.boxes()[0].text == "Page 3: no systems" && catcher.boxes()[0].style == style;
  if (!caught || answer != IDCANCEL) {
    std::printf("message boxes: %zu caught", catcher.boxes().size());
    for (const finale::CaughtBox& box : catcher.boxes())
      std::printf(" [%s | %s | style 0x%x]", box.caption.c_str(), box.text.c_str(), box.style);
    std::printf(", MessageBoxA answered %d\n", answer);
    return 1;
  }
  return 0;
}

// The plug-in's entry points answer as the host's menu needs them to.
int check_plugin(sim::Host& host, const char* library) {
  try {
    sim::PluginSession session(host, library);
    const uint32_t version = session.version();
    session.init();
    const std::vector<sim::MenuItem> items = session.enumerate();
    char path[MAX_PATH] = "";
    GetModuleFileNameA(session.module(), path, sizeof path);
    std::printf("plug-in %s: version word 0x%lx, %zu menu item%s%s%s\n", path,
                static_cast<unsigned long>(version), items.size(), items.size() == 1 ? "" : "s",
                items.empty() ? "" : ": ", items.empty() ? "" : items[0].text.c_str());
    session.terminate();
    return items.empty() ? 1 : 0;
  } catch (const std::exception& e) {
    std::printf("plug-in: %s\n", e.what());
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, &options)) return 2;
  try {
    const sim::ScoreFile file =
        options.score_path.empty() ? sim::demo_score() : sim::load_score_file(options.score_path);
    // Declared host faults are injected by dunvaro-sim only; this host runs
    // the score as it is, and says so rather than pass over them in silence.
    if (!file.host_faults.empty())
      std::fprintf(stderr, "FINALE.EXE: the score's host_faults are not injected here (dunvaro-sim injects them)\n");
    sim::Host host;
    set_up(host, file);
    sim::install(host);
    int problems = 0;
    if (options.self_check) {
      problems = check_exports() + check_windows(host) + check_message_boxes(host.main_window());
      if (options.plugin_given) problems += check_plugin(host, options.plugin.c_str());
      std::printf("FINALE.EXE: %zu exports, window tree: %s\n", sim::export_count(),
                  problems == 0 ? "as the plug-in expects" : "problems above");
    }
    if (options.show_seconds > 0 && finale::show_dialog(host, options.plugin.c_str(), options.show_seconds) != 0)
      ++problems;
    if (!options.write_path.empty()) {
      sim::ScoreFile written = file;
      written.score = host.score();
      sim::save_score_file(written, options.write_path);
    }
    return problems == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "FINALE.EXE: %s\n", e.what());
    return 1;
  }
}
