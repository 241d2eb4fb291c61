// ZephyrodMetric: starts the main window; the program ends when it closes.
#include <QApplication>
#include <QScreen>

#include "application.h"
#include "frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zephyrod::ui::SetUpApplication(app);

    zephyrod::ui::frmMain window;
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
