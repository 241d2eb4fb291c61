// The program's identity and look, set up once for the application object.
#pragma once

class QApplication;

namespace zephyrod::ui {

// Title "Zephyrod", the version, the desktop file id and the window icon.
void SetUpApplication(QApplication& app);

}  // namespace zephyrod::ui
