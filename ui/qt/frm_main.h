// The main window: the four inputs, Calculate, the results and sweep lists,
// and the Help menu.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "frm_help.h"
#include "input_fields.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace zephyrod::ui {

class ResultList;

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Reads the four fields, calculates, and fills both lists; reports a
    // failure in a message box and leaves the lists as the failure left them.
    void Calculate();

    // The help window while it is open.
    frmHelp* helpWindow() const { return help_; }

    // Controls, named as in the window's design.
    QGroupBox* Frame2;
    QLabel* Label1;
    QLineEdit* txtFreq;
    QLabel* Label2;
    QLabel* Label4;
    QLineEdit* txtResDia;
    std::array<QLabel*, 2> lblUnit;
    QLabel* Label3;
    QLineEdit* txtCoilDia;
    QLabel* lblTPI;
    QLineEdit* txtTPI;
    QPushButton* cmdGo;
    QGroupBox* Frame3;
    ResultList* lstValues;
    QGroupBox* Frame1;
    ResultList* lstSweep;
    QAction* mnuEMPTY;
    QMenu* mnuHelp;
    QAction* mnuZRHelp;
    QAction* mnuAbout;

  public slots:
    void cmdGo_Click();
    void mnuZRHelp_Click();
    void mnuAbout_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void CreateMenu();
    void Form_Load();
    void Form_Unload();
    QLineEdit* FieldFor(InputField field) const;

    QPointer<frmHelp> help_;
};

}  // namespace zephyrod::ui
