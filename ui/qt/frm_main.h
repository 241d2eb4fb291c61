// The main window: the four inputs, Calculate, the results and sweep lists,
// and the Help menu.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "frm_help.h"

namespace zephyrod::ui {

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Reads the four fields, calculates, and fills both lists; reports a
    // failure in a message box and leaves the lists as the failure left them.
    void Calculate();

  public slots:
    void cmdGo_Click();
    // Opens the help window beside this one, or brings it to the front.
    void mnuZRHelp_Click();
    // Opens the about window modally, once the menu's own call has returned:
    // whoever chose the item (a screen reader too) is not kept waiting.
    void mnuAbout_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The window can be minimised but not maximised, whatever the window
    // manager offers: a maximised window goes back to its size.
    void changeEvent(QEvent* event) override;

  private:
    void Form_Load();
    void Form_Unload();
    void ShowAbout();

    QPointer<frmHelp> help_;
};

}  // namespace zephyrod::ui
