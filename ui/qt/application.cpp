#include "application.h"

#include <QApplication>
#include <QIcon>

#include "app_identity.h"

static void LoadIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace zephyrod::ui {

void SetUpApplication(QApplication& app) {
    LoadIconResources();
    QApplication::setApplicationName(QString::fromLatin1(identity::kTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(identity::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(identity::kAppId));
    QIcon icon;
    for (const char* size : {"16", "32", "48", "256"}) {
        icon.addFile(QStringLiteral(":/icons/zephyrod-%1.png").arg(QLatin1String(size)));
    }
    app.setWindowIcon(icon);
}

}  // namespace zephyrod::ui
