#include "frm_help.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "control_factory.h"
#include "named_control.h"
#include "native_title.h"
#include "ui_fonts.h"
#include "ui_texts.h"
#include "window_design.h"
#include "window_role.h"

namespace zephyrod::ui {

frmHelp::frmHelp() {
    const design::WindowDesign& design = design::HelpWindowDesign();
    setObjectName(ToQString(design.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(WindowFlagsFor(design.border));
    // The title bar shows nothing; a screen reader announces the window by name.
    AnnounceAsWindow(this);
    setWindowTitle(QString::fromUtf16(kInvisibleTitle));
    setAccessibleName(ToQString(design::kHelpWindowAccessibleName));
    setFont(DialogFont());
    setFixedSize(design::Pixels(design.clientWidth), design::Pixels(design.clientHeight));
    BuildControls(this, design);
    Named<QPlainTextEdit>(this, "txtHelp")
        ->setAccessibleName(ToQString(design::kHelpTextAccessibleName));
    connect(Named<QPushButton>(this, "cmdOK"), &QPushButton::clicked, this, &frmHelp::cmdOK_Click);
    Form_Load();
}

QString frmHelp::HelpText() {
    return QString::fromStdString(design::HelpText());
}

void frmHelp::Form_Load() {
    // The text box reads each carriage return and line feed as one line break.
    Named<QPlainTextEdit>(this, "txtHelp")->setPlainText(HelpText());
    // The focus starts on the first control in tab order: OK.
    Named<QWidget>(this, design::TabOrder(design::HelpWindowDesign()).front()->name)->setFocus();
}

void frmHelp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ClearNativeTitle(this);
}

void frmHelp::cmdOK_Click() {
    close();
}

}  // namespace zephyrod::ui
