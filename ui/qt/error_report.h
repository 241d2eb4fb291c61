// Tells the user that a calculation failed: a message box owned by the window.
#pragma once

class QWidget;

namespace zephyrod::design {
struct ErrorReport;
}

namespace zephyrod::ui {

void ReportError(QWidget* owner, const design::ErrorReport& report);

}  // namespace zephyrod::ui
