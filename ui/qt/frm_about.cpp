#include "frm_about.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "condensed_caption.h"
#include "control_factory.h"
#include "qt_text.h"
#include "ui_fonts.h"
#include "ui_texts.h"
#include "window_design.h"

namespace zephyrod::ui {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    const design::WindowDesign& design = design::AboutWindowDesign();
    ApplyWindowDesign(this, design);
    setFixedSize(design::Pixels(design.clientWidth), design::Pixels(design.clientHeight));
    const BuiltControls built = BuildControls(this, design);
    controls_ = {built.take<QLabel>(design::names::lblTitle),
                 built.take<QLabel>(design::names::lblVersion),
                 built.take<QLabel>(design::names::lblDescription),
                 built.take<QPushButton>(design::names::cmdOK),
                 built.cancelButton,
                 built.firstInTabOrder};
    // The title wraps to a second line over the version in a platform font
    // wider than the one it was laid out for: a narrower cut of the same font
    // keeps it on one line. The factory grew the box to fit the wide font:
    // back to the design's size first, then narrower, then grown again only
    // as far as the narrower font still needs.
    QLabel* title = controls_.lblTitle;
    title->setGeometry(PixelRect(design::Control(design, design::names::lblTitle)));
    CondenseToFitCaption(title);
    GrowToFitCaption(title);
    KeepDesignColours();
    connect(controls_.cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Form_Load();
}

void frmAbout::KeepDesignColours() {
    // The title and description are black and the rule is etched in grey and
    // white: the window keeps the light colours they were drawn for, whatever
    // palette a dark desktop theme hands the application.
    const design::Rgb faceColor = design::AboutWindowDesign().faceColor.value();
    const QColor face(faceColor.red, faceColor.green, faceColor.blue);
    QPalette light(face, face);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        light.setColor(role, Qt::black);
    }
    light.setColor(QPalette::Base, Qt::white);
    setPalette(light);
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setPalette(light);
    }
}

void frmAbout::Form_Load() {
    controls_.lblDescription->setText(QString::fromStdString(design::AboutDescription()));
    GrowToFitCaption(controls_.lblDescription);

    setWindowTitle(QString::fromStdString(design::AboutCaption()));

    controls_.lblVersion->setText(QString::fromStdString(design::VersionLine()));
    GrowToFitCaption(controls_.lblVersion);

    controls_.firstInTabOrder->setFocus();
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) && controls_.cancelButton != nullptr) {
        controls_.cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange) {
        KeepDesignColours();
    }
}

void frmAbout::cmdOK_Click() {
    accept();
}

}  // namespace zephyrod::ui
