// The headless calculator: arguments in, the two lists' lines out.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zephyrod::cli {

struct Outcome {
    std::string out;  // what goes to standard output
    std::string err;  // what goes to standard error
    int status = 0;   // 0 done, 1 calculation fault, 2 usage error
};

Outcome Run(const std::vector<std::string_view>& args);

}  // namespace zephyrod::cli
