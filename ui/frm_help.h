// The help window: the instruction text in an editable box and an OK button.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace zephyrod::ui {

class frmHelp : public QWidget {
    Q_OBJECT
  public:
    // A window of its own (no owner); closing it destroys it.
    frmHelp();

    QPlainTextEdit* txtHelp;
    QPushButton* cmdOK;

  public slots:
    void cmdOK_Click();

  private:
    void Form_Load();
};

}  // namespace zephyrod::ui
