// The main window as a user meets it: layout, focus, Calculate, errors, menu.
#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <clocale>
#include <memory>

#include "calculate_outcome.h"
#include "calculation.h"
#include "default_design.h"
#include "frm_main.h"
#include "input_fields.h"
#include "number_text.h"
#include "result_list.h"
#include "ui_fonts.h"
#include "ui_test_support.h"
#include "ui_texts.h"
#include "window_placement.h"

using zephyrod::ui::ResultList;
using zephyrod::ui::ToQString;
using zephyrod::ui::test::ModalWatchdog;
namespace design = zephyrod::design;

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

const design::WindowDesign& Design() {
    return design::MainWindowDesign();
}

// The result lines the core gives for one set of inputs.
QStringList ResultLines(const zephyrod::InputTexts& texts) {
    const zephyrod::CalcResult result = zephyrod::Calculate(texts);
    return result.lists ? ToQt(result.lists->values) : QStringList();
}

}  // namespace

class MainWindowTests : public zephyrod::ui::test::MainWindowTest {
    Q_OBJECT

  private:
    ResultList* values() const { return control<ResultList>("lstValues"); }
    ResultList* sweep() const { return control<ResultList>("lstSweep"); }
    QLineEdit* field(zephyrod::InputField which) const {
        return control<QLineEdit>(zephyrod::design::FieldControl(which));
    }

    void calculate() { QTest::mouseClick(control<QPushButton>("cmdGo"), Qt::LeftButton); }

    // Presses Calculate and answers the error report that must follow.
    // Calculates, expecting a message box: its text, and in `wholeTextShown_`
    // whether its label shows all of it (wrapped, nothing cut off).
    QString calculateExpectingError() {
        QString shown;
        wholeTextShown_ = false;
        watchdog_->expect([this, &shown](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                shown = box->text();
                if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) {
                    const QRect room = label->contentsRect();
                    const QRect needed =
                        QFontMetrics(label->font())
                            .boundingRect(room, label->wordWrap() ? Qt::TextWordWrap : 0,
                                          label->text());
                    wholeTextShown_ =
                        needed.width() <= room.width() && needed.height() <= room.height();
                }
            }
            modal->close();
        });
        calculate();
        return shown;
    }

    bool wholeTextShown_ = false;

  private slots:
    void init() { openMainWindow(); }

    void cleanup() { closeEverything(); }

    void controls_data() { zephyrod::ui::test::AddControlRows(Design()); }

    void controls() { zephyrod::ui::test::CheckControl(main_->centralWidget(), Design()); }

    void menu() {
        for (const design::MenuItemDesign& item : Design().menu) {
            auto* menu = zephyrod::ui::Named<QMenu>(main_.get(), item.name);
            auto* action = zephyrod::ui::Named<QAction>(main_.get(), item.name);
            QVERIFY2(menu != nullptr || action != nullptr, item.name.data());
            QCOMPARE(menu != nullptr ? menu->title() : action->text(), ToQString(item.caption));
            auto* holder =
                qobject_cast<QWidget*>(menu != nullptr ? menu->parent() : action->parent());
            QCOMPARE(holder->objectName(),
                     item.parent.empty() ? QString() : ToQString(item.parent));
            QCOMPARE(bool(qobject_cast<QMenuBar*>(holder)), item.parent.empty());
        }
    }

    void windowFrame() {
        QCOMPARE(main_->windowTitle(), ToQString(Design().caption));
        QCOMPARE(main_->centralWidget()->size(), QSize(design::Pixels(Design().clientWidth),
                                                       design::Pixels(Design().clientHeight)));
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

    void tabFollowsTheDesign() {
        const QStringList order = zephyrod::ui::test::DesignTabOrder(Design());
        QCOMPARE(zephyrod::ui::test::TabChain(main_->centralWidget(), Design()), order);
        // And with the keyboard: Tab all the way round, back to the first.
        QCOMPARE(QApplication::focusWidget()->objectName(), order.front());
        for (int i = 1; i <= order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i % order.size()]);
        }
    }

    void startState() {
        const zephyrod::InputTexts defaults = zephyrod::DefaultInputTexts();
        for (const zephyrod::InputFieldInfo& info : zephyrod::kInputFields) {
            QCOMPARE(field(info.field)->text(),
                     QString::fromStdString(zephyrod::TextOf(defaults, info.field)));
        }
        QCOMPARE(values()->count(), 0);
        QCOMPARE(sweep()->count(), 0);
        QCOMPARE(sweep()->currentRow(), -1);
        QCOMPARE(QApplication::focusWidget(), field(zephyrod::InputField::Frequency));
    }

    // The default is selected at start: what the user types replaces it.
    void typingAtStartReplacesTheDefault() {
        QTest::keyClicks(QApplication::focusWidget(), "14.2");
        QCOMPARE(field(zephyrod::InputField::Frequency)->text(), QString("14.2"));
    }

    void calculateFillsBothLists() {
        calculate();
        QCOMPARE(values()->lines(), kDefaultValues);
        QCOMPARE(sweep()->lines(), kDefaultSweep);
        QCOMPARE(sweep()->currentRow(), 12);
        QVERIFY(sweep()->item(12)->isSelected());
        QCOMPARE(sweep()->selectedItems().size(), 1);
        const QRect shown = sweep()->visualItemRect(sweep()->item(12));
        QVERIFY(shown.top() >= 0 && shown.bottom() <= sweep()->viewport()->height());

        // Again, after the user picked another row: the same lines, row 12 again.
        sweep()->setCurrentRow(3);
        sweep()->scrollToTop();
        calculate();
        QCOMPARE(values()->lines(), kDefaultValues);
        QCOMPARE(sweep()->lines(), kDefaultSweep);
        QCOMPARE(sweep()->currentRow(), 12);
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
        QCOMPARE(values()->lines(), kDefaultValues);
        QCOMPARE(sweep()->lines(), kDefaultSweep);
    }

    void resultsFitTheirList_data() {
        QTest::addColumn<QList<QStringList>>("inputs");
        auto texts = [](const char* f, const char* r, const char* c, const char* t) {
            return QStringList{f, r, c, t};
        };
        QList<QStringList> sweepOfBands;
        // 1.8 to 100 MHz in steps of 0.1 MHz, the other fields at their defaults.
        for (long long tenths = 18; tenths <= 1000; ++tenths) {
            const std::string frequency =
                zephyrod::IntegerText(tenths / 10) + "." + zephyrod::IntegerText(tenths % 10);
            sweepOfBands << texts(frequency.c_str(), "25.4", "34.925", "8.66");
        }
        QTest::newRow("1.8 to 100 MHz") << sweepOfBands;
        QTest::newRow("7.07 25.4 34.925 8.66")
            << QList<QStringList>{texts("7.07", "25.4", "34.925", "8.66")};
        QTest::newRow("14.2 20 30 10") << QList<QStringList>{texts("14.2", "20", "30", "10")};
        QTest::newRow("3.6 30 40 6") << QList<QStringList>{texts("3.6", "30", "40", "6")};
    }

    // Every result line shows whole, without a horizontal scroll bar: the
    // widest set of lines, in the list's own font, is shown and checked.
    void resultsFitTheirList() {
        QFETCH(QList<QStringList>, inputs);
        const QFontMetrics metrics(values()->font());
        QStringList widest;
        int widestWidth = 0;
        for (const QStringList& input : inputs) {
            zephyrod::InputTexts texts;
            for (std::size_t i = 0; i < texts.size(); ++i) {
                texts[i] = input[qsizetype(i)].toStdString();
            }
            const QStringList lines = ResultLines(texts);
            QCOMPARE(lines.size(), 6);
            for (const QString& line : lines) {
                if (metrics.horizontalAdvance(line) > widestWidth) {
                    widestWidth = metrics.horizontalAdvance(line);
                    widest = lines;
                }
            }
        }
        values()->setLines(widest);
        values()->doItemsLayout();
        QVERIFY2(values()->horizontalScrollBar()->maximum() == 0, qPrintable(widest.join(", ")));
    }

    // The sweep keeps its fixed-pitch font and design width (see controls),
    // and a scroll bar for rows wider than the list.
    void sweepKeepsItsFontAndScrollBar() {
        const QFont font = sweep()->font();
        QVERIFY(QFontInfo(font).fixedPitch());
        const QFontMetrics metrics(font);
        QCOMPARE(metrics.horizontalAdvance(kDefaultSweep[0]),
                 metrics.horizontalAdvance(QString(kDefaultSweep[0].size(), 'x')));
        // At 1.8 MHz the rows are wider than the list: the user scrolls to them.
        field(zephyrod::InputField::Frequency)->setText("1.8");
        calculate();
        QTRY_VERIFY(sweep()->horizontalScrollBar()->maximum() > 0);
    }

    void enterAndEscapeInAFieldDoNothing() {
        for (const zephyrod::InputFieldInfo& info : zephyrod::kInputFields) {
            QLineEdit* input = field(info.field);
            input->setFocus();
            QTest::keyClick(input, Qt::Key_Return);
            QTest::keyClick(input, Qt::Key_Enter);
            QTest::keyClick(input, Qt::Key_Escape);
        }
        QCoreApplication::processEvents();
        QCOMPARE(values()->count(), 0);
        QVERIFY(main_->isVisible());
    }

    // The words of each report are the design's (its tests check them); the
    // window must show them whole, what to fix first, and act on them.
    void errorsAreReportedAndTheProgramGoesOn_data() {
        using zephyrod::InputField;
        QTest::addColumn<int>("field");  // an InputField
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, InputField field, const QString& text) {
            QTest::newRow(name) << static_cast<int>(field) << text;
        };
        row("not a number", InputField::Frequency, "abc");
        row("empty field", InputField::TurnsPerCm, "");
        row("too large", InputField::ResonatorDiameter, QString(45, '9'));
        row("zero frequency", InputField::Frequency, "0");
        row("zero coil diameter", InputField::CoilDiameter, "0");
        row("too high for resonator", InputField::Frequency, "110");
        row("sweep reaches zero", InputField::Frequency, "0.5");
        row("sweep passes limit", InputField::Frequency, "106.2");
    }

    void errorsAreReportedAndTheProgramGoesOn() {
        QFETCH(int, field);
        QFETCH(QString, text);
        const auto which = static_cast<zephyrod::InputField>(field);
        zephyrod::InputTexts texts = zephyrod::DefaultInputTexts();
        zephyrod::TextOf(texts, which) = text.toStdString();
        const design::CalculateOutcome expected = design::CalculateInWindow(texts);
        QVERIFY(expected.error);
        const bool listsReplaced = expected.sweep.has_value();

        calculate();  // the defaults first, so that there is something to keep
        sweep()->setCurrentRow(5);
        QLineEdit* input = this->field(which);
        const QString typedBefore = input->text();
        input->setText(text);
        const QString shown = calculateExpectingError();
        QVERIFY2(wholeTextShown_, qPrintable(shown));
        // What to fix first, then the run-time error on a line of its own.
        QCOMPARE(shown, ToQString(expected.error->Text()));
        QVERIFY2(
            shown.startsWith(ToQString(expected.error->message)) && !shown.startsWith("Run-time"),
            qPrintable(shown));
        QVERIFY2(shown.endsWith("\n\n" + ToQString(expected.error->errorLine)), qPrintable(shown));
        // A fault of one field puts the user back there; one of the sweep leaves
        // the user on Calculate.
        QWidget* focused = main_->focusWidget();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->objectName(), ToQString(design::FocusName(expected)));
        if (listsReplaced) {
            QCOMPARE(values()->count(), 6);
            QCOMPARE(sweep()->count(), static_cast<int>(expected.sweep->size()));
            QCOMPARE(sweep()->item(0)->text(), kDefaultSweep[0]);
        } else {
            QCOMPARE(values()->lines(), kDefaultValues);
            QCOMPARE(sweep()->lines(), kDefaultSweep);
            QCOMPARE(sweep()->currentRow(), 5);
        }
        QVERIFY(main_->isVisible());

        // The user mends the field and calculates again.
        input->setText(typedBefore);
        calculate();
        QCOMPARE(values()->lines(), kDefaultValues);
        QCOMPARE(sweep()->lines(), kDefaultSweep);
        QCOMPARE(sweep()->currentRow(), 12);
    }

    void enterOnTheFocusedButtonCalculates() {
        auto* go = control<QPushButton>("cmdGo");
        go->setFocus();
        QTest::keyClick(go, Qt::Key_Return);
        QCOMPARE(values()->lines(), kDefaultValues);
        QCOMPARE(sweep()->currentRow(), 12);
    }

    void unreadableFieldGetsTheFocus_data() {
        QTest::addColumn<QString>("field");
        for (const zephyrod::InputFieldInfo& info : zephyrod::kInputFields) {
            QTest::newRow(info.caption.data())
                << ToQString(zephyrod::design::FieldControl(info.field));
        }
    }

    void unreadableFieldGetsTheFocus() {
        QFETCH(QString, field);
        auto* input = control<QLineEdit>(field.toStdString());
        input->setText("1,5");
        calculateExpectingError();
        QCOMPARE(main_->focusWidget(), input);
        QCOMPARE(input->selectedText(), QString("1,5"));
    }

    void errorReportIsOwnedByTheWindow() {
        field(zephyrod::InputField::Frequency)->setText("x");
        QWidget* owner = nullptr;
        watchdog_->expect([&owner](QWidget* modal) {
            owner = modal->parentWidget();
            modal->close();
        });
        calculate();
        QCOMPARE(owner, static_cast<QWidget*>(main_.get()));
    }

    void blankMenuItemDoesNothing() {
        auto* blank = control<QAction>("mnuEMPTY");
        QVERIFY(blank->menu() == nullptr);
        blank->trigger();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(zephyrod::ui::test::VisibleTopLevels().size(), 1);
        QCOMPARE(values()->count(), 0);
    }

    void helpMenuStaysOnTheBar() {
        QMenuBar* bar = main_->menuBar();
        const QRect help = bar->actionGeometry(control<QMenu>("mnuHelp")->menuAction());
        QVERIFY2(!help.isEmpty(), "Help has no place on the bar");
        QVERIFY2(bar->rect().contains(help),
                 qPrintable(QStringLiteral("Help at %1,%2 %3x%4 on a bar %5 wide")
                                .arg(help.x())
                                .arg(help.y())
                                .arg(help.width())
                                .arg(help.height())
                                .arg(bar->width())));
        QVERIFY(help.x() > bar->actionGeometry(control<QAction>("mnuEMPTY")).x());
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
        auto* menu = control<QMenu>("mnuHelp");
        watchdog_->expect([menu](QWidget* popup) { QCOMPARE(popup, menu); });
        QTest::keyClick(main_.get(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        watchdog_->expect([&modalShown](QWidget* modal) {
            modalShown = modal->objectName();
            modal->close();
        });
        QTest::keyClick(menu, Qt::Key(key));
        if (opens == "frmHelp") {
            QTRY_VERIFY(helpWindow() != nullptr);
            QVERIFY(modalShown.isEmpty());
            watchdog_->expect(nullptr);
        } else {
            QTRY_COMPARE(modalShown, opens);
            QVERIFY(helpWindow() == nullptr);
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
        auto* go = control<QPushButton>("cmdGo");
        const QFontMetrics metrics(go->font());
        QVERIFY(metrics.horizontalAdvance(go->text()) + 8 <= go->width());
        QVERIFY(metrics.height() + 4 <= go->height());
    }

    void copyFromTheLists() {
        calculate();
        QGuiApplication::clipboard()->clear();
        sweep()->setFocus();
        QTest::keySequence(sweep(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultSweep[12]);

        // The context menu's Copy All: every line of the list.
        QStringList items;
        watchdog_->expect([&items](QWidget* popup) {
            if (auto* menu = qobject_cast<QMenu*>(popup)) {
                for (QAction* action : menu->actions()) {
                    items << action->text();
                }
                menu->actions().last()->trigger();
            }
            popup->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                values()->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(values()->viewport(), &event);
        QCOMPARE(items, QStringList(
                            {ToQString(design::kCopyCaption), ToQString(design::kCopyAllCaption)}));
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultValues.join('\n'));
    }

    // A right click copies the line under the pointer, not the one selected
    // before; the Menu key copies the selected one.
    void rightClickCopiesThePointedLine() {
        calculate();
        const int pointed = sweep()->currentRow() - 1;
        QGuiApplication::clipboard()->clear();
        watchdog_->expect([](QWidget* popup) {
            if (auto* menu = qobject_cast<QMenu*>(popup)) {
                menu->actions().first()->trigger();
            }
            popup->close();
        });
        const QPoint at = sweep()->visualItemRect(sweep()->item(pointed)).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, sweep()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(sweep()->viewport(), &event);
        QCOMPARE(sweep()->currentRow(), pointed);
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultSweep[pointed]);
    }

    // After a sideways scroll, Calculate shows the sweep from its left edge
    // again, with the centre row in view.
    void calculateBringsTheSweepBackToItsLeftEdge() {
        field(zephyrod::InputField::Frequency)->setText("1.8");
        calculate();
        QScrollBar* sideways = sweep()->horizontalScrollBar();
        QTRY_VERIFY(sideways->maximum() > 0);
        sideways->setValue(sideways->maximum());
        calculate();
        QTRY_COMPARE(sideways->value(), 0);
        const QRect centre = sweep()->visualItemRect(sweep()->currentItem());
        QVERIFY(sweep()->viewport()->rect().contains(centre.topLeft()));
    }

    void f1OpensTheHelp() {
        QCOMPARE(control<QAction>("mnuZRHelp")->shortcut().toString(), QStringLiteral("F1"));
        for (QWidget* from : {static_cast<QWidget*>(field(zephyrod::InputField::Frequency)),
                              static_cast<QWidget*>(sweep())}) {
            from->setFocus();
            QTest::keyClick(from, Qt::Key_F1);
            QTRY_VERIFY(helpWindow() != nullptr);
            helpWindow()->close();
            QTRY_VERIFY(helpWindow() == nullptr);
            main_->activateWindow();
            QTRY_VERIFY(main_->isActiveWindow());
        }
    }

    // Tab into a list without a selection frames its first line: Ctrl+C copies
    // that line, and Shift+F10 opens the context menu as the Menu key does.
    void copyTheFramedLineAndShiftF10() {
        calculate();
        QGuiApplication::clipboard()->clear();
        values()->setFocus();
        values()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QVERIFY(values()->selectedItems().isEmpty());
        QTest::keySequence(values(), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), kDefaultValues[0]);

        bool menuShown = false;
        watchdog_->expect([&menuShown](QWidget* popup) {
            menuShown = qobject_cast<QMenu*>(popup) != nullptr;
            popup->close();
        });
        QTest::keyClick(values(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menuShown);
    }

    void cannotBeMaximised() {
        main_->showMaximized();
        QTRY_VERIFY(!(main_->windowState() & Qt::WindowMaximized));
        QVERIFY(main_->isVisible());
    }

    void typedMarkupIsShownAsTyped() {
        field(zephyrod::InputField::Frequency)->setText("<b>7</b>");
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

    // A screen reader finds each field by its caption and hears its unit.
    void fieldsForAScreenReader() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(main_.get());
        for (const zephyrod::InputFieldInfo& info : zephyrod::kInputFields) {
            QAccessibleInterface* edit = zephyrod::ui::test::FindAccessible(
                window, QAccessible::EditableText, ToQString(info.caption));
            QVERIFY2(edit != nullptr, info.caption.data());
            QCOMPARE(edit->text(QAccessible::Description), ToQString(info.unit));
            QCOMPARE(edit->object(), static_cast<QObject*>(field(info.field)));
        }
    }

    // ... presses Calculate and reads both lists line by line, and the
    // selected sweep row.
    void calculationForAScreenReader() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(main_.get());
        QAccessibleInterface* go =
            zephyrod::ui::test::FindAccessible(window, QAccessible::Button, "Calculate");
        QVERIFY(go != nullptr && go->actionInterface() != nullptr);
        go->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        int selected = -1;
        QTRY_COMPARE(zephyrod::ui::test::AccessibleLines(zephyrod::ui::test::FindAccessible(
                         window, QAccessible::List, ToQString(design::kValuesAccessibleName))),
                     kDefaultValues);
        QCOMPARE(zephyrod::ui::test::AccessibleLines(
                     zephyrod::ui::test::FindAccessible(window, QAccessible::List,
                                                        ToQString(design::kSweepAccessibleName)),
                     &selected),
                 kDefaultSweep);
        QCOMPARE(selected, 12);
    }

    // The error box reads what to fix before its OK button.
    void errorReportForAScreenReader() {
        field(zephyrod::InputField::Frequency)->setText("abc");
        int textAt = -1;
        int buttonAt = -1;
        QString read;
        watchdog_->expect([&](QWidget* modal) {
            QAccessibleInterface* box = QAccessible::queryAccessibleInterface(modal);
            int order = 0;
            std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
                for (int i = 0; i < node->childCount(); ++i) {
                    QAccessibleInterface* child = node->child(i);
                    if (child->role() == QAccessible::StaticText &&
                        child->text(QAccessible::Name).contains("not a number")) {
                        textAt = order;
                        read = child->text(QAccessible::Name);
                    } else if (child->role() == QAccessible::Button && buttonAt < 0) {
                        buttonAt = order;
                    }
                    ++order;
                    walk(child);
                }
            };
            walk(box);
            modal->close();
        });
        calculate();
        zephyrod::InputTexts texts = zephyrod::DefaultInputTexts();
        zephyrod::TextOf(texts, zephyrod::InputField::Frequency) = "abc";
        const std::string message = design::CalculateInWindow(texts).error->message;
        QVERIFY2(read.contains(ToQString(message)), qPrintable(read));
        QVERIFY2(textAt >= 0 && textAt < buttonAt,
                 qPrintable(QStringLiteral("text at %1, OK at %2").arg(textAt).arg(buttonAt)));
    }

    // The main window as the program places it, on this screen at this scale
    // (also run at 2x scaling on a 1920x1080 screen).
    void opensOnTheScreen() {
        main_->hide();
        zephyrod::ui::CentreOnScreen(main_.get());
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
        const QRect available = main_->screen()->availableGeometry();
        const QRect frame = main_->frameGeometry();
        QVERIFY2(available.contains(frame.topLeft()),
                 qPrintable(QStringLiteral("window at %1,%2 on %3x%4")
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(available.width())
                                .arg(available.height())));
        if (frame.width() <= available.width() && frame.height() <= available.height()) {
            QVERIFY(available.contains(frame));
        }
    }

    void closingEndsTheProgramWithTheHelpWindow() {
        choose("mnuZRHelp");
        QPointer<QWidget> help = helpWindow();
        QVERIFY(help != nullptr);
        QCOMPARE(zephyrod::ui::test::VisibleTopLevels().size(), 2);
        QVERIFY(main_->close());
        QTRY_VERIFY(help.isNull());
        QVERIFY(zephyrod::ui::test::VisibleTopLevels().isEmpty());
    }
};

ZEPHYROD_UI_TEST_MAIN(MainWindowTests)

#include "frm_main_test.moc"
