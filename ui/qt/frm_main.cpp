#include "frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "calculate_outcome.h"
#include "design_units.h"
#include "error_report.h"
#include "frm_about.h"
#include "frm_help.h"
#include "input_fields.h"
#include "number_text.h"
#include "result_list.h"
#include "ui_fonts.h"
#include "window_styles.h"

namespace zephyrod::ui {
namespace {

// Client area below the menu bar, in twips.
constexpr int kClientWidth = 6240;
constexpr int kClientHeight = 8745;

template <class Control, class... Args>
Control* Place(QWidget* parent, const char* name, QRect geometry, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = Place<QLabel>(parent, name, geometry, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    GrowToFitCaption(label);
    return label;
}

QLineEdit* Field(QWidget* parent, const char* name, QRect geometry, QLabel* caption) {
    auto* field = Place<QLineEdit>(parent, name, geometry);
    field->setAccessibleName(caption->text());
    return field;
}

// A field's caption, the same words its errors use.
QString FieldText(InputField field) {
    const std::string_view caption = FieldInfo(field).caption;
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

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
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zephyrod Metric Calculator"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    CreateMenu();
    CreateControls();
    resize(TwipsSize(kClientWidth, kClientHeight) + QSize(0, menuBar()->sizeHint().height()));
    Form_Load();
}

frmMain::~frmMain() {
    Form_Unload();
}

void frmMain::CreateMenu() {
    QMenuBar* bar = menuBar();
    // The bar is part of the window's design (the blank item places Help):
    // keep it in the window on platforms with a global menu bar too.
    bar->setNativeMenuBar(false);
    auto* style = new MenuBarStyle();
    style->setParent(bar);
    bar->setStyle(style);
    mnuEMPTY = bar->addAction(QString(120, QLatin1Char(' ')));
    mnuEMPTY->setObjectName(QStringLiteral("mnuEMPTY"));
    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuZRHelp = mnuHelp->addAction(QStringLiteral("Zephyrod Calculator &Help"), this,
                                   &frmMain::mnuZRHelp_Click);
    mnuZRHelp->setObjectName(QStringLiteral("mnuZRHelp"));
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About"), this, &frmMain::mnuAbout_Click);
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    // Both stay in the Help menu: no platform moves them to an application menu.
    mnuZRHelp->setMenuRole(QAction::NoRole);
    mnuAbout->setMenuRole(QAction::NoRole);
}

void frmMain::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    Frame2 = Place<QGroupBox>(client, "Frame2", TwipsRect(0, 0, 3015, 3615),
                              QStringLiteral(" Parameters "));
    Label1 =
        Caption(Frame2, "Label1", FieldText(InputField::Frequency), TwipsRect(120, 480, 855, 495));
    txtFreq = Field(Frame2, "txtFreq", TwipsRect(1080, 600, 1335, 285), Label1);
    Label2 = Caption(Frame2, "Label2", QStringLiteral("MHz"), TwipsRect(2520, 600, 375, 255));
    Label4 = Caption(Frame2, "Label4", FieldText(InputField::ResonatorDiameter),
                     TwipsRect(120, 1080, 855, 495));
    txtResDia = Field(Frame2, "txtResDia", TwipsRect(1080, 1200, 1335, 285), Label4);
    lblUnit[0] = Caption(Frame2, "lblUnit", QStringLiteral("mm"), TwipsRect(2520, 1200, 255, 255));
    Label3 = Caption(Frame2, "Label3", FieldText(InputField::CoilDiameter),
                     TwipsRect(120, 1680, 735, 495));
    txtCoilDia = Field(Frame2, "txtCoilDia", TwipsRect(1080, 1800, 1335, 285), Label3);
    lblUnit[1] = Caption(Frame2, "lblUnit", QStringLiteral("mm"), TwipsRect(2520, 1800, 255, 255));
    lblUnit[0]->setProperty("index", 0);
    lblUnit[1]->setProperty("index", 1);
    lblTPI = Caption(Frame2, "lblTPI", FieldText(InputField::TurnsPerCm),
                     TwipsRect(120, 2280, 855, 375));
    txtTPI = Field(Frame2, "txtTPI", TwipsRect(1080, 2400, 1335, 285), lblTPI);
    cmdGo = Place<QPushButton>(Frame2, "cmdGo", TwipsRect(840, 3000, 1335, 375),
                               QStringLiteral("Calculate"));
    // Not the window's default button: Enter in a field does not calculate.
    // Enter on the button itself, once it has the focus, presses it.
    cmdGo->setDefault(false);
    cmdGo->setAutoDefault(true);
    connect(cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);

    Frame3 = Place<QGroupBox>(client, "Frame3", TwipsRect(3120, 0, 3135, 3615));
    lstValues = Place<ResultList>(Frame3, "lstValues", TwipsRect(120, 240, 2895, 3180));
    lstValues->setAccessibleName(QStringLiteral("Results"));

    Frame1 = Place<QGroupBox>(client, "Frame1", TwipsRect(0, 3720, 6255, 4935),
                              QStringLiteral(" Sweep Data"));
    lstSweep = Place<ResultList>(Frame1, "lstSweep", TwipsRect(120, 240, 6015, 4545));
    lstSweep->setFont(SweepFont());
    for (ResultList* list : {lstValues, lstSweep}) {
        auto* style = new CompactListStyle();
        style->setParent(list);
        list->setStyle(style);
    }
    lstSweep->setAccessibleName(QStringLiteral("Sweep Data"));

    // Tab order: the coil diameter comes before the resonator diameter.
    setTabOrder(txtFreq, txtCoilDia);
    setTabOrder(txtCoilDia, txtResDia);
    setTabOrder(txtResDia, txtTPI);
    setTabOrder(txtTPI, cmdGo);
    setTabOrder(cmdGo, lstValues);
    setTabOrder(lstValues, lstSweep);
    txtFreq->setFocus();
}

void frmMain::Form_Load() {
    const InputTexts defaults = DefaultInputTexts();
    for (const InputFieldInfo& info : kInputFields) {
        FieldFor(info.field)->setText(QString::fromStdString(TextOf(defaults, info.field)));
    }
}

QLineEdit* frmMain::FieldFor(InputField field) const {
    QLineEdit* fields[] = {txtFreq, txtResDia, txtCoilDia, txtTPI};
    return fields[static_cast<std::size_t>(field)];
}

void frmMain::cmdGo_Click() {
    Calculate();
}

void frmMain::Calculate() {
    InputTexts texts;
    for (const InputFieldInfo& info : kInputFields) {
        TextOf(texts, info.field) = FieldFor(info.field)->text().toStdString();
    }
    const design::CalculateOutcome outcome = design::CalculateInWindow(texts);
    if (outcome.values) {
        lstValues->setLines(ToQt(*outcome.values));
    }
    if (outcome.sweep) {
        lstSweep->setLines(ToQt(*outcome.sweep));
    }
    if (outcome.selectIndex && *outcome.selectIndex < lstSweep->count()) {
        lstSweep->setCurrentRow(*outcome.selectIndex);
        lstSweep->scrollToItem(lstSweep->item(*outcome.selectIndex));
    }
    if (outcome.error) {
        ReportError(this, *outcome.error);
    }
    if (!outcome.focus.empty()) {
        auto* control = findChild<QWidget*>(
            QString::fromUtf8(outcome.focus.data(), static_cast<qsizetype>(outcome.focus.size())));
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
    frmAbout about(this);
    about.exec();
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
