#include "window_styles.h"

#include <QAction>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "qt_text.h"

namespace zephyrod::ui {
namespace {

bool IsSpacer(const QAction* action) {
    return action->property(kSpacerProperty).toBool();
}

// The bar's item that the style option draws: the option names only its text.
bool DrawsSpacer(const QMenuBar* bar, const QString& text) {
    const QList<QAction*> actions = bar->actions();
    return std::any_of(actions.begin(), actions.end(), [&text](const QAction* action) {
        return IsSpacer(action) && action->text() == text;
    });
}

}  // namespace

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
    QSize natural = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const auto* bar = qobject_cast<const QMenuBar*>(widget);
    if (type != CT_MenuBarItem || item == nullptr || bar == nullptr ||
        !DrawsSpacer(bar, item->text)) {
        return natural;
    }
    // The room left on the bar by every other item, as the bar lays them out.
    const int spacing = pixelMetric(PM_MenuBarItemSpacing, nullptr, bar);
    const int margins = 2 * (pixelMetric(PM_MenuBarPanelWidth, nullptr, bar) +
                             pixelMetric(PM_MenuBarHMargin, nullptr, bar));
    int others = 0;
    for (QAction* action : bar->actions()) {
        if (!action->isVisible() || IsSpacer(action)) {
            continue;
        }
        QStyleOptionMenuItem other;
        other.initFrom(bar);
        other.text = action->text();
        other.menuItemType = QStyleOptionMenuItem::Normal;
        const QSize textSize = bar->fontMetrics().size(Qt::TextShowMnemonic, action->text());
        others +=
            QProxyStyle::sizeFromContents(CT_MenuBarItem, &other, textSize, bar).width() + spacing;
    }
    const int room = bar->width() - margins - others - spacing;
    natural.setWidth(std::max(0, std::min(natural.width(), room)));
    return natural;
}

int CompactListStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
    // The item text margin is this metric plus one pixel.
    if (metric == PM_FocusFrameHMargin) {
        return 0;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace zephyrod::ui
