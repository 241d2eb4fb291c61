#include "frm_help.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "control_factory.h"
#include "native_title.h"
#include "qt_text.h"
#include "ui_fonts.h"
#include "ui_texts.h"
#include "window_design.h"
#include "window_role.h"

namespace zephyrod::ui {

frmHelp::frmHelp() {
    // The title bar shows nothing; a screen reader announces the window by
    // its design's name. Its role is settled before anything asks for it.
    AnnounceAsWindow(this);
    const design::WindowDesign& design = design::HelpWindowDesign();
    ApplyWindowDesign(this, design);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf16(kInvisibleTitle));
    setFixedSize(design::Pixels(design.clientWidth), design::Pixels(design.clientHeight));
    const BuiltControls built = BuildControls(this, design);
    controls_ = {built.take<QPlainTextEdit>(design::names::txtHelp),
                 built.take<QPushButton>(design::names::cmdOK), built.firstInTabOrder};
    connect(controls_.cmdOK, &QPushButton::clicked, this, &frmHelp::cmdOK_Click);
    Form_Load();
}

void frmHelp::Form_Load() {
    // The text box reads each carriage return and line feed as one line break.
    controls_.txtHelp->setPlainText(QString::fromStdString(design::HelpText()));
    controls_.firstInTabOrder->setFocus();
}

void frmHelp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ClearNativeTitle(this);
}

void frmHelp::cmdOK_Click() {
    close();
}

}  // namespace zephyrod::ui
