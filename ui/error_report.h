// Tells the user that a calculation failed: a message box owned by the window.
#pragma once

class QWidget;

namespace zephyrod {
class CalcError;
}

namespace zephyrod::ui {

void ReportError(QWidget* owner, const CalcError& error);

}  // namespace zephyrod::ui
