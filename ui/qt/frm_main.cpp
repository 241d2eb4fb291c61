#include "frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "calculate_outcome.h"
#include "control_factory.h"
#include "error_report.h"
#include "frm_about.h"
#include "input_fields.h"
#include "named_control.h"
#include "result_list.h"
#include "ui_fonts.h"
#include "ui_texts.h"
#include "window_design.h"
#include "window_styles.h"

namespace zephyrod::ui {
namespace {

QStringList ToQt(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        list << QString::fromStdString(line);
    }
    return list;
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    const design::WindowDesign& design = design::MainWindowDesign();
    setObjectName(ToQString(design.name));
    setWindowTitle(ToQString(design.caption));
    setWindowFlags(WindowFlagsFor(design.border));
    setFont(DialogFont());

    QMenuBar* bar = menuBar();
    // The bar is part of the window's design (the blank item places Help):
    // keep it in the window on platforms with a global menu bar too.
    bar->setNativeMenuBar(false);
    auto* style = new MenuBarStyle();
    style->setParent(bar);
    bar->setStyle(style);
    BuildMenu(bar, design);
    connect(Named<QAction>(this, "mnuZRHelp"), &QAction::triggered, this,
            &frmMain::mnuZRHelp_Click);
    connect(Named<QAction>(this, "mnuAbout"), &QAction::triggered, this, &frmMain::mnuAbout_Click);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    BuildControls(client, design);
    // A screen reader names each field by its caption and says its unit.
    for (const InputFieldInfo& info : kInputFields) {
        auto* field = Named<QLineEdit>(this, info.name);
        field->setAccessibleName(ToQString(info.caption));
        field->setAccessibleDescription(ToQString(info.unit));
    }
    Named<ResultList>(this, "lstValues")
        ->setAccessibleName(ToQString(design::kValuesAccessibleName));
    Named<ResultList>(this, "lstSweep")->setAccessibleName(ToQString(design::kSweepAccessibleName));
    connect(Named<QPushButton>(this, "cmdGo"), &QPushButton::clicked, this, &frmMain::cmdGo_Click);

    resize(QSize(design::Pixels(design.clientWidth), design::Pixels(design.clientHeight)) +
           QSize(0, bar->sizeHint().height()));
    Form_Load();
}

frmMain::~frmMain() {
    Form_Unload();
}

void frmMain::Form_Load() {
    const InputTexts defaults = DefaultInputTexts();
    for (const InputFieldInfo& info : kInputFields) {
        Named<QLineEdit>(this, info.name)
            ->setText(QString::fromStdString(TextOf(defaults, info.field)));
    }
    // The focus starts in the first field with its text selected, so that
    // typing replaces the default.
    auto* first =
        Named<QLineEdit>(this, design::TabOrder(design::MainWindowDesign()).front()->name);
    first->setFocus();
    first->selectAll();
}

void frmMain::cmdGo_Click() {
    Calculate();
}

void frmMain::Calculate() {
    InputTexts texts;
    for (const InputFieldInfo& info : kInputFields) {
        TextOf(texts, info.field) = Named<QLineEdit>(this, info.name)->text().toStdString();
    }
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    auto* values = Named<ResultList>(this, "lstValues");
    auto* sweep = Named<ResultList>(this, "lstSweep");
    if (outcome.values) {
        values->setLines(ToQt(*outcome.values));
    }
    if (outcome.sweep) {
        sweep->setLines(ToQt(*outcome.sweep));
    }
    if (outcome.selectIndex && *outcome.selectIndex < sweep->count()) {
        sweep->setCurrentRow(*outcome.selectIndex);
        sweep->scrollToItem(sweep->item(*outcome.selectIndex));
    }
    if (outcome.error) {
        ReportError(this, *outcome.error);
    }
    if (!outcome.focus.empty()) {
        auto* control = Named<QWidget>(this, outcome.focus);
        if (control != nullptr) {
            control->setFocus();
        }
        if (auto* field = qobject_cast<QLineEdit*>(control)) {
            field->selectAll();
        }
    }
}

void frmMain::mnuZRHelp_Click() {
    // A help window that was closed is on its way out: open a new one.
    if (help_ == nullptr || !help_->isVisible()) {
        help_ = new frmHelp();
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmMain::mnuAbout_Click() {
    QTimer::singleShot(0, this, &frmMain::ShowAbout);
}

void frmMain::ShowAbout() {
    // Chosen twice in a row: the first one is still open.
    if (findChild<frmAbout*>() != nullptr) {
        return;
    }
    frmAbout about(this);
    about.exec();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        // After the window manager has finished maximising.
        QTimer::singleShot(0, this,
                           [this] { setWindowState(windowState() & ~Qt::WindowMaximized); });
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    if (help_ != nullptr) {
        help_->close();
    }
}

}  // namespace zephyrod::ui
