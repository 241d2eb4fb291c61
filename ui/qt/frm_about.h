// The about window: title, version, description and copyright.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace zephyrod::ui {

class LineShape;

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    // Shown modally; Qt centres a dialog over its parent.
    explicit frmAbout(QWidget* parent);

    // Controls, named as in the window's design.
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    std::array<LineShape*, 2> Line1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* cmdOK;

  public slots:
    void cmdOK_Click();

  protected:
    // Esc presses OK, the window's cancel button.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    void Form_Load();
};

}  // namespace zephyrod::ui
