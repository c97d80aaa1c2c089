// Writing dunvaro-sim's output files: each is written to a temporary name next
// to it and renamed into place, so a failure never leaves a partial file.
#ifndef SIM_CLI_OUTPUT_FILES_H
#define SIM_CLI_OUTPUT_FILES_H

#include <string>

namespace cli {

// Throws UsageError when the directory that would hold `path` does not exist,
// so that a run can be refused before it starts.
void check_output_directory(const std::string& path);

// Throws std::runtime_error naming the file when it cannot be written.
void write_file(const std::string& path, const std::string& text);

}  // namespace cli

#endif
