// Writes, as the site is built, what the page takes from the shared design
// without the WebAssembly module:
//   zephyrod-page-data design  the design as a JavaScript module (design.js,
//                              which the page's modules import), so the page
//                              builds its windows while the module loads;
//   zephyrod-page-data words   the words the page shows where the browser
//                              cannot run the calculator, as a JSON object,
//                              for the small script that shows them (it runs
//                              before, and without, the page's modules).
#include <cstdio>
#include <string>
#include <string_view>

#include "design_json.h"
#include "json_text.h"
#include "ui_texts.h"

namespace {

std::string WordsJson() {
    namespace design = zephyrod::design;
    return zephyrod::web::JsonObject()
        .AddText("lead", design::kUnsupportedLead)
        .AddText("webAssembly", design::kLacksWebAssembly)
        .AddText("modules", design::kLacksModules)
        .AddText("dialogs", design::kLacksDialogs)
        .AddText("browsers", design::kBrowsersThatWork)
        .Text();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view what = argc == 2 ? argv[1] : "";
    std::string text;
    if (what == "design") {
        text = "export default " + zephyrod::web::DesignJson() + ";\n";
    } else if (what == "words") {
        text = WordsJson();
    } else {
        std::fputs("usage: zephyrod-page-data design|words\n", stderr);
        return 2;
    }
    return std::fputs(text.c_str(), stdout) < 0 ? 1 : 0;
}
