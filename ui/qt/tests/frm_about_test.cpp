// The about window as a user meets it: its texts, layout, the etched rule,
// and how it opens modally over the main window and closes.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <memory>

#include "design_units.h"
#include "frm_about.h"
#include "frm_help.h"
#include "frm_main.h"
#include "line_shape.h"
#include "result_list.h"
#include "ui_fonts.h"
#include "ui_test_support.h"

using zephyrod::ui::frmAbout;
using zephyrod::ui::frmMain;
using zephyrod::ui::Px;
using zephyrod::ui::TwipsRect;

namespace {

const QString kDescription = "Based on the Zephyrod design by Brennick, Ostral\r\n\r\n \r\n\r\n";

QWidget* FindControl(QWidget* window, const QString& name, int index) {
    for (QWidget* w : window->findChildren<QWidget*>(name)) {
        if (index < 0 || w->property("index").toInt() == index) {
            return w;
        }
    }
    return nullptr;
}

// Where a label's caption stands inside the window.
QRect CaptionRect(const QLabel* label) {
    const QRect box = label->contentsRect();
    const QRect text = label->fontMetrics().boundingRect(box, Qt::TextWordWrap | label->alignment(),
                                                         label->text());
    return text.translated(label->pos());
}

}  // namespace

class AboutWindowTest : public zephyrod::ui::test::MainWindowTest {
    Q_OBJECT

  private:
    // Chooses Help > About and hands the window to `check` while it is open;
    // closes it afterwards if `check` did not. False if it never opened.
    bool whileOpen(const std::function<void(frmAbout*)>& check) {
        bool opened = false;
        watchdog_->expect([&](QWidget* modal) {
            auto* about = qobject_cast<frmAbout*>(modal);
            opened = about != nullptr && QTest::qWaitForWindowActive(about);
            if (opened) {
                check(about);
            }
            if (modal->isVisible()) {
                modal->close();
            }
        });
        main_->mnuAbout->trigger();
        return opened;
    }

    // Clicks Calculate the way a user's mouse would, through the window system.
    void clickCalculate() {
        const QPoint centre = main_->cmdGo->mapTo(main_.get(), main_->cmdGo->rect().center());
        QTest::mouseClick(main_->windowHandle(), Qt::LeftButton, {}, centre);
    }

  private slots:
    void init() {
        openMainWindow();
        main_->move(120, 40);
    }

    void cleanup() { closeEverything(); }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("alignment");
        auto row = [](const char* name, const char* kind, QRect twips, const QString& caption,
                      qreal points, bool bold, Qt::Alignment alignment) {
            QTest::newRow(name) << QString(name) << QString(kind) << twips << caption << points
                                << bold << int(alignment);
        };
        row("picIcon", "QLabel", {240, 240, 540, 540}, "", 8, false, Qt::AlignLeft);
        row("lblTitle", "QLabel", {1080, 240, 3885, 480}, "Zephyrod Calculator", 18, true,
            Qt::AlignLeft);
        row("lblVersion", "QLabel", {1080, 840, 3885, 225}, "Version 1.0.0", 9.75, true,
            Qt::AlignLeft);
        row("lblDescription", "QLabel", {1080, 1245, 4365, 1050}, kDescription, 8, false,
            Qt::AlignLeft);
        row("Label1", "QLabel", {480, 2520, 3615, 255},
            "Copyright \u00A9 2026 The Zephyrod authors", 8, false, Qt::AlignHCenter);
        row("Label2", "QLabel", {360, 2760, 3855, 375}, "Free software under the MIT License", 8,
            false, Qt::AlignHCenter);
        row("cmdOK", "QPushButton", {4245, 2625, 1260, 345}, "OK", 8, false, Qt::AlignHCenter);
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(int, alignment);
        frmAbout about(main_.get());
        QWidget* w = FindControl(&about, name, -1);
        QVERIFY(w != nullptr);
        QVERIFY(w->inherits(kind.toLatin1()));
        QCOMPARE(w->parentWidget(), static_cast<QWidget*>(&about));
        QCOMPARE(w->font().pointSizeF(), points);
        QCOMPARE(w->font().bold(), bold);
        const QRect design = TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QCOMPARE(label->text(), caption);
            QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
            // Keeps its place; grows a little at most where this platform's
            // font needs more room than the design gave its caption.
            QCOMPARE(w->pos(), design.topLeft());
            QVERIFY(w->width() >= design.width() && w->height() >= design.height());
            QVERIFY2(w->width() <= design.width() + 8 && w->height() <= design.height() + 4,
                     qPrintable(QStringLiteral("%1x%2").arg(w->width()).arg(w->height())));
            QVERIFY(!(w->focusPolicy() & Qt::TabFocus));
        } else {
            QCOMPARE(qobject_cast<QPushButton*>(w)->text(), caption);
            QCOMPARE(w->geometry(), design);
        }
    }

    void windowFrame() {
        frmAbout about(main_.get());
        QCOMPARE(about.windowTitle(), QString("About Zephyrod"));
        QCOMPARE(about.size(), zephyrod::ui::TwipsSize(5730, 3075));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowContextHelpButtonHint)));
        QVERIFY(about.cmdOK->isDefault());

        // The caption and version line follow the application's own identity.
        QCOMPARE(QCoreApplication::applicationName(), QString("Zephyrod"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString("1.0.0"));
        QCOMPARE(about.windowTitle(), "About " + QCoreApplication::applicationName());
        QCOMPARE(about.lblVersion->text(), "Version " + QCoreApplication::applicationVersion());
    }

    void descriptionLines_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("credit") << 0 << "Based on the Zephyrod design by Brennick, Ostral";
        QTest::newRow("notice, first line") << 1 << "";
        QTest::newRow("notice, second line ends with a blank") << 2 << " ";
        QTest::newRow("empty line") << 3 << "";
        QTest::newRow("prohibition") << 4 << "";
    }

    void descriptionLines() {
        QFETCH(int, line);
        QFETCH(QString, text);
        frmAbout about(main_.get());
        const QStringList lines = about.lblDescription->text().split("\r\n");
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[line], text);
    }

    void icon() {
        frmAbout about(main_.get());
        QCOMPARE(about.picIcon->contentsRect(), QRect(2, 2, 32, 32));
        const QImage shown =
            about.picIcon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage icon =
            QImage(":/icons/zephyrod-32-16colors.png").convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!icon.isNull());
        QCOMPARE(shown, icon);
    }

    void etchedRule_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("width");
        QTest::newRow("Line1(1), grey")
            << 1 << QPoint(90, 2445) << QPoint(5654, 2445) << QColor(128, 128, 128) << 1;
        QTest::newRow("Line1(0), white")
            << 0 << QPoint(105, 2460) << QPoint(5654, 2460) << QColor(255, 255, 255) << 2;
    }

    // What the window shows: each line's pixels in its colour from end to end,
    // the grey one right above the white one, neither covering the other.
    void etchedRule() {
        QFETCH(int, index);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QColor, color);
        QFETCH(int, width);
        frmAbout about(main_.get());
        QWidget* line = FindControl(&about, "Line1", index);
        QVERIFY(qobject_cast<zephyrod::ui::LineShape*>(line) != nullptr);
        const QImage shown = about.grab().toImage();
        const int left = Px(from.x());
        const int right = Px(to.x());
        const int top = Px(from.y());
        for (int y = top; y < top + width; ++y) {
            for (int x : {left, (left + right) / 2, right}) {
                QCOMPARE(shown.pixelColor(x, y), color);
            }
            QVERIFY(shown.pixelColor(left - 1, y) != color);
            QVERIFY(shown.pixelColor(right + 1, y) != color);
        }
        QVERIFY(shown.pixelColor(left, top - 1) != color);
        QVERIFY(shown.pixelColor(right, top + width) != color);
    }

    void noCaptionIsClippedOrCovered() {
        frmAbout about(main_.get());
        const QList<QLabel*> labels = {about.lblTitle, about.lblVersion, about.lblDescription,
                                       about.Label1, about.Label2};
        for (QLabel* label : labels) {
            QVERIFY2(zephyrod::ui::CaptionFits(label), qPrintable(label->objectName()));
            QVERIFY2(about.rect().contains(CaptionRect(label)), qPrintable(label->objectName()));
            for (QLabel* other : labels) {
                QVERIFY2(other == label || !CaptionRect(label).intersects(CaptionRect(other)),
                         qPrintable(label->objectName() + " covers " + other->objectName()));
            }
            QVERIFY(!CaptionRect(label).intersects(about.picIcon->geometry()));
            QVERIFY(!CaptionRect(label).intersects(about.cmdOK->geometry()));
        }
        QVERIFY(about.lblTitle->geometry().bottom() < about.lblVersion->geometry().top());
        QVERIFY(about.lblDescription->geometry().bottom() < Px(2445));
        const QFontMetrics metrics(about.cmdOK->font());
        QVERIFY(metrics.horizontalAdvance(about.cmdOK->text()) + 8 <= about.cmdOK->width());
    }

    void opensModalCentredWithFocusOnOK() {
        const bool opened = whileOpen([this](frmAbout* about) {
            QCOMPARE(QApplication::activeModalWidget(), about);
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            QCOMPARE(QApplication::focusWidget(), about->cmdOK);
            const QPoint offset = about->geometry().center() - main_->geometry().center();
            QVERIFY2(offset.manhattanLength() <= 1,
                     qPrintable(QStringLiteral("%1,%2 off").arg(offset.x()).arg(offset.y())));
        });
        QVERIFY(opened);
    }

    void otherWindowsTakeNoInputWhileOpen() {
        main_->mnuZRHelp->trigger();
        QPointer<zephyrod::ui::frmHelp> help = main_->helpWindow();
        QVERIFY(help != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const QString helpText = help->txtHelp->toPlainText();
        const bool opened = whileOpen([&](frmAbout*) {
            clickCalculate();
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                              help->cmdOK->geometry().center());
            QTest::keyClick(help->windowHandle(), Qt::Key_X);
            QTest::qWait(50);
            QCOMPARE(main_->lstValues->count(), 0);
            QVERIFY(help != nullptr && help->isVisible());
            QCOMPARE(help->txtHelp->toPlainText(), helpText);
        });
        QVERIFY(opened);
    }

    void closes_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("pressesOK");
        QTest::newRow("OK button") << "click" << true;
        QTest::newRow("Enter") << "Return" << true;
        QTest::newRow("keypad Enter") << "Enter" << true;
        QTest::newRow("Esc") << "Escape" << true;
        QTest::newRow("close box") << "close" << false;
    }

    // Each way closes it, and the main window works again afterwards.
    void closes() {
        QFETCH(QString, how);
        QFETCH(bool, pressesOK);
        int okPresses = -1;
        bool closed = false;
        const bool opened = whileOpen([&](frmAbout* about) {
            QSignalSpy spy(about->cmdOK, &QPushButton::clicked);
            const QMap<QString, Qt::Key> keys = {
                {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Escape", Qt::Key_Escape}};
            if (how == "click") {
                QTest::mouseClick(about->cmdOK, Qt::LeftButton);
            } else if (how == "close") {
                about->close();
            } else {
                QTest::keyClick(about->windowHandle(), keys[how]);
            }
            closed = !about->isVisible();
            okPresses = int(spy.count());
        });
        QVERIFY(opened);
        QVERIFY(closed);
        QCOMPARE(okPresses, pressesOK ? 1 : 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(main_->findChildren<frmAbout*>().isEmpty());
        clickCalculate();
        QCOMPARE(main_->lstValues->count(), 6);
    }

    void secondOpeningShowsTheSameTexts() {
        QList<QStringList> seen;
        for (int opening = 0; opening < 2; ++opening) {
            QVERIFY(whileOpen([&seen](frmAbout* about) {
                seen << QStringList{about->windowTitle(),      about->lblTitle->text(),
                                    about->lblVersion->text(), about->lblDescription->text(),
                                    about->Label1->text(),     about->Label2->text()};
                QTest::mouseClick(about->cmdOK, Qt::LeftButton);
            }));
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1], seen[0]);
        QCOMPARE(seen[0][0], QString("About Zephyrod"));
        QCOMPARE(seen[0][2], QString("Version 1.0.0"));
        QCOMPARE(seen[0][3], kDescription);
    }
};

ZEPHYROD_UI_TEST_MAIN(AboutWindowTest)

#include "frm_about_test.moc"
