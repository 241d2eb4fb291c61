// Prints what the headless calculator answers to each input of the corpus
// runner (the corpus files and the generated inputs, each one's four lines as
// four arguments): its exit status, standard output and standard error, byte
// for byte. Two editions' listings must be the same file.
//   cli_outcomes CORPUS_FOLDER
#include <cstdio>
#include <string>
#include <string_view>
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
    if (argc != 2) {
        std::fputs("usage: cli_outcomes CORPUS_FOLDER\n", stderr);
        return 2;
    }
    const std::vector<zephyrod::fuzz::CorpusFile> corpus = zephyrod::fuzz::ReadCorpus(argv[1]);
    for (const auto& file : corpus) {
        PrintOutcome(file.path.filename().string(), file.content);
    }
    const std::vector<std::string> inputs =
        zephyrod::fuzz::GeneratedInputs(corpus, zephyrod::fuzz::kGeneratedInputs);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        PrintOutcome(zephyrod::IntegerText(static_cast<long long>(i)), inputs[i]);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
