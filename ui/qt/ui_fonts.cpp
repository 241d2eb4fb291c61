#include "ui_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>

#include "qt_text.h"
#include "window_design.h"

namespace zephyrod::ui {

namespace {

// Whether the platform has the family itself, not just a substitute for it.
bool IsInstalled(const QString& family) {
    return QFontInfo(QFont(family)).family().compare(family, Qt::CaseInsensitive) == 0;
}

}  // namespace

QFont DialogFont() {
    // The design's family, else sans-serif faces of about its widths.
    for (const QString& family :
         {ToQString(design::kStandardFont.family), QStringLiteral("DejaVu Sans Condensed"),
          QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")}) {
        if (IsInstalled(family)) {
            QFont font(family);
            font.setPointSizeF(design::kStandardFont.points);
            return font;
        }
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design::kStandardFont.points);
    return font;
}

namespace {

// The design's sans-serif family where the platform has it, else the dialog
// font's, whose widths the windows were laid out for.
QFont SansFont(const QString& family, qreal pointSize) {
    QFont font = IsInstalled(family) ? QFont(family) : DialogFont();
    font.setPointSizeF(pointSize);
    return font;
}

// The design's fixed-pitch family where the platform really has it and it
// is fixed pitch, else the system's fixed font or a common fixed-pitch
// family, so that columns line up.
QFont FixedFont(const QString& family, qreal pointSize) {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const QString& candidate :
         {family, system.family(), QStringLiteral("DejaVu Sans Mono"),
          QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")}) {
        QFont font(candidate);
        font.setStyleHint(QFont::TypeWriter);
        font.setPointSizeF(pointSize);
        const QFontInfo info(font);
        if (info.exactMatch() && info.fixedPitch()) {
            return font;
        }
    }
    QFont font = system;
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace

QFont DesignFont(const design::FontDesign& font) {
    const QString family = ToQString(font.family);
    QFont chosen = font.fixedPitch ? FixedFont(family, font.points) : SansFont(family, font.points);
    chosen.setBold(font.bold);
    return chosen;
}

namespace {

// The width of the caption's widest word: the narrowest box it wraps into.
int WidestWord(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    const QStringList words =
        text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

int WrappedHeight(const QLabel* label, int width) {
    const QFontMetrics metrics(label->font());
    return metrics
        .boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap | label->alignment(),
                      label->text())
        .height();
}

}  // namespace

bool CaptionFits(const QLabel* label) {
    const QRect box = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const int needed = label->wordWrap() ? WidestWord(metrics, label->text())
                                         : metrics.horizontalAdvance(label->text());
    return needed <= box.width() && WrappedHeight(label, box.width()) <= box.height();
}

void GrowToFitCaption(QLabel* label) {
    const QFontMetrics metrics(label->font());
    const int frame = label->width() - label->contentsRect().width();
    const int needed = label->wordWrap() ? WidestWord(metrics, label->text())
                                         : metrics.horizontalAdvance(label->text());
    QRect box = label->geometry();
    box.setWidth(std::max(box.width(), needed + frame));
    const int height = WrappedHeight(label, box.width() - frame);
    box.setHeight(
        std::max(box.height(), height + (label->height() - label->contentsRect().height())));
    label->setGeometry(box);
}

}  // namespace zephyrod::ui
