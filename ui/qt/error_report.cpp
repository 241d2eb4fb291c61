#include "error_report.h"

#include <QMessageBox>

#include "calculate_outcome.h"

namespace zephyrod::ui {

void ReportError(QWidget* owner, const design::ErrorReport& report) {
    // What to fix comes first; the run-time error's number and description
    // follow on a line of their own.
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(report.title),
                    QString::fromStdString(report.Text()), QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("errorReport"));
    // The message quotes what the user typed: show it as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace zephyrod::ui
