// The headless calculator's arguments and output on every system: arguments as
// UTF-8 texts, output as UTF-8 with the system's line ends.
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

// Writes UTF-8 text: on Linux the bytes as they are; on Windows with every
// line ending in CR LF, as Windows programs and editors expect, the bytes to a
// file or pipe and the characters to a console. Run() gives the same text on
// every system; only here do Windows line ends come in. Returns false if
// writing failed.
bool WriteText(Stream stream, std::string_view text);

}  // namespace zephyrod::cli
