#include "console.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include "utf16.h"
#endif

namespace zephyrod::cli {

#ifdef _WIN32

std::vector<std::string> ProgramArguments(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) {
            args.push_back(utf16::Narrow(wide[i]));
        }
        LocalFree(wide);
    }
    return args;
}

namespace {

// Windows text ends every line with CR LF: a line that ends with LF alone (the
// report's, an error's) gets its CR; one already ending with CR LF (the CSV's)
// stays as it is.
std::string WithWindowsLineEnds(std::string_view text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    char previous = '\0';
    for (char c : text) {
        if (c == '\n' && previous != '\r') {
            lines += '\r';
        }
        lines += c;
        previous = c;
    }
    return lines;
}

}  // namespace

bool WriteText(Stream stream, std::string_view text) {
    const std::string lines = WithWindowsLineEnds(text);
    std::FILE* file = stream == Stream::Out ? stdout : stderr;
    const HANDLE handle =
        GetStdHandle(stream == Stream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        const std::wstring wide = utf16::Widen(lines);
        DWORD written = 0;
        return wide.empty() || WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()),
                                             &written, nullptr) != 0;
    }
    _setmode(_fileno(file), _O_BINARY);
    return std::fwrite(lines.data(), 1, lines.size(), file) == lines.size() &&
           std::fflush(file) == 0;
}

#else

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

bool WriteText(Stream stream, std::string_view text) {
    std::FILE* file = stream == Stream::Out ? stdout : stderr;
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

#endif

}  // namespace zephyrod::cli
