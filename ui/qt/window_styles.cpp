#include "window_styles.h"

#include <QAction>
#include <QMenuBar>
#include <QStyleOptionMenuItem>

namespace zephyrod::ui {
namespace {

bool IsBlank(const QString& text) {
    return !text.isEmpty() && text.trimmed().isEmpty();
}

}  // namespace

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
    QSize natural = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const auto* bar = qobject_cast<const QMenuBar*>(widget);
    if (type != CT_MenuBarItem || item == nullptr || bar == nullptr || !IsBlank(item->text)) {
        return natural;
    }
    // The room left on the bar by every other item, as the bar lays them out.
    const int spacing = pixelMetric(PM_MenuBarItemSpacing, nullptr, bar);
    const int margins = 2 * (pixelMetric(PM_MenuBarPanelWidth, nullptr, bar) +
                             pixelMetric(PM_MenuBarHMargin, nullptr, bar));
    int others = 0;
    for (QAction* action : bar->actions()) {
        if (!action->isVisible() || IsBlank(action->text())) {
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
