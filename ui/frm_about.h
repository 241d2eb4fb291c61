// The about window: title, version, description and copyright.
#pragma once

#include <QDialog>

class QPushButton;

namespace zephyrod::ui {

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent);

    QPushButton* cmdOK;

  public slots:
    void cmdOK_Click();

  private:
    void Form_Load();
};

}  // namespace zephyrod::ui
