// The help window as a user meets it: its text, layout, keys and lifecycle.
#include <QAccessible>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>
#include <memory>

#include "frm_help.h"
#include "frm_main.h"
#include "ui_test_support.h"
#include "ui_texts.h"

using zephyrod::ui::frmHelp;
using zephyrod::ui::Named;
using zephyrod::ui::ToQString;
namespace design = zephyrod::design;

namespace {

// The help text as the text box holds it: each carriage return and line
// feed one line break.
QString ShownHelpText() {
    return QString::fromStdString(zephyrod::design::HelpText()).replace("\r\n", "\n");
}

}  // namespace

class HelpWindowTest : public zephyrod::ui::test::MainWindowTest {
    Q_OBJECT

  private:
    static QPlainTextEdit* text(QWidget* help) { return Named<QPlainTextEdit>(help, "txtHelp"); }
    static QPushButton* ok(QWidget* help) { return Named<QPushButton>(help, "cmdOK"); }

    // Chooses "Zephyrod Calculator Help" and waits for the window.
    frmHelp* openHelp() {
        choose("mnuZRHelp");
        auto* help = qobject_cast<frmHelp*>(helpWindow());
        if (help != nullptr && !QTest::qWaitForWindowActive(help)) {
            return nullptr;
        }
        return help;
    }

    static QList<frmHelp*> OpenHelpWindows() {
        QList<frmHelp*> open;
        for (QWidget* w : zephyrod::ui::test::VisibleTopLevels()) {
            if (auto* help = qobject_cast<frmHelp*>(w)) {
                open << help;
            }
        }
        return open;
    }

  private slots:
    void init() { openMainWindow(); }

    void cleanup() { closeEverything(); }

    void shownText() {
        frmHelp* help = openHelp();
        QVERIFY(help != nullptr);
        // On screen each paragraph is one block, with one empty block between.
        QCOMPARE(text(help)->toPlainText(), ShownHelpText());
        QCOMPARE(text(help)->document()->blockCount(), int(ShownHelpText().count('\n') + 1));
    }

    void controls_data() { zephyrod::ui::test::AddControlRows(design::HelpWindowDesign()); }

    void controls() {
        frmHelp* help = openHelp();
        QVERIFY(help != nullptr);
        zephyrod::ui::test::CheckControl(help, design::HelpWindowDesign());
    }

    void tabFollowsTheDesign() {
        frmHelp* help = openHelp();
        QVERIFY(help != nullptr);
        QCOMPARE(zephyrod::ui::test::TabChain(help, design::HelpWindowDesign()),
                 zephyrod::ui::test::DesignTabOrder(design::HelpWindowDesign()));
    }

    void windowFrame() {
        frmHelp* help = openHelp();
        QVERIFY(help != nullptr);
        QCOMPARE(help->parentWidget(), nullptr);
        QCOMPARE(help->windowModality(), Qt::NonModal);
        QCOMPARE(help->size(), QSize(design::Pixels(design::HelpWindowDesign().clientWidth),
                                     design::Pixels(design::HelpWindowDesign().clientHeight)));
        QCOMPARE(help->minimumSize(), help->maximumSize());
        const Qt::WindowFlags flags = help->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

        // The title the window system gets: an empty one would make the
        // platform put the application's name there, so it holds nothing
        // visible instead.
        const QString title = help->windowHandle()->title();
        QVERIFY2(!title.isEmpty(), "an empty title shows the application's name");
        for (QChar c : title) {
            QVERIFY2(c.category() == QChar::Other_Format, qPrintable(title));
        }
    }

    // Under X11 the window manager receives an empty title, not the
    // application's name (run by the X11 variant of this test).
    void nativeTitleIsEmptyOnX11() {
        if (QGuiApplication::platformName() != "xcb") {
            QSKIP("runs on X11");
        }
        choose("mnuZRHelp");
        QWidget* help = helpWindow();
        QVERIFY(help != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(help->winId()), "WM_NAME", "_NET_WM_NAME"});
        if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0) {
            QSKIP("xprop is not available");
        }
        const QStringList lines =
            QString::fromUtf8(xprop.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        for (const QString& line : lines) {
            QVERIFY2(line.section('=', 1).trimmed().isEmpty(), qPrintable(line));
        }
    }

    void textFitsWithoutScrollBars() {
        frmHelp* help = openHelp();
        QVERIFY(help != nullptr);
        QPlainTextEdit* text = HelpWindowTest::text(help);
        QVERIFY(!text->isReadOnly());
        QVERIFY(!text->verticalScrollBar()->isVisible());
        QVERIFY(!text->horizontalScrollBar()->isVisible());
        QCOMPARE(text->horizontalScrollBar()->maximum(), 0);
        // The long paragraphs wrap at the box's width, and the last line is in view.
        QVERIFY(text->document()->findBlockByNumber(4).layout()->lineCount() > 1);
        QTextCursor end(text->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(text->cursorRect(end).bottom() < text->viewport()->height());
        QCOMPARE(text->verticalScrollBar()->maximum(), 0);
    }

    void tabMovesBetweenTheTwoControls() {
        frmHelp* help = openHelp();
        QVERIFY(help != nullptr);
        QCOMPARE(QApplication::focusWidget(), ok(help));
        QTest::keyClick(help->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text(help));
        QTest::keyClick(help->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ok(help));
        QTest::keyClick(help->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), text(help));
        QCOMPARE(text(help)->toPlainText(), ShownHelpText());
    }

    void keys_data() {
        QTest::addColumn<bool>("inText");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("newLines");
        QTest::newRow("Return in the text") << true << int(Qt::Key_Return) << false << 1;
        QTest::newRow("Enter in the text") << true << int(Qt::Key_Enter) << false << 1;
        QTest::newRow("Esc in the text") << true << int(Qt::Key_Escape) << false << 0;
        QTest::newRow("Esc on OK") << false << int(Qt::Key_Escape) << false << 0;
        QTest::newRow("Return on OK") << false << int(Qt::Key_Return) << true << 0;
        QTest::newRow("Space on OK") << false << int(Qt::Key_Space) << true << 0;
    }

    void keys() {
        QFETCH(bool, inText);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(int, newLines);
        QPointer<frmHelp> help = openHelp();
        QVERIFY(help != nullptr);
        if (inText) {
            text(help)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), text(help));
        }
        const int blocks = text(help)->document()->blockCount();
        QTest::keyClick(help->windowHandle(), Qt::Key(key));
        if (closes) {
            QTRY_VERIFY(help.isNull());
            return;
        }
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QVERIFY(help != nullptr && help->isVisible());
        QCOMPARE(text(help)->document()->blockCount(), blocks + newLines);
    }

    void choosingTheItemTwiceKeepsOneWindowAndItsEdits() {
        frmHelp* help = openHelp();
        QVERIFY(help != nullptr);
        text(help)->setFocus();
        QTest::keyClicks(text(help), "my notes");
        const QString edited = text(help)->toPlainText();
        QVERIFY(edited.contains("my notes"));

        QCOMPARE(openHelp(), help);
        QCOMPARE(OpenHelpWindows(), QList<frmHelp*>{help});
        QCOMPARE(text(help)->toPlainText(), edited);
    }

    void closingUnloadsIt_data() {
        QTest::addColumn<bool>("byOK");
        QTest::newRow("OK button") << true;
        QTest::newRow("close box") << false;
    }

    // Closing it takes the edits along; the next opening shows the text afresh.
    void closingUnloadsIt() {
        QFETCH(bool, byOK);
        QPointer<frmHelp> help = openHelp();
        QVERIFY(help != nullptr);
        text(help)->clear();
        if (byOK) {
            QTest::mouseClick(ok(help), Qt::LeftButton);
        } else {
            QVERIFY(help->close());
        }
        QTRY_VERIFY(help.isNull());
        QVERIFY(main_->isVisible());

        frmHelp* again = openHelp();
        QVERIFY(again != nullptr);
        QCOMPARE(text(again)->toPlainText(), ShownHelpText());
        QCOMPARE(QApplication::focusWidget(), ok(again));
    }

    void reopeningRightAfterClosingShowsAWindow() {
        frmHelp* first = openHelp();
        QVERIFY(first != nullptr);
        QPointer<frmHelp> closed = first;
        first->close();  // its deletion is still pending
        choose("mnuZRHelp");
        QTRY_VERIFY(closed.isNull());
        QVERIFY(helpWindow() != nullptr);
    }

    // A screen reader announces a window named "Zephyrod Calculator Help"
    // (its title bar stays empty: see windowFrame) and reads the help text.
    void forAScreenReader() {
        frmHelp* help = openHelp();
        QVERIFY(help != nullptr);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(help);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), ToQString(design::kHelpWindowAccessibleName));
        QAccessibleInterface* edit =
            zephyrod::ui::test::FindAccessible(window, QAccessible::EditableText);
        QVERIFY(edit != nullptr && edit->textInterface() != nullptr);
        QAccessibleTextInterface* read = edit->textInterface();
        QCOMPARE(read->text(0, read->characterCount()), ShownHelpText());
    }

    void closingTheMainWindowClosesIt() {
        QPointer<frmHelp> help = openHelp();
        QVERIFY(help != nullptr);
        QVERIFY(main_->close());
        QTRY_VERIFY(help.isNull());
        QVERIFY(zephyrod::ui::test::VisibleTopLevels().isEmpty());
    }
};

ZEPHYROD_UI_TEST_MAIN(HelpWindowTest)

#include "frm_help_test.moc"
