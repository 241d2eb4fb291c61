#include "frm_about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

#include "condensed_caption.h"
#include "design_units.h"
#include "line_shape.h"
#include "ui_fonts.h"
#include "ui_texts.h"

namespace zephyrod::ui {
namespace {

// Client area in twips.
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3075;

// The program's icon, drawn in 16 colours for the about box.
constexpr char16_t kIconResource[] = u":/icons/zephyrod-32-16colors.png";

QLabel* Caption(QWidget* parent, const char* name, const QString& text, QRect geometry,
                Qt::Alignment horizontal) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void MakeTextBlack(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    // The title and description are black: keep the box light under a dark
    // desktop theme so that they stay readable.
    setPalette(style()->standardPalette());
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));
    CreateControls();
    Form_Load();
}

void frmAbout::CreateControls() {
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(TwipsRect(240, 240, 540, 540));
    // A sunken two-pixel border round the 32-pixel icon.
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(QPixmap(QString::fromUtf16(kIconResource)));

    lblTitle = Caption(this, "lblTitle", QStringLiteral("Zephyrod Calculator"),
                       TwipsRect(1080, 240, 3885, 480), Qt::AlignLeft);
    lblTitle->setFont(SansFont(18, true));
    MakeTextBlack(lblTitle);
    // The title wraps to a second line over the version in a platform font
    // wider than the one it was laid out for: a narrower cut of the same font
    // keeps it on one line.
    CondenseToFitCaption(lblTitle);
    GrowToFitCaption(lblTitle);

    lblVersion =
        Caption(this, "lblVersion", QString(), TwipsRect(1080, 840, 3885, 225), Qt::AlignLeft);
    lblVersion->setFont(SansFont(9.75, true));

    lblDescription = Caption(this, "lblDescription", QString(), TwipsRect(1080, 1245, 4365, 1050),
                             Qt::AlignLeft);
    MakeTextBlack(lblDescription);

    // An etched rule: a grey line with a white one just below it.
    Line1[1] =
        new LineShape(this, TwipsPoint(90, 2445), TwipsPoint(5654, 2445), QColor(128, 128, 128), 1);
    Line1[0] = new LineShape(this, TwipsPoint(105, 2460), TwipsPoint(5654, 2460),
                             QColor(255, 255, 255), 2);
    for (int index = 0; index < 2; ++index) {
        Line1[index]->setObjectName(QStringLiteral("Line1"));
        Line1[index]->setProperty("index", index);
    }

    Label1 = Caption(this, "Label1", QStringLiteral("Copyright \u00A9 2026 The Zephyrod authors"),
                     TwipsRect(480, 2520, 3615, 255), Qt::AlignHCenter);
    Label2 = Caption(this, "Label2", QStringLiteral("Free software under the MIT License"),
                     TwipsRect(360, 2760, 3855, 375), Qt::AlignHCenter);
    GrowToFitCaption(Label1);
    GrowToFitCaption(Label2);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    cmdOK->setFocus();
}

void frmAbout::Form_Load() {
    lblDescription->setText(QString::fromStdString(design::AboutDescription()));
    GrowToFitCaption(lblDescription);

    setWindowTitle(QString::fromStdString(design::AboutCaption()));

    lblVersion->setText(QString::fromStdString(design::VersionLine()));
    GrowToFitCaption(lblVersion);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::cmdOK_Click() {
    accept();
}

}  // namespace zephyrod::ui
