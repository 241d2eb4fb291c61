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

  public slots:
    void cmdOK_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct Controls {
        QPlainTextEdit* txtHelp;
        QPushButton* cmdOK;
        QWidget* firstInTabOrder;  // where the focus starts: OK
    };

    void Form_Load();

    Controls controls_{};
};

}  // namespace zephyrod::ui
