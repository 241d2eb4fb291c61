// Writes the words the page shows where the browser cannot run the
// calculator, as a JSON object, for the small script that shows them: that
// script runs before (and without) the WebAssembly module, so its words are
// written into it when the site is built.
#include <cstdio>
#include <string>

#include "json_text.h"
#include "ui_texts.h"

int main() {
    namespace design = zephyrod::design;
    using zephyrod::web::JsonObject;
    const std::string json = JsonObject()
                                 .AddText("lead", design::kUnsupportedLead)
                                 .AddText("webAssembly", design::kLacksWebAssembly)
                                 .AddText("modules", design::kLacksModules)
                                 .AddText("dialogs", design::kLacksDialogs)
                                 .AddText("browsers", design::kBrowsersThatWork)
                                 .Text();
    return std::fputs(json.c_str(), stdout) < 0 ? 1 : 0;
}
