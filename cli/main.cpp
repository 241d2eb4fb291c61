// zephyrod-cli: the calculator without its window.
#include <cstdio>
#include <string_view>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const zephyrod::cli::Outcome outcome = zephyrod::cli::Run(args);
    std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
    std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
    return std::fflush(stdout) == 0 ? outcome.status : 1;
}
