// Every file a dunvaro-sim run writes, decided in one place before the run
// and written together after it.
//
// plan_outputs() checks, before anything runs, that each file can be written
// and that no two of them, nor any of them and the input score (but -o, which
// may respace a score in place), are the same file, also through a symbolic link or another spelling of the path (an
// existing file is known by its device and inode, a new one by its folder's
// canonical path and its name). It refuses a folder, a missing folder (unless
// the file may create its folders, as the registry file does) and a file or
// folder that is write-protected: one whose mode grants no write permission at
// all is refused even for root, for whom access() would allow it.
//
// write_outputs() writes a regular (or new) file to a temporary file beside it
// and renames every one into place only when all of them are complete; a
// device or pipe (/dev/stdout, /dev/null) is written in place before the
// renames. A replaced file keeps its mode and owner, and a symbolic link stays
// a link: the file it points to is replaced. SIGINT, SIGTERM and SIGHUP while
// the files are written remove the temporary files before the program ends as
// the signal says. A failure leaves no temporary file and every file as it
// was, except a device written before it, and throws std::runtime_error naming
// the file and the problem.
#ifndef SIM_CLI_OUTPUT_FILES_H
#define SIM_CLI_OUTPUT_FILES_H

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

// One file a run may write: the path as given and the option that named it
// ("-o", "--svg", "--registry", ...), which the messages use.
struct OutputFile {
  std::string path;
  std::string option;
  bool creates_folders = false;  // missing folders on its path are made when it is written
  bool replaces_input = false;   // may name the input score (-o: respacing a score in place)
};

// A file of the plan: what was given and what will be written.
struct PlannedFile {
  OutputFile given;
  std::string target;     // the file written: `given.path` with its links followed
  std::string temporary;  // beside `target`; empty for a device or pipe written in place
  bool exists = false;
  unsigned mode = 0;  // of the existing file, kept when it is replaced
  unsigned owner = 0;
  unsigned group = 0;
};

struct OutputPlan {
  std::vector<PlannedFile> files;
};

// `input` is the score file read ("-" for standard input, checked when it is
// redirected from a file). Files with an empty path are not part of the plan.
// Throws UsageError naming the file and the problem.
OutputPlan plan_outputs(const std::string& input, const std::vector<OutputFile>& files);

// Writes `texts[option]` to each file of the plan (a file without a text is
// not written), then prints "Wrote PATH" for each, in the plan's order.
void write_outputs(const OutputPlan& plan, const std::map<std::string, std::string>& texts, std::ostream& out);

}  // namespace cli

#endif
