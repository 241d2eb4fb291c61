#include "frm_about.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "condensed_caption.h"
#include "control_factory.h"
#include "named_control.h"
#include "ui_fonts.h"
#include "ui_texts.h"
#include "window_design.h"

namespace zephyrod::ui {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    const design::WindowDesign& design = design::AboutWindowDesign();
    setObjectName(ToQString(design.name));
    setWindowFlags(WindowFlagsFor(design.border));
    setFont(DialogFont());
    setFixedSize(design::Pixels(design.clientWidth), design::Pixels(design.clientHeight));
    BuildControls(this, design);
    // The title wraps to a second line over the version in a platform font
    // wider than the one it was laid out for: a narrower cut of the same font
    // keeps it on one line.
    auto* title = Named<QLabel>(this, "lblTitle");
    title->setGeometry(PixelRect(design::Control(design, "lblTitle")));
    CondenseToFitCaption(title);
    GrowToFitCaption(title);
    KeepDesignColours();
    connect(Named<QPushButton>(this, "cmdOK"), &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
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
    auto* description = Named<QLabel>(this, "lblDescription");
    description->setText(QString::fromStdString(design::AboutDescription()));
    GrowToFitCaption(description);

    setWindowTitle(QString::fromStdString(design::AboutCaption()));

    auto* version = Named<QLabel>(this, "lblVersion");
    version->setText(QString::fromStdString(design::VersionLine()));
    GrowToFitCaption(version);

    Named<QPushButton>(this, design::TabOrder(design::AboutWindowDesign()).front()->name)
        ->setFocus();
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        for (const design::ControlDesign& control : design::AboutWindowDesign().controls) {
            if (control.cancelButton) {
                Named<QPushButton>(this, control.name)->click();
                return;
            }
        }
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
