// ZephyrodMetric: starts the main window; the program ends when it closes.
#include <QApplication>

#include "application.h"
#include "frm_main.h"
#include "window_placement.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zephyrod::ui::SetUpApplication(app);

    zephyrod::ui::frmMain window;
    zephyrod::ui::CentreOnScreen(&window);
    window.show();
    return QApplication::exec();
}
