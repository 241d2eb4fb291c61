#include "condensed_caption.h"

#include <QLabel>

#include "ui_fonts.h"

namespace zephyrod::ui {

void CondenseToFitCaption(QLabel* label) {
    if (CaptionFits(label)) {
        return;
    }
    const QFont original = label->font();
    for (const int stretch : {QFont::SemiCondensed, QFont::Condensed}) {
        QFont narrower = original;
        narrower.setStretch(stretch);
        label->setFont(narrower);
        if (CaptionFits(label)) {
            return;
        }
    }
    label->setFont(original);
}

}  // namespace zephyrod::ui
