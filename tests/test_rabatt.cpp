#include "ExerciseTest.h"
#include "TestMain.h"

#include "core/Numbers.h"
#include "exercises/Rabatt.h"

#include <QLineEdit>

using rabatt::Task;

class TestRabatt : public WindowOf<fmRabatt> {
    Q_OBJECT
private slots:
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
