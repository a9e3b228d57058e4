#include "ExerciseTest.h"
#include "TestMain.h"

#include "core/Numbers.h"
#include "exercises/Rabatt.h"

#include <QLineEdit>

using rabatt::Task;

class TestRabatt : public WindowOf<fmRabatt> {
    Q_OBJECT
private slots:
    void everyTaskHasItsExpectedPrice()
    {
        int halves = 0;
        int naiveWrong = 0;
        int lowest = INT_MAX, highest = 0;
        for (int p = 800; p <= 2700; p += 100)
            for (int d1 = 5; d1 <= 30; d1 += 5)
                for (int d2 = 5; d2 <= 30; d2 += 5) {
                    const Task t{p, d1, d2};
                    const long long q = 1LL * p * (100 - d1) * (100 - d2);
                    // Nearest to q / 10000, halves to even, worked out on doubled values.
                    const long long lower = q / 10000;
                    const long long twice = 2 * q - 2 * lower * 10000; // 2 * remainder
                    long long expected = lower;
                    if (twice > 10000 || (twice == 10000 && lower % 2 == 1))
                        expected = lower + 1;
                    if (twice == 10000)
                        ++halves;
                    QCOMPARE(static_cast<long long>(rabatt::ExpectedPrice(t)), expected);
                    const double naive = (p * (100 - d1) / 100.0) * ((100 - d2) / 100.0);
                    if (std::nearbyint(naive) != static_cast<double>(expected))
                        ++naiveWrong;
                    lowest = std::min<int>(lowest, rabatt::ExpectedPrice(t));
                    highest = std::max<int>(highest, rabatt::ExpectedPrice(t));
                }
        QCOMPARE(halves, 165);
        QCOMPARE(naiveWrong, 4); // plain doubles would get these wrong
        QCOMPARE(lowest, 392);
        QCOMPARE(highest, 2437);
        QCOMPARE(rabatt::ExpectedPrice({1500, 5, 30}), 998);
        QCOMPARE(rabatt::ExpectedPrice({900, 5, 30}), 598);
    }

    void tasksFromSeeds_data()
    {
        seedRows({{0, {800, 5, 30}},
                  {99, {1000, 10, 25}},
                  {4711, {2400, 20, 25}},
                  {0xFFFFFFFF, {2700, 10, 20}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Task t = rabatt::MakeTask(r);
                return QList<int>{t.price, t.discount1, t.discount2};
            },
            3);
    }

    void tasksStayInRange()
    {
        TRandom r(2024);
        for (int i = 0; i < 2000; ++i) {
            const Task t = rabatt::MakeTask(r);
            QVERIFY(t.price >= 800 && t.price <= 2700 && t.price % 100 == 0);
            QVERIFY(t.discount1 >= 5 && t.discount1 <= 30 && t.discount1 % 5 == 0);
            QVERIFY(t.discount2 >= 5 && t.discount2 <= 30 && t.discount2 % 5 == 0);
        }
    }

    void taskText()
    {
        QCOMPARE(rabatt::TaskText({1500, 5, 30}),
                 QStringLiteral("Ein Computerverkäufer verlangt für seinen PC 1500 €.\n\r"
                                "Da die Preise schnell fallen, muss er nach einer Woche\n\r"
                                "5 % Rabatt geben. Auf einigen Computern bleibt er\n\r"
                                "trotzdem sitzen und muss deshalb 2 Wochen später noch-\n\r"
                                "mals 30 % Rabatt auf den bestehenden Preis geben."));
    }

    void newTaskShowsTaskAndResetsAnswer()
    {
        Random().setSeed(7);
        TRandom copy(7);
        fmRabatt->Edit1->setText(QStringLiteral("123"));
        QTest::keyClick(fmRabatt->Edit1, Qt::Key_F2);
        const Task t = rabatt::MakeTask(copy);
        QCOMPARE(fmRabatt->task().price, t.price);
        QCOMPARE(fmRabatt->task().discount1, t.discount1);
        QCOMPARE(fmRabatt->task().discount2, t.discount2);
        QCOMPARE(fmRabatt->StaticText1->text(), rabatt::TaskText(t).remove(QLatin1Char('\r')));
        QCOMPARE(fmRabatt->Edit1->text(), QStringLiteral("0"));
        QVERIFY(fmRabatt->sbCheckIt->isEnabled());
        QCOMPARE(Form2->pbCount->value(), 0);
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("price");
        QTest::addColumn<int>("d1");
        QTest::addColumn<int>("d2");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("right");
        QTest::addRow("998 exact") << 1500 << 5 << 30 << "998" << true;
        QTest::addRow("997 within one") << 1500 << 5 << 30 << "997" << true;
        QTest::addRow("999 within one") << 1500 << 5 << 30 << "999" << true;
        QTest::addRow("996 too low") << 1500 << 5 << 30 << "996" << false;
        QTest::addRow("1000 too high") << 1500 << 5 << 30 << "1000" << false;
        QTest::addRow("598 half to even") << 900 << 5 << 30 << "598" << true;
        QTest::addRow("599 by tolerance") << 900 << 5 << 30 << "599" << true;
        QTest::addRow("392 behind blanks") << 800 << 30 << 30 << "   392" << true;
        QTest::addRow("plus sign") << 800 << 30 << 30 << "+392" << true;
        QTest::addRow("untouched zero") << 800 << 30 << 30 << "0" << false;
        QTest::addRow("negative") << 800 << 30 << 30 << "-5" << false;
        QTest::addRow("largest") << 2700 << 5 << 5 << "2437" << true;
        QTest::addRow("int max") << 2700 << 5 << 5 << "2147483647" << false;
        QTest::addRow("int min") << 2700 << 5 << 5 << "-2147483648" << false;
    }
    void verdicts()
    {
        QFETCH(int, price);
        QFETCH(int, d1);
        QFETCH(int, d2);
        QFETCH(QString, entry);
        QFETCH(bool, right);
        const Task t{price, d1, d2};
        fmRabatt->setTask(t);
        answer(fmRabatt->Edit1, entry);
        expectVerdict(
            right,
            right ? QString()
                  : QStringLiteral("Der aktuelle Preis ist %1 € !").arg(rabatt::ExpectedPrice(t)));
        QTest::keyClick(fmRabatt->Edit1, Qt::Key_F2);
        QVERIFY(fmRabatt->sbCheckIt->isEnabled());
    }

    void invalidEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addRow("thousands separator") << "1.000";
        QTest::addRow("decimal comma") << "12,5";
        QTest::addRow("blank after") << "392 ";
        QTest::addRow("empty") << "";
        QTest::addRow("letters") << "neunhundert";
        QTest::addRow("beyond 32 bit") << "99999999999";
        QTest::addRow("euro sign") << "998 €";
        QTest::addRow("long") << QString(5000, QLatin1Char('7'));
    }
    void invalidEntries()
    {
        QFETCH(QString, entry);
        fmRabatt->setTask({1500, 5, 30});
        answer(fmRabatt->Edit1, entry);
        expectInvalid(conversionError(entry), TInvalidEntry::Refuse);
        QCOMPARE(fmRabatt->Edit1->text(), entry); // nothing lost
        // Corrected, the same task is evaluated once.
        m_messages.clear();
        answer(fmRabatt->Edit1, QStringLiteral("998"));
        expectVerdict(true);
    }

    void anyTextGivesVerdictOrMessage()
    {
        // Random texts from digits, signs, blanks, separators and letters: each
        // evaluation is either counted once with a verdict, or shown as the
        // conversion message with nothing counted.
        TRandom r(99);
        const QString alphabet = QStringLiteral("0123456789 +-$xX.,aZ€ä\t");
        int counted = 0;
        for (int i = 0; i < 3000; ++i) {
            QString text;
            const int length = static_cast<int>(r.next(12));
            for (int k = 0; k < length; ++k)
                text += alphabet[static_cast<int>(r.next(static_cast<uint32_t>(alphabet.size())))];
            resetSeries();
            fmRabatt->NewTask();
            fmRabatt->Edit1->setText(text);
            QTest::keyClick(fmRabatt->Edit1, Qt::Key_F9);
            QCOMPARE(m_messages.size(), 1);
            const bool converted = TryStrToInt(text).has_value();
            QCOMPARE(Form2->pbCount->value(), converted ? 1 : 0);
            QCOMPARE(fmRabatt->sbCheckIt->isEnabled(), !converted);
            QCOMPARE(m_messages[0].startsWith(QStringLiteral("E:")), !converted);
            QCOMPARE(fmRabatt->Edit1->text(), text);
            counted += converted;
        }
        QVERIFY(counted > 100);
    }

    void spinButtonsKeepPositionOverText()
    {
        fmRabatt->Edit1->setText(QStringLiteral("40"));
        fmRabatt->UpDown1->step(1);
        fmRabatt->Edit1->setText(QStringLiteral("abc"));
        fmRabatt->UpDown1->step(1);
        QCOMPARE(fmRabatt->Edit1->text(), QStringLiteral("42"));
    }
};

TRAINER_TEST_MAIN(TestRabatt)
#include "test_rabatt.moc"
