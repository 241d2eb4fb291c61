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

#include "default_design.h"
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

QStringList ToQt(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines) {
        list << QString::fromStdString(line);
    }
    return list;
}

const QStringList kDefaultValues = ToQt(zephyrod::testdata::kDefaultResults);
const QStringList kDefaultSweep = ToQt(zephyrod::testdata::kDefaultSweep);

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

class MainWindowTests : public zephyrod::ui::test::MainWindowTest {
    Q_OBJECT

  private:
    void calculate() { QTest::mouseClick(main_->cmdGo, Qt::LeftButton); }

    // Presses Calculate and answers the error report that must follow.
    QString calculateExpectingError() {
        QString shown;
        watchdog_->expect([&shown](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                shown = box->text();
            }
            modal->close();
        });
        calculate();
        return shown;
    }

  private slots:
    void init() { openMainWindow(); }

    void cleanup() { closeEverything(); }

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
        QWidget* w = FindControl(main_.get(), name, index);
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
        if (focusable) {
            // Its place among the focusable controls, counted from the frequency.
            const QList<int> focusableTabIndexes = {1, 4, 6, 11, 12, 14, 16};
            QWidget* at = main_->txtFreq;
            int place = 0;
            while (at != w && place < 7) {
                do {
                    at = at->nextInFocusChain();
                } while (!(at->focusPolicy() & Qt::TabFocus) ||
                         !main_->centralWidget()->isAncestorOf(at));
                ++place;
            }
            QCOMPARE(place, int(focusableTabIndexes.indexOf(tabIndex)));
        }
    }

    void windowFrame() {
        QCOMPARE(main_->windowTitle(), QString("Zephyrod Metric Calculator"));
        QCOMPARE(main_->centralWidget()->size(), zephyrod::ui::TwipsSize(6240, 8745));
        const Qt::WindowFlags flags = main_->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!main_->windowIcon().isNull());
    }

    void resizingMovesNothing() {
        QList<QPair<QWidget*, QRect>> before;
        for (QWidget* w : main_->centralWidget()->findChildren<QWidget*>()) {
            before << qMakePair(w, w->geometry());
        }
        for (QSize size : {QSize(700, 800), QSize(200, 150), QSize(416, 600)}) {
            main_->resize(size);
            QCoreApplication::processEvents();
            for (const auto& [w, rect] : before) {
                QCOMPARE(w->geometry(), rect);
            }
        }
    }

    void focusChainFollowsTabIndex() {
        const QList<QWidget*> expected = {main_->txtFreq, main_->txtCoilDia, main_->txtResDia,
                                          main_->txtTPI,  main_->cmdGo,      main_->lstValues,
                                          main_->lstSweep};
        QList<QWidget*> chain;
        QWidget* w = main_->txtFreq;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(main_.get()) &&
                w->isEnabled() && main_->centralWidget()->isAncestorOf(w)) {
                chain << w;
            }
            w = w->nextInFocusChain();
        } while (w != main_->txtFreq && chain.size() < 50);
        QCOMPARE(chain, expected);

        // And with the keyboard: Tab all the way round, back to the frequency.
        QCOMPARE(QApplication::focusWidget(), main_->txtFreq);
        for (int i = 1; i <= expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i % expected.size()]);
        }
    }

    void startState() {
        QCOMPARE(main_->txtFreq->text(), QString("7.07"));
        QCOMPARE(main_->txtResDia->text(), QString("25.4"));
        QCOMPARE(main_->txtCoilDia->text(), QString("34.925"));
        QCOMPARE(main_->txtTPI->text(), QString("8.66"));
        QCOMPARE(main_->lstValues->count(), 0);
        QCOMPARE(main_->lstSweep->count(), 0);
        QCOMPARE(main_->lstSweep->currentRow(), -1);
        QCOMPARE(QApplication::focusWidget(), main_->txtFreq);
    }

    void calculateFillsBothLists() {
        calculate();
        QCOMPARE(main_->lstValues->lines(), kDefaultValues);
        QCOMPARE(main_->lstSweep->lines(), kDefaultSweep);
        QCOMPARE(main_->lstSweep->currentRow(), 12);
        QVERIFY(main_->lstSweep->item(12)->isSelected());
        QCOMPARE(main_->lstSweep->selectedItems().size(), 1);
        const QRect shown = main_->lstSweep->visualItemRect(main_->lstSweep->item(12));
        QVERIFY(shown.top() >= 0 && shown.bottom() <= main_->lstSweep->viewport()->height());

        // Again, after the user picked another row: the same lines, row 12 again.
        main_->lstSweep->setCurrentRow(3);
        main_->lstSweep->scrollToTop();
        calculate();
        QCOMPARE(main_->lstValues->lines(), kDefaultValues);
        QCOMPARE(main_->lstSweep->lines(), kDefaultSweep);
        QCOMPARE(main_->lstSweep->currentRow(), 12);
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
        QCOMPARE(main_->lstValues->lines(), kDefaultValues);
        QCOMPARE(main_->lstSweep->lines(), kDefaultSweep);
    }

    void enterAndEscapeInAFieldDoNothing() {
        for (QLineEdit* field :
             {main_->txtFreq, main_->txtResDia, main_->txtCoilDia, main_->txtTPI}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter);
            QTest::keyClick(field, Qt::Key_Escape);
        }
        QCOMPARE(main_->lstValues->count(), 0);
        QVERIFY(main_->isVisible());
        QVERIFY(!main_->cmdGo->isDefault());
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
                                      << "Run-time error 13: Type mismatch"
                                      << "Center Frequency \"abc\" is not a number" << false << 0;
        QTest::newRow("empty field") << "txtTPI"
                                     << ""
                                     << "Run-time error 13: Type mismatch"
                                     << "Coil Turns Per cm is empty" << false << 0;
        QTest::newRow("too large")
            << "txtResDia" << QString(45, '9') << "Run-time error 6: Overflow"
            << "too large" << false << 0;
        QTest::newRow("zero frequency") << "txtFreq"
                                        << "0"
                                        << "Run-time error 11: Division by zero"
                                        << "above 0 MHz" << false << 0;
        QTest::newRow("zero coil diameter")
            << "txtCoilDia"
            << "0"
            << "Run-time error 5: Invalid procedure call or argument"
            << "coil diameter" << false << 0;
        QTest::newRow("too high for resonator")
            << "txtFreq"
            << "110"
            << "Run-time error 5: Invalid procedure call or argument"
            << "at most 106.3976 MHz" << false << 0;
        QTest::newRow("sweep reaches zero") << "txtFreq"
                                            << "0.5"
                                            << "Run-time error 11: Division by zero"
                                            << "In the sweep at 0.00 MHz" << true << 2;
        QTest::newRow("sweep passes limit")
            << "txtFreq"
            << "106.2"
            << "Run-time error 5: Invalid procedure call or argument"
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
        main_->lstSweep->setCurrentRow(5);
        auto* input = main_->findChild<QLineEdit*>(field);
        input->setText(text);
        const QString shown = calculateExpectingError();
        // What to fix first, then the run-time error on a line of its own.
        QVERIFY2(shown.contains(detail) && !shown.startsWith("Run-time"), qPrintable(shown));
        QVERIFY2(shown.endsWith("\n\n" + report), qPrintable(shown));
        // A fault of one field puts the user back there; one of the sweep leaves
        // the user on Calculate.
        QWidget* focused = main_->focusWidget();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->objectName(), listsReplaced ? QString("cmdGo") : field);
        if (listsReplaced) {
            QCOMPARE(main_->lstValues->count(), 6);
            QCOMPARE(main_->lstSweep->count(), sweepLines);
            QCOMPARE(main_->lstSweep->item(0)->text(), kDefaultSweep[0]);
        } else {
            QCOMPARE(main_->lstValues->lines(), kDefaultValues);
            QCOMPARE(main_->lstSweep->lines(), kDefaultSweep);
            QCOMPARE(main_->lstSweep->currentRow(), 5);
        }
        QVERIFY(main_->isVisible());

        // The user mends the field and calculates again.
        input->setText(field == "txtFreq"      ? "7.07"
                       : field == "txtResDia"  ? "25.4"
                       : field == "txtCoilDia" ? "34.925"
                                               : "8.66");
        calculate();
        QCOMPARE(main_->lstValues->lines(), kDefaultValues);
        QCOMPARE(main_->lstSweep->lines(), kDefaultSweep);
        QCOMPARE(main_->lstSweep->currentRow(), 12);
    }

    void enterOnTheFocusedButtonCalculates() {
        main_->cmdGo->setFocus();
        QTest::keyClick(main_->cmdGo, Qt::Key_Return);
        QCOMPARE(main_->lstValues->lines(), kDefaultValues);
        QCOMPARE(main_->lstSweep->currentRow(), 12);
    }

    void unreadableFieldGetsTheFocus_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("frequency") << "txtFreq";
        QTest::newRow("resonator diameter") << "txtResDia";
        QTest::newRow("coil diameter") << "txtCoilDia";
        QTest::newRow("turns per cm") << "txtTPI";
    }

    void unreadableFieldGetsTheFocus() {
        QFETCH(QString, field);
        auto* input = main_->findChild<QLineEdit*>(field);
        input->setText("1,5");
        calculateExpectingError();
        QCOMPARE(main_->focusWidget(), input);
        QCOMPARE(input->selectedText(), QString("1,5"));
    }

    void errorReportIsOwnedByTheWindow() {
        main_->txtFreq->setText("x");
        QWidget* owner = nullptr;
        watchdog_->expect([&owner](QWidget* modal) {
            owner = modal->parentWidget();
            modal->close();
        });
        calculate();
        QCOMPARE(owner, static_cast<QWidget*>(main_.get()));
    }

    void blankMenuItemDoesNothing() {
        QCOMPARE(main_->mnuEMPTY->text(), QString(120, ' '));
        QVERIFY(main_->mnuEMPTY->menu() == nullptr);
        main_->mnuEMPTY->trigger();
        QTest::qWait(100);
        QCOMPARE(zephyrod::ui::test::VisibleTopLevels().size(), 1);
        QCOMPARE(main_->lstValues->count(), 0);
    }

    void helpMenuStaysOnTheBar() {
        QMenuBar* bar = main_->menuBar();
        QCOMPARE(main_->mnuHelp->title(), QString("&Help"));
        QCOMPARE(main_->mnuZRHelp->text(), QString("Zephyrod Calculator &Help"));
        QCOMPARE(main_->mnuAbout->text(), QString("&About"));
        const QRect help = bar->actionGeometry(main_->mnuHelp->menuAction());
        QVERIFY2(!help.isEmpty(), "Help has no place on the bar");
        QVERIFY2(bar->rect().contains(help),
                 qPrintable(QStringLiteral("Help at %1,%2 %3x%4 on a bar %5 wide")
                                .arg(help.x())
                                .arg(help.y())
                                .arg(help.width())
                                .arg(help.height())
                                .arg(bar->width())));
        QVERIFY(help.x() > bar->actionGeometry(main_->mnuEMPTY).x());
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
        QTest::keyClick(main_.get(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(main_->mnuHelp->isVisible());
        QTest::keyClick(main_->mnuHelp, Qt::Key(key));
        if (opens == "frmHelp") {
            QTRY_VERIFY(main_->helpWindow() != nullptr && main_->helpWindow()->isVisible());
            QVERIFY(modalShown.isEmpty());
            watchdog_->expect(nullptr);
        } else {
            QTRY_COMPARE(modalShown, opens);
            QVERIFY(main_->helpWindow() == nullptr);
        }
    }

    void noCaptionIsClipped() {
        for (QLabel* label : main_->findChildren<QLabel*>()) {
            QVERIFY2(zephyrod::ui::CaptionFits(label), qPrintable(label->objectName()));
        }
        for (QGroupBox* frame : main_->findChildren<QGroupBox*>()) {
            const int title = frame->fontMetrics().horizontalAdvance(frame->title());
            QVERIFY2(title + 16 <= frame->width(), qPrintable(frame->objectName()));
        }
        const QFontMetrics metrics(main_->cmdGo->font());
        QVERIFY(metrics.horizontalAdvance(main_->cmdGo->text()) + 8 <= main_->cmdGo->width());
        QVERIFY(metrics.height() + 4 <= main_->cmdGo->height());
    }

    void fonts() {
        const QFont sweep = main_->lstSweep->font();
        QVERIFY(QFontInfo(sweep).fixedPitch());
        QCOMPARE(sweep.pointSizeF(), 9.75);
        QCOMPARE(main_->Label1->font().pointSizeF(), 8.0);
        QCOMPARE(main_->lstValues->font().pointSizeF(), 8.0);
        // The sweep's columns line up: every character is as wide as any other.
        const QFontMetrics metrics(sweep);
        QCOMPARE(metrics.horizontalAdvance(kDefaultSweep[0]),
                 metrics.horizontalAdvance(QString(43, 'x')));
    }

    void accessibleNames() {
        QCOMPARE(main_->txtFreq->accessibleName(), QString("Center Frequency"));
        QCOMPARE(main_->txtResDia->accessibleName(), QString("Resonator Diameter"));
        QCOMPARE(main_->txtCoilDia->accessibleName(), QString("Coil Diameter"));
        QCOMPARE(main_->txtTPI->accessibleName(), QString("Coil Turns Per cm"));
        QCOMPARE(main_->lstSweep->accessibleName(), QString("Sweep Data"));
        QVERIFY(!main_->lstValues->accessibleName().isEmpty());
    }

    void copyFromTheLists() {
        calculate();
        QGuiApplication::clipboard()->clear();
        main_->lstSweep->setFocus();
        QTest::keySequence(main_->lstSweep, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultSweep[12]);

        // The context menu's Copy All: every line of the list.
        QStringList items;
        QTimer::singleShot(100, [&items] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions()) {
                    items << action->text();
                }
                menu->actions().last()->trigger();
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                main_->lstValues->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(main_->lstValues->viewport(), &event);
        QCOMPARE(items, QStringList({"Copy", "Copy All"}));
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultValues.join('\n'));
    }

    void typedMarkupIsShownAsTyped() {
        main_->txtFreq->setText("<b>7</b>");
        Qt::TextFormat format = Qt::RichText;
        QString shown;
        watchdog_->expect([&](QWidget* modal) {
            if (auto* detail = modal->findChild<QLabel*>("qt_msgbox_label")) {
                format = detail->textFormat();
                shown = detail->text();
            }
            modal->close();
        });
        calculate();
        QCOMPARE(format, Qt::PlainText);
        QVERIFY2(shown.contains("\"<b>7</b>\""), qPrintable(shown));
    }

    void closingEndsTheProgramWithTheHelpWindow() {
        main_->mnuZRHelp->trigger();
        QPointer<QWidget> help = main_->helpWindow();
        QVERIFY(help != nullptr);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(zephyrod::ui::test::VisibleTopLevels().size(), 2);
        QVERIFY(main_->close());
        QTRY_VERIFY(help.isNull());
        QVERIFY(zephyrod::ui::test::VisibleTopLevels().isEmpty());
    }
};

ZEPHYROD_UI_TEST_MAIN(MainWindowTests)

#include "frm_main_test.moc"
