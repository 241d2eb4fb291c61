#include "frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "calculate_outcome.h"
#include "control_factory.h"
#include "error_report.h"
#include "frm_about.h"
#include "input_fields.h"
#include "qt_text.h"
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
    ApplyWindowDesign(this, design);
    setWindowTitle(ToQString(design.caption));
    BuildMenuBar();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const BuiltControls built = BuildControls(client, design);
    for (const InputFieldInfo& info : kInputFields) {
        controls_.fields[static_cast<std::size_t>(info.field)] =
            built.take<QLineEdit>(design::FieldControl(info.field));
    }
    controls_.cmdGo = built.take<QPushButton>(design::names::cmdGo);
    controls_.lstValues = built.take<ResultList>(design::names::lstValues);
    controls_.lstSweep = built.take<ResultList>(design::names::lstSweep);
    connect(controls_.cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);

    resize(QSize(design::Pixels(design.clientWidth), design::Pixels(design.clientHeight)) +
           QSize(0, menuBar()->sizeHint().height()));
    Form_Load();
}

void frmMain::BuildMenuBar() {
    QMenuBar* bar = menuBar();
    // The bar is part of the window's design (the blank item places Help):
    // keep it in the window on platforms with a global menu bar too.
    bar->setNativeMenuBar(false);
    auto* style = new MenuBarStyle();
    style->setParent(bar);
    bar->setStyle(style);
    const BuiltControls menu = BuildMenu(bar, design::MainWindowDesign());
    connect(menu.take<QAction>(design::names::mnuZRHelp), &QAction::triggered, this,
            &frmMain::mnuZRHelp_Click);
    connect(menu.take<QAction>(design::names::mnuAbout), &QAction::triggered, this,
            &frmMain::mnuAbout_Click);
}

void frmMain::Form_Load() {
    const InputTexts defaults = DefaultInputTexts();
    for (const InputFieldInfo& info : kInputFields) {
        controls_.field(info.field)->setText(QString::fromStdString(TextOf(defaults, info.field)));
    }
    // The focus starts in the first field with its text selected, so that
    // typing replaces the default.
    QLineEdit* first = controls_.field(kInputFields.front().field);
    first->setFocus();
    first->selectAll();
}

void frmMain::cmdGo_Click() {
    Calculate();
}

void frmMain::Calculate() {
    InputTexts texts;
    for (const InputFieldInfo& info : kInputFields) {
        TextOf(texts, info.field) = controls_.field(info.field)->text().toStdString();
    }
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    ResultList* sweep = controls_.lstSweep;
    if (outcome.values) {
        controls_.lstValues->setLines(ToQt(*outcome.values));
    }
    if (outcome.sweep) {
        sweep->setLines(ToQt(*outcome.sweep));
    }
    if (outcome.selectIndex && *outcome.selectIndex < sweep->count()) {
        sweep->setCurrentRow(*outcome.selectIndex);
        sweep->scrollToItem(sweep->item(*outcome.selectIndex));
    }
    if (outcome.sweep) {
        // New lines are shown from their left edge, so that the Freq column
        // shows whole numbers (the selected row, if any, stays in view).
        sweep->horizontalScrollBar()->setValue(sweep->horizontalScrollBar()->minimum());
    }
    if (outcome.error) {
        ReportError(this, *outcome.error);
    }
    if (outcome.focusField) {
        QLineEdit* field = controls_.field(*outcome.focusField);
        field->setFocus();
        field->selectAll();
    } else if (outcome.focusCalculate) {
        controls_.cmdGo->setFocus();
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
