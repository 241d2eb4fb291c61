// zephyrod-cli: the calculator without its window.
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"
#include "console.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = zephyrod::cli::ProgramArguments(argc, argv);
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    const zephyrod::cli::Outcome outcome = zephyrod::cli::Run(args);
    const bool written = zephyrod::cli::WriteText(zephyrod::cli::Stream::Out, outcome.out);
    zephyrod::cli::WriteText(zephyrod::cli::Stream::Err, outcome.err);
    return written ? outcome.status : 1;
}
