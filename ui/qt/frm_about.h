// The about window: title, version, description and copyright.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zephyrod::ui {

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    // Shown modally; Qt centres a dialog over its parent.
    explicit frmAbout(QWidget* parent);

  public slots:
    void cmdOK_Click();

  protected:
    // Esc presses OK, the window's cancel button.
    void keyPressEvent(QKeyEvent* event) override;
    // Keeps the design's colours when the platform changes the palette.
    void changeEvent(QEvent* event) override;

  private:
    struct Controls {
        QLabel* lblTitle;
        QLabel* lblVersion;
        QLabel* lblDescription;
        QPushButton* cmdOK;
        QPushButton* cancelButton;  // Esc presses it
        QWidget* firstInTabOrder;   // where the focus starts
    };

    void Form_Load();
    void KeepDesignColours();

    Controls controls_{};
};

}  // namespace zephyrod::ui
