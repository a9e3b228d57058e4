#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Rabatt.h"
#include "framework/Vorlage.h"
#include "platform/Desktop.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>

// The program as a pupil works it from the keyboard: focus, tab keys, what the
// bars and lists show.
class TestPupil : public ExerciseTest {
    Q_OBJECT
private:
    // Shows the strip with the exercise of `tab`, its window active.
    void showActive(int tab)
    {
        openProgram(tab);
        QVERIFY(QTest::qWaitForWindowActive(Form2->CurrentExercise));
    }
    static QString focusName()
    {
        const QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    // The middle row of a bar as the screen shows it.
    static QImage shownRow(QProgressBar* bar)
    {
        QCoreApplication::processEvents();
        const QRect r(bar->mapTo(Form2, QPoint(0, bar->height() / 2)), QSize(bar->width(), 1));
        return Form2->screen()->grabWindow(Form2->winId()).toImage().copy(r);
    }
    // Its columns that differ from the empty bar's middle.
    static int filledColumns(QProgressBar* bar, QRgb empty)
    {
        const QImage row = shownRow(bar);
        int n = 0;
        for (int x = 0; x < row.width(); ++x)
            n += row.pixel(x, 0) != empty;
        return n;
    }
    static qint64 ink(const QFont& font)
    {
        QImage image(300, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        p.drawText(2, 22, QStringLiteral("Zinsrechnung 1234,5 DM"));
        p.end();
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += 255 - qGray(image.pixel(x, y));
        return sum;
    }

private slots:
    void cleanup() { closeProgram(); }

    void firstControlHasTheFocus_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("first");
        const char* const first[] = {"ComboBox1", "Edit1", "Edit1",    "ComboBox1",
                                     "ComboBox1", "Edit1", "Edit1",    "ComboBox1",
                                     "Edit1",     "Edit1", "ComboBox1"};
        for (int tab = 0; tab < static_cast<int>(std::size(first)); ++tab)
            QTest::addRow("tab %d", tab) << tab << QString::fromLatin1(first[tab]);
        QCOMPARE(Exercises().size(), static_cast<int>(std::size(first)));
    }
    void firstControlHasTheFocus()
    {
        QFETCH(int, tab);
        QFETCH(QString, first);
        showActive(tab);
        QCOMPARE(focusName(), first);
        // Typing replaces what the field shows.
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (edit) {
            QTest::keyClicks(edit, QStringLiteral("54"));
            QCOMPARE(edit->text(), QStringLiteral("54"));
        }
        // A new task starts at the first control again, wherever the focus was.
        QApplication::focusWidget()->clearFocus();
        QTest::keyClick(Form2->CurrentExercise, Qt::Key_F2);
        QCOMPARE(focusName(), first);
        if (edit)
            QCOMPARE(edit->selectedText(), edit->text());
        // So does a return to the tab from the strip.
        Form2->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form2));
        Form2->TabControl1->setCurrentIndex((tab + 1) % Exercises().size());
        Form2->TabControl1->setCurrentIndex(tab);
        QTRY_COMPARE(focusName(), first);
    }

    void tabKeysSwitchExercises_data()
    {
        QTest::addColumn<bool>("fromStrip");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        const int last = Exercises().size() - 1;
        QTest::addRow("ctrl+tab") << false << int(Qt::Key_Tab) << ctrl << 0 << 1;
        QTest::addRow("ctrl+tab wraps") << true << int(Qt::Key_Tab) << ctrl << last << 0;
        QTest::addRow("ctrl+shift+tab") << true << int(Qt::Key_Backtab) << ctrlShift << 5 << 4;
        QTest::addRow("ctrl+shift+tab wraps")
            << false << int(Qt::Key_Backtab) << ctrlShift << 0 << last;
        QTest::addRow("ctrl+pgdown") << false << int(Qt::Key_PageDown) << ctrl << 9 << 10;
        QTest::addRow("ctrl+pgup") << true << int(Qt::Key_PageUp) << ctrl << 1 << 0;
        QTest::addRow("ctrl+pgup wraps") << false << int(Qt::Key_PageUp) << ctrl << 0 << last;
    }
    void tabKeysSwitchExercises()
    {
        QFETCH(bool, fromStrip);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, from);
        QFETCH(int, to);
        showActive(from);
        if (fromStrip) {
            QApplication::setActiveWindow(Form2);
            QVERIFY(QTest::qWaitForWindowActive(Form2));
        }
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                      : QApplication::activeWindow();
        QVERIFY(target);
        QCOMPARE(target->window() == Form2, fromStrip);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Form2->TabControl1->currentIndex(), to);
        QCOMPARE(Form2->CurrentExercise, ExerciseAtTab(to)->window());
        QVERIFY(Form2->CurrentExercise->isVisible());
    }

    // Whatever box or window opens on top, when it closes the exercise window
    // has the keyboard again, in the control that had it; each box belongs to
    // that window and sits in the middle of the screen by its final size.
    void keyboardComesBackAfterEveryBox_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("attemptsBefore");
        QTest::addColumn<int>("modals");
        QTest::addRow("hint, word-wrapped") << QString() << int(Qt::Key_F1) << 0 << 1;
        QTest::addRow("verdict") << QStringLiteral("5") << int(Qt::Key_F9) << 0 << 1;
        QTest::addRow("conversion error") << QStringLiteral("1.000") << int(Qt::Key_F9) << 0 << 1;
        QTest::addRow("verdict, then statistics")
            << QStringLiteral("5") << int(Qt::Key_F9) << 19 << 2;
        QTest::addRow("statistics F6") << QString() << int(Qt::Key_F6) << 0 << 1;
        QTest::addRow("info") << QString() << 0 << 0 << 1;
    }
    void keyboardComesBackAfterEveryBox()
    {
        QFETCH(QString, entry);
        QFETCH(int, key);
        QFETCH(int, attemptsBefore);
        QFETCH(int, modals);
        createProgram();
        SetOwnerWindow(Form2);
        auto restore = qScopeGuard([] { SetOwnerWindow(nullptr); });
        showTab(ExerciseOf(fmRabatt)->tab);
        QVERIFY(QTest::qWaitForWindowActive(fmRabatt));
        SetMessageHook({});
        fmRabatt->TipIndex = 1; // the next hint is the long one
        for (int i = 0; i < attemptsBefore; ++i)
            Shared->RecordResult(false);
        if (!entry.isEmpty())
            type(fmRabatt->Edit1, entry);
        int seen = 0;
        std::function<void(QWidget*)> check = [&](QWidget* modal) {
            ++seen;
            QCOMPARE(modal->windowHandle()->transientParent(), fmRabatt->windowHandle());
            const QRect screen = modal->screen()->availableGeometry();
            const QPoint off = modal->frameGeometry().center() - screen.center();
            QVERIFY2(off.manhattanLength() <= 1,
                     qPrintable(QStringLiteral("off centre by %1,%2").arg(off.x()).arg(off.y())));
            if (seen < modals)
                onNextModal(check);
        };
        onNextModal(check);
        if (key)
            QTest::keyClick(fmRabatt->Edit1, Qt::Key(key));
        else
            Form2->Info2->trigger();
        QCOMPARE(seen, modals);
        QTRY_COMPARE(QApplication::activeWindow(), fmRabatt);
        QCOMPARE(QApplication::focusWidget(), fmRabatt->Edit1);
    }

    void barsShowEveryCount()
    {
        openProgram(fmRabatt);
        QVERIFY(QTest::qWaitForWindowActive(fmRabatt));
        const QRgb empty = shownRow(Form2->pbCount).pixel(Form2->pbCount->width() / 2, 0);
        int attempts = filledColumns(Form2->pbCount, empty);
        int successes = filledColumns(Form2->pbSuccess, empty);
        auto check = [&](int n, bool right) {
            const int a = filledColumns(Form2->pbCount, empty);
            const int s = filledColumns(Form2->pbSuccess, empty);
            QVERIFY2(a > attempts, qPrintable(QStringLiteral("attempt %1: %2").arg(n).arg(a)));
            QVERIFY2(right ? s > successes : s == successes,
                     qPrintable(QStringLiteral("attempt %1: %2").arg(n).arg(s)));
            attempts = a;
            successes = s;
        };
        for (int n = 1; n <= 20; ++n) {
            const bool right = n % 3 != 0;
            // The twentieth shows while the statistics window is open.
            bool seen = false;
            if (n == 20)
                onNextModal([&](QWidget*) {
                    seen = true;
                    QTest::qWait(50); // the modal loop paints on its next turns
                    check(n, right);
                });
            const int expected = rabatt::ExpectedPrice(fmRabatt->task());
            fmRabatt->Edit1->setText(QString::number(right ? expected : expected + 50));
            QTest::keyClick(fmRabatt->Edit1, Qt::Key_F9);
            QTest::keyClick(fmRabatt->Edit1, Qt::Key_F2);
            if (n < 20)
                check(n, right);
            else
                QVERIFY(seen);
        }
    }

    void pickListsDropEightRows()
    {
        for (const TExercise& e : Exercises()) {
            showActive(e.tab);
            for (QComboBox* box : Form2->CurrentExercise->findChildren<QComboBox*>()) {
                if (!box->isVisible())
                    continue;
                const QString where =
                    Form2->CurrentExercise->objectName() + QLatin1Char('/') + box->objectName();
                QVERIFY2(!box->isEditable(), qPrintable(where));
                box->showPopup();
                QAbstractItemView* list = box->view();
                QVERIFY2(list->isVisible(), qPrintable(where));
                list->scrollToTop();
                int rows = 0;
                for (int i = 0; i < box->count(); ++i)
                    rows += list->viewport()->rect().contains(
                        list->visualRect(box->model()->index(i, 0)));
                box->hidePopup();
                QVERIFY2(rows == std::min(box->count(), 8),
                         qPrintable(where + QStringLiteral(": %1 rows").arg(rows)));
            }
            closeProgram();
        }
    }

    void boldIsBold()
    {
        QFont regular(QStringLiteral("Tahoma"));
        regular.setPixelSize(15);
        QFont bold = regular;
        bold.setBold(true);
        const qint64 thin = ink(regular);
        const qint64 thick = ink(bold);
        QVERIFY2(thick * 4 > thin * 5, qPrintable(QStringLiteral("%1 / %2").arg(thick).arg(thin)));
    }
};

TRAINER_TEST_MAIN(TestPupil)
#include "test_pupil.moc"
