// Runs the built zephyrod-cli as a process: what only the executable does,
// beyond Run() — the exit status, the exact bytes it writes (Run()'s text on
// Linux, with CR LF ending every line on Windows) and arguments read as
// Unicode on Windows.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "default_design.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#endif

namespace {

struct ProcessRun {
    std::string out;
    std::string err;
    int status = -1;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

#ifdef _WIN32

std::wstring Wide(const std::string& utf8) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

HANDLE CreateOutputFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The test's arguments hold neither quotes nor backslashes, so quoting each
// one is enough for the program's command line.
int RunProcess(const std::vector<std::string>& args, const std::string& out,
               const std::string& err) {
    std::wstring command = L"\"" + Wide(ZEPHYROD_CLI) + L"\"";
    for (const std::string& arg : args) {
        command += L" \"" + Wide(arg) + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = CreateOutputFile(out);
    startup.hStdError = CreateOutputFile(err);
    PROCESS_INFORMATION process{};
    DWORD status = 0xFFFFFFFF;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    return static_cast<int>(status);
}

#else

int RunProcess(const std::vector<std::string>& args, const std::string& out,
               const std::string& err) {
    std::vector<char*> argv{const_cast<char*>(ZEPHYROD_CLI)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    int raw = 0;
    const bool started =
        posix_spawn(&pid, ZEPHYROD_CLI, &actions, nullptr, argv.data(), nullptr) == 0 &&
        waitpid(pid, &raw, 0) == pid;
    posix_spawn_file_actions_destroy(&actions);
    return started && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

#endif

ProcessRun RunCliProcess(const std::vector<std::string>& args) {
    const std::string base = testing::TempDir() + "zephyrod-cli-" +
                             testing::UnitTest::GetInstance()->current_test_info()->name();
    ProcessRun run;
    run.status = RunProcess(args, base + ".out", base + ".err");
    run.out = ReadFile(base + ".out");
    run.err = ReadFile(base + ".err");
    return run;
}

#ifdef _WIN32
const std::string kLineEnd = "\r\n";
#else
const std::string kLineEnd = "\n";
#endif

TEST(CliProcess, DefaultsExactBytesAndStatusZero) {
    std::string expected;
    for (const auto& line : zephyrod::testdata::kDefaultResults) {
        expected += line + kLineEnd;
    }
    expected += kLineEnd;
    for (const auto& line : zephyrod::testdata::kDefaultSweep) {
        expected += line + kLineEnd;
    }
    const ProcessRun run = RunCliProcess({});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
}

// Every line written ends as the system's lines do: on Windows in CR LF (the
// report's, the CSV's and an error's alike); on Linux as Run() gives it (LF,
// CR LF in the CSV as RFC 4180 has it).
TEST(CliProcess, EveryLineEndsAsTheSystemsLinesDo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"0.5"}, {"--csv", "0.5"}, {"--csv"}, {"--bad"}}) {
        const std::vector<std::string_view> views(args.begin(), args.end());
        const zephyrod::cli::Outcome expected = zephyrod::cli::Run(views);
        const ProcessRun run = RunCliProcess(args);
        EXPECT_EQ(run.status, expected.status) << args[0];
#ifdef _WIN32
        for (const std::string* text : {&run.out, &run.err}) {
            std::size_t lines = 0;
            std::size_t crlf = 0;
            for (std::size_t i = 0; i < text->size(); ++i) {
                lines += (*text)[i] == '\n';
                crlf += (*text)[i] == '\n' && i > 0 && (*text)[i - 1] == '\r';
            }
            EXPECT_EQ(crlf, lines) << args[0] << ": " << *text;
        }
#else
        EXPECT_EQ(run.out, expected.out) << args[0];
        EXPECT_EQ(run.err, expected.err) << args[0];
#endif
    }
}

// Full-width digits, as an East Asian input method types them: not a number,
// and the error shows them as typed.
TEST(CliProcess, UnicodeArgumentShownAsTypedInTheError) {
    const std::string typed = "\xEF\xBC\x97.\xEF\xBC\x90\xEF\xBC\x97";  // "７.０７"
    const ProcessRun run = RunCliProcess({typed});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("\"" + typed + "\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Type mismatch"), std::string::npos) << run.err;
}

}  // namespace
