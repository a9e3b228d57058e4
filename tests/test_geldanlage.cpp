#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Geldanlage.h"

#include <QLineEdit>

using geldanlage::Task;

class TestGeldanlage : public WindowOf<fmGeldanlage> {
    Q_OBJECT
public:
    TestGeldanlage() { m_staysOpen = true; }

private:
    void answerBoth(const QString& first, const QString& second)
    {
        type(fmGeldanlage->Edit1, first);
        answer(fmGeldanlage->Edit2, second);
    }

private slots:
    void newTaskKeepsAnswers()
    {
        Random().setSeed(7);
        TRandom copy(7);
        fmGeldanlage->Edit1->setText(QStringLiteral("123"));
        fmGeldanlage->Edit2->setText(QStringLiteral("45,6"));
        QTest::keyClick(fmGeldanlage->Edit1, Qt::Key_F2);
        const Task t = geldanlage::MakeTask(copy);
        QCOMPARE(fmGeldanlage->task().capital, t.capital);
        QCOMPARE(fmGeldanlage->task().rate, t.rate);
        QCOMPARE(fmGeldanlage->task().term, t.term);
        // Shown without the carriage returns, the blank before the third break kept.
        QCOMPARE(fmGeldanlage->StaticText1->text(),
                 geldanlage::TaskText(t).remove(QLatin1Char('\r')));
        QVERIFY(fmGeldanlage->StaticText1->text().contains(QStringLiteral("oder die \nZinsen")));
        QCOMPARE(fmGeldanlage->StaticText1->palette().color(QPalette::Window),
                 QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(fmGeldanlage->Edit1->text(), QStringLiteral("123"));
        QCOMPARE(fmGeldanlage->Edit2->text(), QStringLiteral("45,6"));
        QVERIFY(fmGeldanlage->sbCheckIt->isEnabled());
        QCOMPARE(Form2->pbCount->value(), 0);
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("capital");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("term");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("right");
        QTest::addRow("both right") << 1000 << 5 << 5 << QStringList{"250", "276,27"} << true;
        QTest::addRow("largest task right")
            << 20000 << 6 << 11 << QStringList{"13200", "17965,97"} << true;
        QTest::addRow("one decimal right") << 500 << 2 << 2 << QStringList{"20", "20,2"} << true;
        QTest::addRow("trailing zero") << 500 << 2 << 2 << QStringList{"20", "20,20"} << false;
        QTest::addRow("cents on whole euros")
            << 1000 << 5 << 5 << QStringList{"250,00", "276,27"} << false;
        QTest::addRow("euro sign") << 1000 << 5 << 5 << QStringList{"250 €", "276,27"} << false;
        QTest::addRow("leading blank") << 1000 << 5 << 5 << QStringList{" 250", "276,27"} << false;
        QTest::addRow("trailing blank") << 1000 << 5 << 5 << QStringList{"250", "276,27 "} << false;
        QTest::addRow("decimal point") << 1000 << 5 << 5 << QStringList{"250", "276.27"} << false;
        QTest::addRow("exact halves to even")
            << 1000 << 5 << 5 << QStringList{"250", "276,28"} << false;
        QTest::addRow("first right second wrong")
            << 2000 << 3 << 4 << QStringList{"240", "251"} << false;
        QTest::addRow("first wrong second right")
            << 2000 << 3 << 4 << QStringList{"241", "251,01"} << false;
        QTest::addRow("swapped") << 2000 << 3 << 4 << QStringList{"251,01", "240"} << false;
        QTest::addRow("untouched") << 2000 << 3 << 4 << QStringList{"0", "0"} << false;
        QTest::addRow("empty") << 2000 << 3 << 4 << QStringList{"", ""} << false;
        QTest::addRow("letters") << 2000 << 3 << 4 << QStringList{"zweihundert", "x"} << false;
        QTest::addRow("long") << 2000 << 3 << 4
                              << QStringList{QString(5000, QLatin1Char('7')), "251,01"} << false;
    }
    void verdicts()
    {
        QFETCH(int, capital);
        QFETCH(int, rate);
        QFETCH(int, term);
        QFETCH(QStringList, entries);
        QFETCH(bool, right);
        const Task t{capital, rate, term};
        const auto expected = geldanlage::ExpectedTexts(t);
        fmGeldanlage->setTask(t);
        answerBoth(entries[0], entries[1]);
        expectVerdict(right, right
                                 ? QString()
                                 : QStringLiteral("Eigentlich hätten es %1 € und %2 € sein müssen.")
                                       .arg(expected.simple, expected.compound));
        // Nothing typed is touched.
        QCOMPARE(fmGeldanlage->Edit1->text(), entries[0]);
        QCOMPARE(fmGeldanlage->Edit2->text(), entries[1]);
    }

    void everyEvaluationCounts()
    {
        fmGeldanlage->setTask({1000, 5, 5});
        answerBoth(QStringLiteral("250"), QStringLiteral("276,28"));
        // Corrected, the same task is evaluated again, by key and by button.
        type(fmGeldanlage->Edit2, QStringLiteral("276,27"));
        QTest::keyClick(fmGeldanlage->Edit2, Qt::Key_F9);
        fmGeldanlage->sbCheckIt->click();
        QCOMPARE(m_messages.size(), 3);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("Eigentlich hätten es 250 € und 276,27")));
        QVERIFY(praises().contains(m_messages[1]));
        QVERIFY(praises().contains(m_messages[2]));
        QCOMPARE(Form2->pbCount->value(), 3);
        QCOMPARE(Form2->pbSuccess->value(), 2);
        QCOMPARE(Shared->Outcomes[1], -(m_tab + 1));
        QCOMPARE(Shared->Outcomes[2], m_tab + 1);
        QCOMPARE(Shared->Outcomes[3], m_tab + 1);
    }

    void anyTextGivesOneVerdict()
    {
        // No entry is invalid: whatever the fields hold is one counted verdict,
        // never an error.
        TRandom r(99);
        const QString alphabet = QStringLiteral("0123456789 +-$xX.,aZ€ä\t");
        for (int i = 0; i < 1500; ++i) {
            QString texts[2];
            for (QString& text : texts) {
                const int length = static_cast<int>(r.next(10));
                for (int k = 0; k < length; ++k)
                    text +=
                        alphabet[static_cast<int>(r.next(static_cast<uint32_t>(alphabet.size())))];
            }
            resetSeries();
            fmGeldanlage->Edit1->setText(texts[0]);
            fmGeldanlage->Edit2->setText(texts[1]);
            QTest::keyClick(fmGeldanlage->Edit1, Qt::Key_F9);
            QCOMPARE(m_messages.size(), 1);
            QVERIFY(!m_messages[0].startsWith(QStringLiteral("E:")));
            QCOMPARE(Form2->pbCount->value(), 1);
            QCOMPARE(fmGeldanlage->Edit1->text(), texts[0]);
            QCOMPARE(fmGeldanlage->Edit2->text(), texts[1]);
        }
    }
};

TRAINER_TEST_MAIN(TestGeldanlage)
#include "test_geldanlage.moc"
