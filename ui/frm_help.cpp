#include "frm_help.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace zephyrod::ui {

frmHelp::frmHelp() {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    txtHelp = new QPlainTextEdit(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmHelp::cmdOK_Click);
    Form_Load();
}

void frmHelp::Form_Load() {}

void frmHelp::cmdOK_Click() {
    close();
}

}  // namespace zephyrod::ui
