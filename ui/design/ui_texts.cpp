#include "ui_texts.h"

#include "app_identity.h"
#include "number_text.h"

namespace zephyrod::design {

std::string HelpText() {
    const std::string paragraphBreak = std::string(kLineBreak) + std::string(kLineBreak);
    std::string text;
    text += "Enter the desired center frequency, the diameter of the resonator and coil form, ";
    text += "and the turns per centimeter for the wire used for the coil.";
    text += paragraphBreak;
    text +=
        "To determine the turns per centimeter for the wire you will be using, make a sample "
        "coil, close ";
    // Two blanks in "close  wound": the text as it has always read.
    text += " wound, using the desired wire size.";
    text += paragraphBreak;
    text +=
        "The sweep data is really only for help in tuning the Zephyrod. It gives you a rough "
        "idea ";
    text +=
        "of the relationship between frequency, resonator length and coil turns. When I tune "
        "my ";
    text += "antennas, I alternate between trimming the resonator and removing some of the coil.";
    text += paragraphBreak;
    text +=
        "Feel free to contact me with suggestions/comments for this program. I can be reached "
        "at: ";
    text += kContactAddress;
    text += paragraphBreak;
    text += "73 and Good Luck with the Zephyrod!";
    text += paragraphBreak;
    text += "Wendel - Korrin";
    return text;
}

std::string AboutCaption() {
    return std::string("About ") + identity::kTitle;
}

std::string VersionLine() {
    return "Version " + IntegerText(identity::kVersionMajor) + "." +
           IntegerText(identity::kVersionMinor) + "." + IntegerText(identity::kVersionPatch);
}

std::string AboutDescription() {
    // The credit, then four blank lines (one holds a single blank): the
    // label keeps the five lines it was laid out for.
    std::string text = "Based on the Zephyrod design by Brennick, Ostral";
    text += kLineBreak;
    text += "";  // the first line of the usage notice
    text += kLineBreak;
    text += " ";  // its second line, a single blank
    text += kLineBreak;
    text += kLineBreak;
    text += "";  // the prohibition, after an empty line
    return text;
}

}  // namespace zephyrod::design
