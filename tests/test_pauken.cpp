#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Pauken.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using pauken::Task;

Q_DECLARE_METATYPE(Task)

enum class Verdict { Right, Wrong, NotANumber };
Q_DECLARE_METATYPE(Verdict)

class TestPauken : public WindowOf<fmPauken> {
    Q_OBJECT
private:
    void open() override
    {
        WindowTest::open();
        QVERIFY(QTest::qWaitForWindowActive(fmPauken));
    }

private slots:
    void verdicts_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<Verdict>("verdict");
        const Task t480 = pauken::PercentageValueTask(12, 4000);
        const Task t12 = pauken::PercentFigureTask(300, 2400);
        QTest::addRow("exact") << t480 << "480" << Verdict::Right;
        QTest::addRow("zero decimals") << t480 << "480,0" << Verdict::Right;
        QTest::addRow("blanks around") << t480 << " 480 " << Verdict::Right;
        QTest::addRow("exponent") << t480 << "4,8E2" << Verdict::Right;
        QTest::addRow("half more") << t480 << "480,5" << Verdict::Wrong;
        QTest::addRow("one less") << t480 << "479" << Verdict::Wrong;
        QTest::addRow("half rounded up") << t12 << "13" << Verdict::Wrong;
        QTest::addRow("half to even") << t12 << "12" << Verdict::Right;
        QTest::addRow("extended quotient")
            << pauken::PercentFigureTask(14100, 12000) << "117" << Verdict::Right;
        QTest::addRow("exact quotient")
            << pauken::PercentFigureTask(14100, 12000) << "118" << Verdict::Wrong;
        QTest::addRow("minus zero")
            << pauken::PercentFigureTask(100, 30000) << "-0" << Verdict::Right;
        QTest::addRow("empty") << t480 << "" << Verdict::NotANumber;
        QTest::addRow("decimal point") << t480 << "480.0" << Verdict::NotANumber;
        QTest::addRow("thousands separator") << t480 << "1.000" << Verdict::NotANumber;
        QTest::addRow("percent sign") << t12 << "12%" << Verdict::NotANumber;
        QTest::addRow("sign only") << t480 << "-" << Verdict::NotANumber;
        QTest::addRow("beyond range") << t480 << "1E99999" << Verdict::NotANumber;
    }
    void verdicts()
    {
        QFETCH(Task, task);
        QFETCH(QString, entry);
        QFETCH(Verdict, verdict);
        fmPauken->setTask(task);
        answer(fmPauken->Edit1, entry);
        if (verdict == Verdict::NotANumber) {
            expectInvalid(QStringLiteral("Du musst schon eine Zahl eingeben!"),
                          TInvalidEntry::ResetUncounted);
            QCOMPARE(fmPauken->Edit1->selectedText(), QStringLiteral("0"));
            // The task is still open: a number now is evaluated once.
            m_messages.clear();
            answer(fmPauken->Edit1, QString::number(task.expected));
            expectVerdict(true);
        } else if (verdict == Verdict::Right) {
            expectVerdict(true);
        } else {
            expectVerdict(false, QStringLiteral("Der Wert wäre %1 gewesen!").arg(task.expected));
            QCOMPARE(fmPauken->Edit1->text(), entry);
        }
    }

    void newTaskDrawsColourAndTask()
    {
        Random().setSeed(99);
        TRandom replay(99);
        fmPauken->Edit1->setText(QStringLiteral("123"));
        QTest::keyClick(fmPauken->Edit1, Qt::Key_F2);
        const TColor colour = pauken::MakeBackground(replay);
        const Task t = pauken::MakeTask(replay);
        QCOMPARE(fmPauken->background(), colour);
        QCOMPARE(fmPauken->Memo1->toPlainText(), pauken::TaskText(t));
        const Task shown = fmPauken->task();
        QCOMPARE(QList<int>({shown.kind, shown.first, shown.second, shown.expected}),
                 QList<int>({t.kind, t.first, t.second, t.expected}));
        QCOMPARE(fmPauken->Edit1->text(), QStringLiteral("123"));
        QCOMPARE(fmPauken->Edit1->selectedText(), QStringLiteral("123"));
        QVERIFY(fmPauken->sbCheckIt->isEnabled());
        QCOMPARE(Form2->pbCount->value(), 0);
        QVERIFY(m_messages.isEmpty());
    }

    void scene_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("colour"); // "window", "white" or "face"
        QTest::addRow("top left corner") << QPoint(2, 2) << "window";
        QTest::addRow("outside the bubble's corner") << QPoint(300, 118) << "window";
        QTest::addRow("bubble's left end") << QPoint(258, 186) << "white";
        QTest::addRow("bubble's right end") << QPoint(562, 186) << "white";
        QTest::addRow("beside the bubble") << QPoint(566, 186) << "window";
        QTest::addRow("bubble below the memo") << QPoint(410, 250) << "white";
        QTest::addRow("picture's free corner") << QPoint(279, 114) << "window";
        QTest::addRow("face") << QPoint(244, 128) << "face";
        QTest::addRow("label's right end") << QPoint(349, 320) << "white";
        QTest::addRow("between label and field") << QPoint(358, 328) << "window";
    }
    void scene()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, colour);
        fmPauken->setTask(pauken::PercentageValueTask(12, 4000));
        const QImage image = fmPauken->grab().toImage();
        const QColor window = ToQColor(fmPauken->background());
        const QColor pixel = image.pixelColor(at);
        if (colour == QLatin1String("window"))
            QCOMPARE(pixel, window);
        else if (colour == QLatin1String("white"))
            QCOMPARE(pixel, QColor(Qt::white));
        else // yellow: much red and green, little blue
            QVERIFY2(pixel.red() > 200 && pixel.green() > 150 && pixel.blue() < 120,
                     qPrintable(pixel.name()));
    }

    void questionIsWritten()
    {
        // Dark ink in the memo's first line, on white, nowhere near the window colour.
        fmPauken->setTask(pauken::PercentageValueTask(12, 4000));
        const QImage image = fmPauken->grab(fmPauken->Memo1->geometry()).toImage();
        int ink = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 100;
        QVERIFY(ink > 100);
        QVERIFY(QFontInfo(fmPauken->Memo1->font()).bold());
    }

    void focusGoesToAnswerField_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addRow("drag over the question") << "drag";
        QTest::addRow("tab from the answer") << "tab";
        QTest::addRow("back tab") << "backtab";
    }
    void focusGoesToAnswerField()
    {
        QFETCH(QString, how);
        const QString question = fmPauken->Memo1->toPlainText();
        fmPauken->Edit1->setFocus();
        fmPauken->Edit1->setText(QStringLiteral("5"));
        if (how == QLatin1String("drag")) {
            // A drag over the question selects nothing.
            QWidget* viewport = fmPauken->Memo1->viewport();
            QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 10));
            QTest::mouseMove(viewport, QPoint(150, 30));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(150, 30));
            QVERIFY(!fmPauken->Memo1->textCursor().hasSelection());
        } else {
            QTest::keyClick(fmPauken->Edit1,
                            how == QLatin1String("tab") ? Qt::Key_Tab : Qt::Key_Backtab);
        }
        QCOMPARE(QApplication::focusWidget(), fmPauken->Edit1);
        QVERIFY(!(fmPauken->Memo1->focusPolicy() & Qt::TabFocus));
        // Typing lands in the answer, over what was there.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("480"));
        QCOMPARE(fmPauken->Edit1->text(), QStringLiteral("480"));
        QCOMPARE(fmPauken->Memo1->toPlainText(), question);
    }
};

TRAINER_TEST_MAIN(TestPauken)
#include "test_pauken.moc"
