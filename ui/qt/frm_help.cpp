#include "frm_help.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "design_units.h"
#include "native_title.h"
#include "ui_fonts.h"
#include "ui_texts.h"

namespace zephyrod::ui {
namespace {

// Client area in twips.
constexpr int kClientWidth = 8445;
constexpr int kClientHeight = 5025;

}  // namespace

frmHelp::frmHelp() {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf16(kInvisibleTitle));
    setFont(DialogFont());
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));
    CreateControls();
    Form_Load();
}

void frmHelp::CreateControls() {
    txtHelp = new QPlainTextEdit(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setGeometry(TwipsRect(0, 120, 8415, 4365));
    txtHelp->setFont(SansFont(9.75));
    txtHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtHelp->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the button instead of typing a tab into the text.
    txtHelp->setTabChangesFocus(true);
    txtHelp->setAccessibleName(QStringLiteral("Help"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(7560, 4560, 735, 375));
    // Not the window's default button, so Enter in the text starts a new line;
    // Enter or Space on the button itself, once it has the focus, presses it.
    cmdOK->setDefault(false);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmHelp::cmdOK_Click);

    setTabOrder(cmdOK, txtHelp);
    cmdOK->setFocus();
}

QString frmHelp::HelpText() {
    return QString::fromStdString(design::HelpText());
}

void frmHelp::Form_Load() {
    // The text box reads each carriage return and line feed as one line break.
    txtHelp->setPlainText(HelpText());
}

void frmHelp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ClearNativeTitle(this);
}

void frmHelp::cmdOK_Click() {
    close();
}

}  // namespace zephyrod::ui
