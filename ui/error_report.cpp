#include "error_report.h"

#include <QLabel>
#include <QMessageBox>

#include "calc_error.h"
#include "number_text.h"

namespace zephyrod::ui {

void ReportError(QWidget* owner, const CalcError& error) {
    QMessageBox box(QMessageBox::Warning, owner->windowTitle(),
                    QStringLiteral("Run-time error '%1':\n\n%2")
                        .arg(QString::fromStdString(IntegerText(error.code())),
                             QString::fromUtf8(error.description().data(),
                                               static_cast<qsizetype>(error.description().size()))),
                    QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("errorReport"));
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(QString::fromStdString(error.detail()));
    if (auto* detail = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
        // The detail quotes what the user typed: show it as typed, never as markup.
        detail->setTextFormat(Qt::PlainText);
        // A sentence or two: give it room instead of a narrow column.
        detail->setMinimumWidth(box.fontMetrics().averageCharWidth() * 48);
    }
    box.exec();
}

}  // namespace zephyrod::ui
