#include "ExerciseTest.h"
#include "TaskTest.h"
#include "TestMain.h"

#include "exercises/Flaechen.h"

#include <QComboBox>

using flaechen::Task;

Q_DECLARE_METATYPE(flaechen::Task)

class TestFlaechen : public WindowOf<fmFlaechen> {
    Q_OBJECT
private:
    // Picks an item by typing its digits into the list, as a pupil would.
    void pickItem(const QString& item)
    {
        fmFlaechen->ComboBox1->setFocus();
        // Typed digits add up to one search only within the keyboard interval.
        QTest::qWait(QApplication::keyboardInputInterval() + 20);
        if (!item.isEmpty())
            QTest::keyClicks(fmFlaechen->ComboBox1, item);
        QCOMPARE(fmFlaechen->ComboBox1->currentText(), item);
    }

    void open() override
    {
        QApplication::setKeyboardInputInterval(250);
        WindowTest::open();
        QCOMPARE(fmFlaechen->frameGeometry(), QRect(0, 102, 800, 468));
    }

private slots:
    void lengthLabels_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<QStringList>("captions"); // Label1 .. Label4
        QTest::addColumn<QList<QPoint>>("places");
        // Two-digit captions count 16 pixels, one-digit ones 8.
        QTest::addRow("smallest") << MakeBlueRed(400, 200, 0, 0, 20, 20)
                                  << QStringList{"20", "40", "2", "2"}
                                  << QList<QPoint>{{124, 136}, {332, 32}, {142, 46}, {146, 46}};
        QTest::addRow("largest") << MakeBlueRed(580, 290, 280, 130, 200, 110)
                                 << QStringList{"29", "58", "11", "20"}
                                 << QList<QPoint>{{124, 181}, {422, 32}, {422, 221}, {512, 176}};
        QTest::addRow("odd units")
            << MakeBlueRed(420, 210, 30, 50, 60, 30) << QStringList{"21", "42", "3", "6"}
            << QList<QPoint>{{124, 141}, {342, 32}, {172, 101}, {196, 96}};
    }
    void lengthLabels()
    {
        QFETCH(Task, task);
        QFETCH(QStringList, captions);
        QFETCH(QList<QPoint>, places);
        fmFlaechen->setTask(task);
        QCOMPARE(fmFlaechen->Shape1->geometry(), task.blue);
        QCOMPARE(fmFlaechen->Shape2->geometry(), task.red);
        const QLabel* labels[] = {fmFlaechen->Label1, fmFlaechen->Label2, fmFlaechen->Label3,
                                  fmFlaechen->Label4};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(labels[i]->text(), captions[i]);
            QCOMPARE(labels[i]->pos(), places[i]);
        }
        // The window reads its task back from the shapes.
        QCOMPARE(fmFlaechen->task().blue, task.blue);
        QCOMPARE(fmFlaechen->task().red, task.red);
    }

    void drawing_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addRow("inside") << MakeBlueRed(460, 260, 90, 10, 60, 50);
        QTest::addRow("bottoms meet") << MakeBlueRed(400, 200, 0, 90, 200, 110);
    }
    void drawing()
    {
        QFETCH(Task, task);
        fmFlaechen->setTask(task);
        const QImage image = fmFlaechen->grab().toImage();
        auto at = [&](int x, int y) {
            return FromQColor(image.pixelColor(x, y));
        };
        const QRect& b = task.blue;
        const QRect& r = task.red;
        // Outlines on the boxes' own edges, fills inside, the window's colour outside.
        QCOMPARE(at(b.left(), b.top() + 5), clr::Black);
        QCOMPARE(at(b.right(), b.bottom() - 5), clr::Black);
        QCOMPARE(at(b.right() + 1, b.bottom() - 5), TColor(0xC2CFCD));
        QCOMPARE(at(b.left() + 5, b.bottom() + 1), TColor(0xC2CFCD));
        QCOMPARE(at(b.right() - 5, b.top() + 5), TColor(0xFF0080));
        QCOMPARE(at(r.left(), r.bottom() - 3), clr::Black);
        QCOMPARE(at(r.right(), r.bottom() - 3), clr::Black);
        QCOMPARE(at(r.right() - 3, r.bottom()), clr::Black);
        QCOMPARE(at(r.right() - 3, r.bottom() - 3), clr::Red);
        // The red width label is drawn on top of the red fill.
        const QRect label4 = fmFlaechen->Label4->geometry() & r.adjusted(1, 1, -1, -1);
        int ink = 0;
        for (int y = label4.top(); y <= label4.bottom(); ++y)
            for (int x = label4.left(); x <= label4.right(); ++x)
                ink += at(x, y) != clr::Red;
        QVERIFY(ink > 10);
    }

    void newTask()
    {
        pickItem(QStringLiteral("12"));
        Random().setSeed(5);
        TRandom copy(5);
        QTest::keyClick(fmFlaechen->ComboBox1, Qt::Key_F2);
        const Task t = flaechen::MakeTask(copy, BlueCorner);
        QCOMPARE(fmFlaechen->task().blue, t.blue);
        QCOMPARE(fmFlaechen->task().red, t.red);
        QCOMPARE(fmFlaechen->Label2->text(), QString::number(t.blue.width() / 10));
        QCOMPARE(fmFlaechen->ComboBox1->currentIndex(), -1);
        QVERIFY(fmFlaechen->sbCheckIt->isEnabled());
        QCOMPARE(Form2->pbCount->value(), 0);
        QVERIFY(m_messages.isEmpty());
    }

    void verdicts_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<QString>("item"); // empty: nothing picked
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("expected");
        const Task half0 = MakeBlueRed(400, 200, 0, 0, 20, 20);
        const Task half2 = MakeBlueRed(400, 200, 0, 0, 40, 30);
        const Task half2b = MakeBlueRed(400, 200, 0, 0, 100, 20);
        const Task largest = MakeBlueRed(400, 200, 0, 90, 200, 110);
        QTest::addRow("0.5 picks 0") << half0 << "0" << true << 0;
        QTest::addRow("0.5 picks 1") << half0 << "1" << false << 0;
        QTest::addRow("1.5 picks 2") << half2 << "2" << true << 2;
        QTest::addRow("2.5 picks 2") << half2b << "2" << true << 2;
        QTest::addRow("2.5 picks 3") << half2b << "3" << false << 2;
        QTest::addRow("27.5 picks 28") << largest << "28" << true << 28;
        QTest::addRow("nothing picked") << largest << "" << false << 28;
    }
    void verdicts()
    {
        QFETCH(Task, task);
        QFETCH(QString, item);
        QFETCH(bool, right);
        QFETCH(int, expected);
        fmFlaechen->setTask(task);
        pickItem(item);
        QTest::keyClick(fmFlaechen->ComboBox1, Qt::Key_F9);
        expectVerdict(right, right ? QString()
                                   : QStringLiteral("Der Prozentsatz ist %1% !").arg(expected));
        // The task and the pick stay on show until the next task.
        QCOMPARE(fmFlaechen->task().red, task.red);
        QCOMPARE(fmFlaechen->ComboBox1->currentText(), item);
    }
};

TRAINER_TEST_MAIN(TestFlaechen)
#include "test_flaechen.moc"
