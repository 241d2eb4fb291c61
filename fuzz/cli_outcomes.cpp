// Prints what the headless calculator answers to each input of the corpus
// runner (the corpus files and the generated inputs, each one's four lines as
// four arguments): its exit status, standard output and standard error, byte
// for byte. Two editions' listings must be the same file.
//   cli_outcomes CORPUS_FOLDER
//   cli_outcomes --inputs CORPUS_FOLDER   the inputs themselves, each ended by
//                                         a zero byte, for running the programs
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli.h"
#include "generated_inputs.h"
#include "number_text.h"

namespace {

void Write(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

std::vector<std::string_view> Arguments(std::string_view input) {
    std::vector<std::string_view> args;
    for (std::size_t end; (end = input.find('\n')) != std::string_view::npos;) {
        args.push_back(input.substr(0, end));
        input.remove_prefix(end + 1);
    }
    args.push_back(input);
    return args;
}

void PrintOutcome(const std::string& name, const std::string& input) {
    const zephyrod::cli::Outcome outcome = zephyrod::cli::Run(Arguments(input));
    using zephyrod::IntegerText;
    Write("input " + name + "\nstatus " + IntegerText(outcome.status) + "\nout " +
          IntegerText(static_cast<long long>(outcome.out.size())) + "\n" + outcome.out + "\nerr " +
          IntegerText(static_cast<long long>(outcome.err.size())) + "\n" + outcome.err + "\n");
}

}  // namespace

int main(int argc, char** argv) {
    const bool inputsOnly = argc == 3 && std::string_view(argv[1]) == "--inputs";
    if (argc != 2 && !inputsOnly) {
        std::fputs("usage: cli_outcomes [--inputs] CORPUS_FOLDER\n", stderr);
        return 2;
    }
    const std::vector<zephyrod::fuzz::CorpusFile> corpus =
        zephyrod::fuzz::ReadCorpus(argv[argc - 1]);
    const std::vector<std::string> generated =
        zephyrod::fuzz::GeneratedInputs(corpus, zephyrod::fuzz::kGeneratedInputs);
    std::vector<std::pair<std::string, std::string>> inputs;
    for (const auto& file : corpus) {
        inputs.emplace_back(file.path.filename().string(), file.content);
    }
    for (std::size_t i = 0; i < generated.size(); ++i) {
        inputs.emplace_back(zephyrod::IntegerText(static_cast<long long>(i)), generated[i]);
    }
    for (const auto& [name, input] : inputs) {
        if (inputsOnly) {
            Write(input + '\0');
        } else {
            PrintOutcome(name, input);
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
