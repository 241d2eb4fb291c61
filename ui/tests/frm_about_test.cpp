#include <QtTest>

#include "ui_test_support.h"

class Placeholder : public QObject {
    Q_OBJECT
  private slots:
    void nothingYet() {}
};

ZEPHYROD_UI_TEST_MAIN(Placeholder)

#include "frm_about_test.moc"
