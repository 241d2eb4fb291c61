// The main window as a user meets it: layout, focus, Calculate, errors, menu.
#include <QAbstractButton>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <clocale>
#include <memory>

#include "design_units.h"
#include "frm_help.h"
#include "frm_main.h"
#include "result_list.h"
#include "ui_fonts.h"
#include "ui_test_support.h"

using zephyrod::ui::frmMain;
using zephyrod::ui::ResultList;
using zephyrod::ui::TwipsRect;
using zephyrod::ui::test::ModalWatchdog;

namespace {

const QStringList kDefaultValues = {
    "Resonator Length = 664.78 mm",     "Counterpoise Length = 8.20 M",
    "Resonator Capacitance = 10.78 pF", "Required Inductance = 46.90 uH",
    "Number of Coil Turns = 56.0",      "Coil Length = 65 mm",
};

const QStringList kDefaultSweep = {
    "Freq     Resonator     Turns          Delta",
    "----     ---------     -----     ---------------",
    "6.57      715.37mm     61.0       50.59mm   5.0 T",
    "6.62      709.97mm     60.5       45.19mm   4.5 T",
    "6.67      704.65mm     60.0       39.87mm   4.0 T",
    "6.72      699.40mm     59.5       34.62mm   3.5 T",
    "6.77      694.24mm     59.0       29.46mm   3.0 T",
    "6.82      689.15mm     58.5       24.37mm   2.5 T",
    "6.87      684.13mm     58.0       19.35mm   2.0 T",
    "6.92      679.19mm     57.5       14.41mm   1.5 T",
    "6.97      674.32mm     57.0       9.54mm   1.0 T",
    "7.02      669.52mm     56.5       4.73mm   0.5 T",
    "7.07      664.78mm     56.0       0.00mm   0.0 T",
    "7.12      660.11mm     55.5       4.67mm   0.5 T",
    "7.17      655.51mm     55.0       9.27mm   1.0 T",
    "7.22      650.97mm     54.5       13.81mm   1.5 T",
    "7.27      646.49mm     54.5       18.29mm   1.5 T",
    "7.32      642.08mm     54.0       22.70mm   2.0 T",
    "7.37      637.72mm     53.5       27.06mm   2.5 T",
    "7.42      633.42mm     53.0       31.36mm   3.0 T",
    "7.47      629.18mm     52.5       35.60mm   3.5 T",
    "7.52      625.00mm     52.0       39.78mm   4.0 T",
    "7.57      620.87mm     52.0       43.91mm   4.0 T",
};

QWidget* FindControl(QWidget* window, const QString& name, int index) {
    if (index < 0) {
        return window->findChild<QWidget*>(name);
    }
    for (QWidget* w : window->findChildren<QWidget*>(name)) {
        if (w->property("index").toInt() == index) {
            return w;
        }
    }
    return nullptr;
}

QString Caption(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        return box->title();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text();
    }
    return QString();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<frmMain> window_;
    std::unique_ptr<ModalWatchdog> watchdog_;

    void calculate() { QTest::mouseClick(window_->cmdGo, Qt::LeftButton); }

    // Presses Calculate and answers the error report that must follow.
    QString calculateExpectingError() {
        QString shown;
        watchdog_->expect([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box != nullptr) {
                shown = box->text() + "\n" + box->informativeText();
                QCOMPARE(box->parentWidget(), box->parentWidget());
                box->accept();
            } else {
                modal->close();
            }
        });
        calculate();
        return shown;
    }

  private slots:
    void init() {
        watchdog_ = std::make_unique<ModalWatchdog>();
        window_ = std::make_unique<frmMain>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() {
        window_->close();
        window_.reset();
        QTRY_VERIFY(zephyrod::ui::test::VisibleTopLevels().isEmpty());
        const QStringList unexpected = watchdog_->takeUnexpected();
        QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected dialog: " + unexpected.join(", ")));
        watchdog_.reset();
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("tabIndex");
        auto row = [](const char* name, int index, const char* kind, const char* container,
                      QRect twips, const char* caption, int tab) {
            QTest::addRow("%s%s", name, index < 0 ? "" : (index == 0 ? "(0)" : "(1)"))
                << QString(name) << index << QString(kind) << QString(container) << twips
                << QString(caption) << tab;
        };
        row("Frame2", -1, "QGroupBox", "client", {0, 0, 3015, 3615}, " Parameters ", 0);
        row("Label1", -1, "QLabel", "Frame2", {120, 480, 855, 495}, "Center Frequency", 2);
        row("txtFreq", -1, "QLineEdit", "Frame2", {1080, 600, 1335, 285}, "", 1);
        row("Label2", -1, "QLabel", "Frame2", {2520, 600, 375, 255}, "MHz", 3);
        row("Label4", -1, "QLabel", "Frame2", {120, 1080, 855, 495}, "Resonator Diameter", 7);
        row("txtResDia", -1, "QLineEdit", "Frame2", {1080, 1200, 1335, 285}, "", 6);
        row("lblUnit", 0, "QLabel", "Frame2", {2520, 1200, 255, 255}, "mm", 8);
        row("Label3", -1, "QLabel", "Frame2", {120, 1680, 735, 495}, "Coil Diameter", 5);
        row("txtCoilDia", -1, "QLineEdit", "Frame2", {1080, 1800, 1335, 285}, "", 4);
        row("lblUnit", 1, "QLabel", "Frame2", {2520, 1800, 255, 255}, "mm", 9);
        row("lblTPI", -1, "QLabel", "Frame2", {120, 2280, 855, 375}, "Coil Turns Per cm", 10);
        row("txtTPI", -1, "QLineEdit", "Frame2", {1080, 2400, 1335, 285}, "", 11);
        row("cmdGo", -1, "QPushButton", "Frame2", {840, 3000, 1335, 375}, "Calculate", 12);
        row("Frame3", -1, "QGroupBox", "client", {3120, 0, 3135, 3615}, "", 13);
        row("lstValues", -1, "QListWidget", "Frame3", {120, 240, 2895, 3180}, "", 14);
        row("Frame1", -1, "QGroupBox", "client", {0, 3720, 6255, 4935}, " Sweep Data", 15);
        row("lstSweep", -1, "QListWidget", "Frame1", {120, 240, 6015, 4545}, "", 16);
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(int, tabIndex);
        QWidget* w = FindControl(window_.get(), name, index);
        QVERIFY(w != nullptr);
        QVERIFY(w->inherits(kind.toLatin1()));
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(Caption(w), caption);
        const QRect design = TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
        if (qobject_cast<QLabel*>(w) != nullptr) {
            // A label keeps its place and grows only where this platform's
            // font needs more room than the design gave its caption.
            QCOMPARE(w->pos(), design.topLeft());
            QVERIFY(w->width() >= design.width() && w->height() >= design.height());
            QVERIFY2(
                w->width() <= design.width() + 8 && w->height() <= design.height() + 4,
                qPrintable(
                    QStringLiteral("%1 grew to %2x%3").arg(name).arg(w->width()).arg(w->height())));
        } else {
            QCOMPARE(w->geometry(), design);
        }
        // Frames and labels take no focus; the others take it in tab-index order.
        const bool focusable =
            kind == "QLineEdit" || kind == "QPushButton" || kind == "QListWidget";
        QCOMPARE(bool(w->focusPolicy() & Qt::TabFocus), focusable);
        Q_UNUSED(tabIndex);
    }

    void windowFrame() {
        QCOMPARE(window_->windowTitle(), QString("Zephyrod Metric Calculator"));
        QCOMPARE(window_->centralWidget()->size(), zephyrod::ui::TwipsSize(6240, 8745));
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!window_->windowIcon().isNull());
    }

    void resizingMovesNothing() {
        QList<QPair<QWidget*, QRect>> before;
        for (QWidget* w : window_->centralWidget()->findChildren<QWidget*>()) {
            before << qMakePair(w, w->geometry());
        }
        for (QSize size : {QSize(700, 800), QSize(200, 150), QSize(416, 600)}) {
            window_->resize(size);
            QCoreApplication::processEvents();
            for (const auto& [w, rect] : before) {
                QCOMPARE(w->geometry(), rect);
            }
        }
    }

    void focusChainFollowsTabIndex() {
        const QList<QWidget*> expected = {window_->txtFreq, window_->txtCoilDia, window_->txtResDia,
                                          window_->txtTPI,  window_->cmdGo,      window_->lstValues,
                                          window_->lstSweep};
        QList<QWidget*> chain;
        QWidget* w = window_->txtFreq;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window_.get()) &&
                w->isEnabled() && window_->centralWidget()->isAncestorOf(w)) {
                chain << w;
            }
            w = w->nextInFocusChain();
        } while (w != window_->txtFreq && chain.size() < 50);
        QCOMPARE(chain, expected);

        // And with the keyboard: Tab all the way round, back to the frequency.
        QCOMPARE(QApplication::focusWidget(), window_->txtFreq);
        for (int i = 1; i <= expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i % expected.size()]);
        }
    }

    void startState() {
        QCOMPARE(window_->txtFreq->text(), QString("7.07"));
        QCOMPARE(window_->txtResDia->text(), QString("25.4"));
        QCOMPARE(window_->txtCoilDia->text(), QString("34.925"));
        QCOMPARE(window_->txtTPI->text(), QString("8.66"));
        QCOMPARE(window_->lstValues->count(), 0);
        QCOMPARE(window_->lstSweep->count(), 0);
        QCOMPARE(window_->lstSweep->currentRow(), -1);
        QCOMPARE(QApplication::focusWidget(), window_->txtFreq);
    }

    void calculateFillsBothLists() {
        calculate();
        QCOMPARE(window_->lstValues->lines(), kDefaultValues);
        QCOMPARE(window_->lstSweep->lines(), kDefaultSweep);
        QCOMPARE(window_->lstSweep->currentRow(), 12);
        QVERIFY(window_->lstSweep->item(12)->isSelected());
        QCOMPARE(window_->lstSweep->selectedItems().size(), 1);
        const QRect shown = window_->lstSweep->visualItemRect(window_->lstSweep->item(12));
        QVERIFY(shown.top() >= 0 && shown.bottom() <= window_->lstSweep->viewport()->height());

        // Again, after the user picked another row: the same lines, row 12 again.
        window_->lstSweep->setCurrentRow(3);
        window_->lstSweep->scrollToTop();
        calculate();
        QCOMPARE(window_->lstValues->lines(), kDefaultValues);
        QCOMPARE(window_->lstSweep->lines(), kDefaultSweep);
        QCOMPARE(window_->lstSweep->currentRow(), 12);
    }

    void commaDecimalLocaleChangesNothing() {
        const QByteArray lcAll = qgetenv("LC_ALL");
        if (!lcAll.startsWith("de_DE")) {
            QSKIP("runs under LC_ALL=de_DE.UTF-8");
        }
        if (QString(std::localeconv()->decimal_point) != ",") {
            QSKIP("locale de_DE.UTF-8 is not installed");
        }
        calculate();
        QCOMPARE(window_->lstValues->lines(), kDefaultValues);
        QCOMPARE(window_->lstSweep->lines(), kDefaultSweep);
    }

    void enterAndEscapeInAFieldDoNothing() {
        for (QLineEdit* field :
             {window_->txtFreq, window_->txtResDia, window_->txtCoilDia, window_->txtTPI}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter);
            QTest::keyClick(field, Qt::Key_Escape);
        }
        QCOMPARE(window_->lstValues->count(), 0);
        QVERIFY(window_->isVisible());
        QVERIFY(!window_->cmdGo->isDefault());
    }

    void errorsAreReportedAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<bool>("listsReplaced");
        QTest::addColumn<int>("sweepLines");
        QTest::newRow("not a number") << "txtFreq"
                                      << "abc"
                                      << "Run-time error '13':\n\nType mismatch"
                                      << "Center Frequency \"abc\" is not a number" << false << 0;
        QTest::newRow("empty field") << "txtTPI"
                                     << ""
                                     << "Run-time error '13':\n\nType mismatch"
                                     << "Coil Turns Per cm is empty" << false << 0;
        QTest::newRow("too large")
            << "txtResDia" << QString(45, '9') << "Run-time error '6':\n\nOverflow"
            << "too large" << false << 0;
        QTest::newRow("zero frequency") << "txtFreq"
                                        << "0"
                                        << "Run-time error '11':\n\nDivision by zero"
                                        << "above 0 MHz" << false << 0;
        QTest::newRow("zero coil diameter")
            << "txtCoilDia"
            << "0"
            << "Run-time error '5':\n\nInvalid procedure call or argument"
            << "coil diameter" << false << 0;
        QTest::newRow("too high for resonator")
            << "txtFreq"
            << "110"
            << "Run-time error '5':\n\nInvalid procedure call or argument"
            << "at most 106.3976 MHz" << false << 0;
        QTest::newRow("sweep reaches zero") << "txtFreq"
                                            << "0.5"
                                            << "Run-time error '11':\n\nDivision by zero"
                                            << "In the sweep at 0.00 MHz" << true << 2;
        QTest::newRow("sweep passes limit")
            << "txtFreq"
            << "106.2"
            << "Run-time error '5':\n\nInvalid procedure call or argument"
            << "In the sweep at 106.40 MHz" << true << 16;
    }

    void errorsAreReportedAndTheProgramGoesOn() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, report);
        QFETCH(QString, detail);
        QFETCH(bool, listsReplaced);
        QFETCH(int, sweepLines);

        calculate();  // the defaults first, so that there is something to keep
        window_->lstSweep->setCurrentRow(5);
        auto* input = window_->findChild<QLineEdit*>(field);
        input->setText(text);
        const QString shown = calculateExpectingError();
        QVERIFY2(shown.startsWith(report), qPrintable(shown));
        QVERIFY2(shown.contains(detail), qPrintable(shown));
        if (listsReplaced) {
            QCOMPARE(window_->lstValues->count(), 6);
            QCOMPARE(window_->lstSweep->count(), sweepLines);
            QCOMPARE(window_->lstSweep->item(0)->text(), kDefaultSweep[0]);
        } else {
            QCOMPARE(window_->lstValues->lines(), kDefaultValues);
            QCOMPARE(window_->lstSweep->lines(), kDefaultSweep);
            QCOMPARE(window_->lstSweep->currentRow(), 5);
        }
        QVERIFY(window_->isVisible());

        // The user mends the field and calculates again.
        input->setText(field == "txtFreq"      ? "7.07"
                       : field == "txtResDia"  ? "25.4"
                       : field == "txtCoilDia" ? "34.925"
                                               : "8.66");
        calculate();
        QCOMPARE(window_->lstValues->lines(), kDefaultValues);
        QCOMPARE(window_->lstSweep->lines(), kDefaultSweep);
        QCOMPARE(window_->lstSweep->currentRow(), 12);
    }

    void errorReportIsOwnedByTheWindow() {
        window_->txtFreq->setText("x");
        QWidget* owner = nullptr;
        watchdog_->expect([&owner](QWidget* modal) {
            owner = modal->parentWidget();
            modal->close();
        });
        calculate();
        QCOMPARE(owner, static_cast<QWidget*>(window_.get()));
    }

    void blankMenuItemDoesNothing() {
        QCOMPARE(window_->mnuEMPTY->text(), QString(120, ' '));
        QVERIFY(window_->mnuEMPTY->menu() == nullptr);
        window_->mnuEMPTY->trigger();
        QTest::qWait(100);
        QCOMPARE(zephyrod::ui::test::VisibleTopLevels().size(), 1);
        QCOMPARE(window_->lstValues->count(), 0);
    }

    void helpMenuStaysOnTheBar() {
        QMenuBar* bar = window_->menuBar();
        QCOMPARE(window_->mnuHelp->title(), QString("&Help"));
        QCOMPARE(window_->mnuZRHelp->text(), QString("Zephyrod Calculator &Help"));
        QCOMPARE(window_->mnuAbout->text(), QString("&About"));
        const QRect help = bar->actionGeometry(window_->mnuHelp->menuAction());
        QVERIFY2(!help.isEmpty(), "Help has no place on the bar");
        QVERIFY2(bar->rect().contains(help),
                 qPrintable(QStringLiteral("Help at %1,%2 %3x%4 on a bar %5 wide")
                                .arg(help.x())
                                .arg(help.y())
                                .arg(help.width())
                                .arg(help.height())
                                .arg(bar->width())));
        QVERIFY(help.x() > bar->actionGeometry(window_->mnuEMPTY).x());
        for (auto* button : bar->findChildren<QToolButton*>()) {
            QVERIFY2(!button->isVisible(), "the bar shows an overflow button");
        }
    }

    void helpMenuByKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opens");
        QTest::newRow("Alt+H, H") << int(Qt::Key_H) << "frmHelp";
        QTest::newRow("Alt+H, A") << int(Qt::Key_A) << "frmAbout";
    }

    void helpMenuByKeyboard() {
        QFETCH(int, key);
        QFETCH(QString, opens);
        QString modalShown;
        watchdog_->expect([&modalShown](QWidget* modal) {
            modalShown = modal->objectName();
            modal->close();
        });
        QTest::keyClick(window_.get(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(window_->mnuHelp->isVisible());
        QTest::keyClick(window_->mnuHelp, Qt::Key(key));
        if (opens == "frmHelp") {
            QTRY_VERIFY(window_->helpWindow() != nullptr && window_->helpWindow()->isVisible());
            QVERIFY(modalShown.isEmpty());
            watchdog_->expect(nullptr);
        } else {
            QTRY_COMPARE(modalShown, opens);
            QVERIFY(window_->helpWindow() == nullptr);
        }
    }

    void noCaptionIsClipped() {
        for (QLabel* label : window_->findChildren<QLabel*>()) {
            QVERIFY2(zephyrod::ui::CaptionFits(label), qPrintable(label->objectName()));
        }
        for (QGroupBox* frame : window_->findChildren<QGroupBox*>()) {
            const int title = frame->fontMetrics().horizontalAdvance(frame->title());
            QVERIFY2(title + 16 <= frame->width(), qPrintable(frame->objectName()));
        }
        const QFontMetrics metrics(window_->cmdGo->font());
        QVERIFY(metrics.horizontalAdvance(window_->cmdGo->text()) + 8 <= window_->cmdGo->width());
        QVERIFY(metrics.height() + 4 <= window_->cmdGo->height());
    }

    void fonts() {
        const QFont sweep = window_->lstSweep->font();
        QVERIFY(QFontInfo(sweep).fixedPitch());
        QCOMPARE(sweep.pointSizeF(), 9.75);
        QCOMPARE(window_->Label1->font().pointSizeF(), 8.0);
        QCOMPARE(window_->lstValues->font().pointSizeF(), 8.0);
        // The sweep's columns line up: every character is as wide as any other.
        const QFontMetrics metrics(sweep);
        QCOMPARE(metrics.horizontalAdvance(kDefaultSweep[0]),
                 metrics.horizontalAdvance(QString(43, 'x')));
    }

    void accessibleNames() {
        QCOMPARE(window_->txtFreq->accessibleName(), QString("Center Frequency"));
        QCOMPARE(window_->txtResDia->accessibleName(), QString("Resonator Diameter"));
        QCOMPARE(window_->txtCoilDia->accessibleName(), QString("Coil Diameter"));
        QCOMPARE(window_->txtTPI->accessibleName(), QString("Coil Turns Per cm"));
        QCOMPARE(window_->lstSweep->accessibleName(), QString("Sweep Data"));
        QVERIFY(!window_->lstValues->accessibleName().isEmpty());
    }

    void copyFromTheLists() {
        calculate();
        QGuiApplication::clipboard()->clear();
        window_->lstSweep->setFocus();
        QTest::keySequence(window_->lstSweep, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultSweep[12]);

        // The context menu's Copy All: every line of the list.
        QTimer::singleShot(100, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QCOMPARE(menu->actions().size(), 2);
            QCOMPARE(menu->actions()[0]->text(), QString("Copy"));
            QCOMPARE(menu->actions()[1]->text(), QString("Copy All"));
            menu->actions()[1]->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                window_->lstValues->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(window_->lstValues->viewport(), &event);
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultValues.join('\n'));
    }

    void closingEndsTheProgramWithTheHelpWindow() {
        window_->mnuZRHelp->trigger();
        QPointer<QWidget> help = window_->helpWindow();
        QVERIFY(help != nullptr);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(zephyrod::ui::test::VisibleTopLevels().size(), 2);
        QVERIFY(window_->close());
        QTRY_VERIFY(help.isNull());
        QVERIFY(zephyrod::ui::test::VisibleTopLevels().isEmpty());
    }
};

ZEPHYROD_UI_TEST_MAIN(MainWindowTest)

#include "frm_main_test.moc"
