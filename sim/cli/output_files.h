// Writing dunvaro-sim's output files. A regular file (or a new one) is written
// to a temporary file beside it and renamed into place, so that a failure
// leaves neither a partial file nor the temporary behind and an existing file
// as it was. A target that exists and is not a regular file (a terminal, a
// pipe, /dev/null) is written in place, every write checked. Every failure is
// a std::runtime_error whose message names the file and the problem.
#ifndef SIM_CLI_OUTPUT_FILES_H
#define SIM_CLI_OUTPUT_FILES_H

#include <functional>
#include <string>

namespace cli {

// Throws UsageError when `path` could not be written: its folder is missing
// or not writable, or `path` names a folder. Lets a run be refused before it
// starts.
void check_output_path(const std::string& path);

void write_file(const std::string& path, const std::string& text);

// As write_file, for a writer that writes the whole file at the path it is
// given and answers false when it could not.
void write_file_with(const std::string& path, const std::function<bool(const std::string&)>& writer);

}  // namespace cli

#endif
