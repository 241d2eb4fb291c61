// The help window: the instruction text in an editable box and an OK button.
#pragma once

#include <QString>
#include <QWidget>

namespace zephyrod::ui {

class frmHelp : public QWidget {
    Q_OBJECT
  public:
    // A window of its own (no owner); closing it destroys it.
    frmHelp();

    // The help text, paragraphs separated by an empty line, every line break
    // a carriage return and line feed.
    static QString HelpText();

  public slots:
    void cmdOK_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();
};

}  // namespace zephyrod::ui
