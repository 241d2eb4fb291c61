// The headless calculator's arguments and output, the same on every system:
// arguments as UTF-8 texts, output as UTF-8 bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zephyrod::cli {

// The command line's arguments after the program's name, as UTF-8. On Windows
// they are read as Unicode (UTF-16) from the system, whatever the console's
// code page, so that any text a user can type reaches the calculation intact
// and an error can show it as typed; argc and argv are used elsewhere.
std::vector<std::string> ProgramArguments(int argc, char** argv);

enum class Stream { Out, Err };

// Writes UTF-8 text as it is: the bytes to a file or pipe (on Windows too, no
// line ends added, so redirected output is byte for byte the Linux output),
// the characters to a Windows console. Returns false if writing failed.
bool WriteText(Stream stream, std::string_view text);

}  // namespace zephyrod::cli
