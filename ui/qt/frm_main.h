// The main window: the four inputs, Calculate, the results and sweep lists,
// and the Help menu.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "frm_help.h"
#include "input_fields.h"

class QLineEdit;
class QPushButton;

namespace zephyrod::ui {

class ResultList;

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMain(QWidget* parent = nullptr);

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
    struct Controls {
        std::array<QLineEdit*, kInputFieldCount> fields;  // in the order of kInputFields
        QPushButton* cmdGo;
        ResultList* lstValues;
        ResultList* lstSweep;

        QLineEdit* field(InputField which) const { return fields[static_cast<std::size_t>(which)]; }
    };

    void BuildMenuBar();
    void Form_Load();
    void Form_Unload();
    void ShowAbout();

    Controls controls_{};
    QPointer<frmHelp> help_;
};

}  // namespace zephyrod::ui
