// The about window as a user meets it: its texts, layout, the etched rule,
// and how it opens modally over the main window and closes.
#include <QAccessible>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <memory>

#include "frm_about.h"
#include "frm_main.h"
#include "line_shape.h"
#include "result_list.h"
#include "ui_fonts.h"
#include "ui_test_support.h"
#include "ui_texts.h"

using zephyrod::ui::frmAbout;
using zephyrod::ui::Named;
using zephyrod::ui::ToQString;
namespace design = zephyrod::design;

namespace {

const design::WindowDesign& Design() {
    return design::AboutWindowDesign();
}

QLabel* Label(const QWidget* about, std::string_view name) {
    return Named<QLabel>(about, name);
}

QPushButton* OK(const QWidget* about) {
    return Named<QPushButton>(about, "cmdOK");
}

int Px(int twips) {
    return design::Pixels(twips);
}

// A dark palette such as a desktop's dark theme imposes.
QPalette DarkPalette() {
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        dark.setColor(role, QColor(0x30, 0x30, 0x30));
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    }
    return dark;
}

// Each text of the window against what it is drawn on, by name: where the
// contrast is below 4.5:1.
QStringList Unreadable(const QWidget* about) {
    QStringList faint;
    const QColor background = about->palette().color(about->backgroundRole());
    for (const QLabel* label : about->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        const double ratio = zephyrod::ui::test::Contrast(
            label->palette().color(label->foregroundRole()), background);
        if (ratio < 4.5) {
            faint << label->objectName() + QStringLiteral(" %1:1").arg(ratio, 0, 'f', 1);
        }
    }
    const QPushButton* ok = OK(about);
    if (zephyrod::ui::test::Contrast(ok->palette().color(QPalette::ButtonText),
                                     ok->palette().color(QPalette::Button)) < 4.5) {
        faint << ok->objectName();
    }
    return faint;
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
    bool whileOpen(const std::function<void(frmAbout*)>& check,
                   const std::function<void()>& open = {}) {
        bool opened = false;
        bool done = false;
        watchdog_->expect([&](QWidget* modal) {
            auto* about = qobject_cast<frmAbout*>(modal);
            opened = about != nullptr && QTest::qWaitForWindowActive(about);
            if (opened) {
                check(about);
            }
            if (modal->isVisible()) {
                modal->close();
            }
            done = true;
        });
        if (open) {
            open();
        } else {
            choose("mnuAbout");
        }
        return QTest::qWaitFor([&done] { return done; }, 10000) && opened;
    }

    // Clicks Calculate the way a user's mouse would, through the window system.
    void clickCalculate() {
        auto* go = control<QPushButton>("cmdGo");
        const QPoint centre = go->mapTo(main_.get(), go->rect().center());
        QTest::mouseClick(main_->windowHandle(), Qt::LeftButton, {}, centre);
    }

  private slots:
    void init() {
        openMainWindow();
        main_->move(120, 40);
    }

    void cleanup() { closeEverything(); }

    void controls_data() { zephyrod::ui::test::AddControlRows(Design()); }

    void controls() {
        frmAbout about(main_.get());
        zephyrod::ui::test::CheckControl(&about, Design());
    }

    void windowFrame() {
        frmAbout about(main_.get());
        QCOMPARE(about.windowTitle(), QString("About Zephyrod"));
        QCOMPARE(about.size(), QSize(Px(Design().clientWidth), Px(Design().clientHeight)));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowContextHelpButtonHint)));
        QVERIFY(OK(&about)->isDefault());

        // The caption and version line follow the application's own identity.
        QCOMPARE(QCoreApplication::applicationName(), QString("Zephyrod"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString("1.0.0"));
        QCOMPARE(about.windowTitle(), "About " + QCoreApplication::applicationName());
        QCOMPARE(Label(&about, "lblVersion")->text(),
                 "Version " + QCoreApplication::applicationVersion());
    }

    void icon() {
        frmAbout about(main_.get());
        QCOMPARE(Label(&about, "picIcon")->contentsRect(), QRect(2, 2, 32, 32));
        const QImage shown =
            Label(&about, "picIcon")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage icon =
            QImage(":/icons/zephyrod-32-16colors.png").convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!icon.isNull());
        QCOMPARE(shown, icon);
    }

    void etchedRule_data() {
        QTest::addColumn<int>("index");
        for (const design::ControlDesign& line : Design().controls) {
            if (line.kind == design::ControlKind::Line) {
                QTest::addRow("Line1(%d)", *line.index) << *line.index;
            }
        }
    }

    // What the window shows: each line's pixels in its colour from end to end,
    // the grey one right above the white one, neither covering the other.
    void etchedRule() {
        QFETCH(int, index);
        const design::ControlDesign& line = design::Control(Design(), "Line1", index);
        const QColor color(line.color.red, line.color.green, line.color.blue);
        const int width = line.lineWidth;
        frmAbout about(main_.get());
        QVERIFY(Named<zephyrod::ui::LineShape>(&about, "Line1", index) != nullptr);
        const QImage shown = about.grab().toImage();
        const int left = Px(line.rect.left);
        const int right = Px(line.x2());
        const int top = Px(line.rect.top);
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
        QList<QLabel*> labels;
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "Label1", "Label2"}) {
            labels << Label(&about, name);
        }
        for (QLabel* label : labels) {
            QVERIFY2(zephyrod::ui::CaptionFits(label), qPrintable(label->objectName()));
            QVERIFY2(about.rect().contains(CaptionRect(label)), qPrintable(label->objectName()));
            for (QLabel* other : labels) {
                QVERIFY2(other == label || !CaptionRect(label).intersects(CaptionRect(other)),
                         qPrintable(label->objectName() + " covers " + other->objectName()));
            }
            QVERIFY(!CaptionRect(label).intersects(Label(&about, "picIcon")->geometry()));
            QVERIFY(!CaptionRect(label).intersects(OK(&about)->geometry()));
        }
        QVERIFY(Label(&about, "lblTitle")->geometry().bottom() <
                Label(&about, "lblVersion")->geometry().top());
        QVERIFY(Label(&about, "lblDescription")->geometry().bottom() < Px(2445));
        const QFontMetrics metrics(OK(&about)->font());
        QVERIFY(metrics.horizontalAdvance(OK(&about)->text()) + 8 <= OK(&about)->width());
    }

    void opensModalCentredWithFocusOnOK() {
        const bool opened = whileOpen([this](frmAbout* about) {
            QCOMPARE(QApplication::activeModalWidget(), about);
            QCOMPARE(about->windowModality(), Qt::ApplicationModal);
            QCOMPARE(QApplication::focusWidget(), OK(about));
            const QPoint offset = about->geometry().center() - main_->geometry().center();
            QVERIFY2(offset.manhattanLength() <= 1,
                     qPrintable(QStringLiteral("%1,%2 off").arg(offset.x()).arg(offset.y())));
        });
        QVERIFY(opened);
    }

    void otherWindowsTakeNoInputWhileOpen() {
        choose("mnuZRHelp");
        QPointer<QWidget> help = helpWindow();
        QVERIFY(help != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(help));
        auto* text = Named<QPlainTextEdit>(help, "txtHelp");
        const QString helpText = text->toPlainText();
        const bool opened = whileOpen([&](frmAbout*) {
            clickCalculate();
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                              Named<QPushButton>(help, "cmdOK")->geometry().center());
            QTest::keyClick(help->windowHandle(), Qt::Key_X);
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            QCOMPARE(control<zephyrod::ui::ResultList>("lstValues")->count(), 0);
            QVERIFY(help != nullptr && help->isVisible());
            QCOMPARE(text->toPlainText(), helpText);
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
            QSignalSpy spy(OK(about), &QPushButton::clicked);
            const QMap<QString, Qt::Key> keys = {
                {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Escape", Qt::Key_Escape}};
            if (how == "click") {
                QTest::mouseClick(OK(about), Qt::LeftButton);
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
        QCOMPARE(control<zephyrod::ui::ResultList>("lstValues")->count(), 6);
    }

    // Under a dark palette, imposed before the window opens or while it is
    // open, every text keeps a readable contrast with what it is drawn on.
    void readableUnderADarkPalette() {
        const QPalette original = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        frmAbout about(main_.get());
        const QStringList before = Unreadable(&about);
        QApplication::setPalette(original);
        QApplication::setPalette(DarkPalette());
        const QStringList after = Unreadable(&about);
        QApplication::setPalette(original);
        QVERIFY2(before.isEmpty(), qPrintable(before.join(", ")));
        QVERIFY2(after.isEmpty(), qPrintable(after.join(", ")));
    }

    // The same under the desktop's own theme (run with the GTK platform theme
    // and a dark GTK theme where that plugin is installed).
    void readableUnderThePlatformTheme() {
        if (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") != "gtk3") {
            QSKIP("runs under QT_QPA_PLATFORMTHEME=gtk3");
        }
        const QString plugin =
            QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platformthemes/libqgtk3.so";
        if (!QFileInfo::exists(plugin)) {
            QSKIP("the GTK platform theme (qt6-gtk-platformtheme) is not installed");
        }
        frmAbout about(main_.get());
        const QStringList faint = Unreadable(&about);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(", ")));
    }

    // A screen reader reads every text of the window.
    void textsForAScreenReader() {
        frmAbout about(main_.get());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&about);
        QCOMPARE(window->text(QAccessible::Name), ToQString(design::AboutCaption()));
        for (const std::string& text :
             {std::string(design::kAboutTitle), design::VersionLine(), design::AboutDescription(),
              std::string(design::kCopyrightLine1), std::string(design::kCopyrightLine2)}) {
            QVERIFY2(zephyrod::ui::test::FindAccessible(window, QAccessible::StaticText,
                                                        QString::fromStdString(text)) != nullptr,
                     text.c_str());
        }
        QVERIFY(zephyrod::ui::test::FindAccessible(window, QAccessible::Button, "OK") != nullptr);
    }

    // Choosing About through the accessibility interface returns at once;
    // the window opens after that.
    void aboutThroughAScreenReaderReturnsFirst() {
        bool returnedBeforeOpening = false;
        bool seen = false;
        const bool opened = whileOpen(
            [&seen](frmAbout*) { seen = true; },
            [&] {
                QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(main_->menuBar());
                QAccessibleInterface* item =
                    zephyrod::ui::test::FindAccessible(bar, QAccessible::MenuItem, "About");
                QVERIFY(item != nullptr && item->actionInterface() != nullptr);
                item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                returnedBeforeOpening = !seen && main_->findChild<frmAbout*>() == nullptr;
            });
        QVERIFY(returnedBeforeOpening);
        QVERIFY(opened);
    }

    void secondOpeningShowsTheSameTexts() {
        QList<QStringList> seen;
        for (int opening = 0; opening < 2; ++opening) {
            QVERIFY(whileOpen([&seen](frmAbout* about) {
                seen << QStringList{about->windowTitle(),
                                    Label(about, "lblTitle")->text(),
                                    Label(about, "lblVersion")->text(),
                                    Label(about, "lblDescription")->text(),
                                    Label(about, "Label1")->text(),
                                    Label(about, "Label2")->text()};
                QTest::mouseClick(OK(about), Qt::LeftButton);
            }));
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1], seen[0]);
        QCOMPARE(seen[0][0], QString("About Zephyrod"));
        QCOMPARE(seen[0][2], QString("Version 1.0.0"));
        QCOMPARE(seen[0][3], QString::fromStdString(design::AboutDescription()));
    }
};

ZEPHYROD_UI_TEST_MAIN(AboutWindowTest)

#include "frm_about_test.moc"
