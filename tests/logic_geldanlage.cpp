#include "TaskTest.h"

#include "core/Geldanlage.h"
#include "core/Numbers.h"

#include <QtTest>

#include <cstdint>

using geldanlage::Task;

namespace {

// Compound interest in exact integers, with every exact half cent sent the
// same way; the program's result must lie between the two.
int64_t CompoundExact(const Task& t, bool halvesUp)
{
    const int64_t start = int64_t{t.capital} * 100;
    int64_t amount = start;
    for (int year = 0; year < t.term; ++year) {
        const int64_t scaled = amount * (100 + t.rate);
        const int64_t lower = scaled / 100;
        const int64_t rest = scaled % 100;
        amount = lower + ((rest > 50 || (rest == 50 && halvesUp)) ? 1 : 0);
    }
    return amount - start;
}

} // namespace

class LogicGeldanlage : public QObject {
    Q_OBJECT
private slots:
    void amounts_data()
    {
        QTest::addColumn<int>("capital");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("term");
        QTest::addColumn<QStringList>("amounts"); // simple, compound
        QTest::addRow("1000 at 5 for 5, halves in years 3 and 5 go down")
            << 1000 << 5 << 5 << QStringList{"250", "276,27"};
        QTest::addRow("500 at 2 for 2, one decimal") << 500 << 2 << 2 << QStringList{"20", "20,2"};
        QTest::addRow("2000 at 3 for 4") << 2000 << 3 << 4 << QStringList{"240", "251,01"};
        QTest::addRow("20000 at 6 for 11, largest")
            << 20000 << 6 << 11 << QStringList{"13200", "17965,97"};
        QTest::addRow("500 at 4 for 2") << 500 << 4 << 2 << QStringList{"40", "40,8"};
        QTest::addRow("10000 at 2 for 2, whole euros")
            << 10000 << 2 << 2 << QStringList{"400", "404"};
    }
    void amounts()
    {
        QFETCH(int, capital);
        QFETCH(int, rate);
        QFETCH(int, term);
        QFETCH(QStringList, amounts);
        const auto expected = geldanlage::ExpectedTexts({capital, rate, term});
        QCOMPARE((QStringList{expected.simple, expected.compound}), amounts);
    }

    void everyTaskHasSoundAmounts()
    {
        int halfTasks = 0;
        for (int capital = 500; capital <= 20000; capital += 500)
            for (int rate = 2; rate <= 6; ++rate)
                for (int term = 2; term <= 11; ++term) {
                    const Task t{capital, rate, term};
                    const int64_t simple = geldanlage::SimpleInterestCents(t);
                    QCOMPARE(simple, int64_t{capital} * rate * term);
                    const int64_t compound = geldanlage::CompoundInterestCents(t);
                    const int64_t down = CompoundExact(t, false);
                    const int64_t up = CompoundExact(t, true);
                    QVERIFY(compound >= down && compound <= up);
                    QVERIFY(compound > simple);
                    halfTasks += down != up;
                    // The text reads back as the amount, with no trailing zero.
                    const QString text = geldanlage::AmountText(compound);
                    const auto back = TryStrToFloat(text);
                    QVERIFY(back.has_value());
                    QCOMPARE(RoundEven(*back * 100), compound);
                    QVERIFY(!text.contains(QLatin1Char('.')));
                    QVERIFY(!text.contains(QLatin1Char(',')) || !text.endsWith(QLatin1Char('0')));
                    QVERIFY(!geldanlage::AmountText(simple).contains(QLatin1Char(',')));
                }
        QVERIFY(halfTasks > 0);
    }

    void tasksFromSeeds_data()
    {
        seedRows({{0, {500, 2, 10}},
                  {99, {2500, 2, 8}},
                  {4711, {17000, 4, 10}},
                  {0xFFFFFFFF, {19500, 3, 7}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Task t = geldanlage::MakeTask(r);
                return QList<int>{t.capital, t.rate, t.term};
            },
            3);
    }

    void tasksStayInRange()
    {
        TRandom r(2024);
        QSet<int> capitals;
        for (int i = 0; i < 3000; ++i) {
            const Task t = geldanlage::MakeTask(r);
            QVERIFY(t.capital >= 500 && t.capital <= 20000 && t.capital % 500 == 0);
            QVERIFY(t.rate >= 2 && t.rate <= 6);
            QVERIFY(t.term >= 2 && t.term <= 11);
            capitals.insert(t.capital);
        }
        QCOMPARE(capitals.size(), 40);
    }

    void taskText()
    {
        QCOMPARE(geldanlage::TaskText({1000, 5, 5}),
                 QStringLiteral("Herr Sparstrumpf legt 1000 € mit 5 % Verzinsung für\r\n"
                                "5 Jahre auf die Bank\r\n"
                                "Er kann jedes Jahr den Jahreszins abheben, oder die \r\n"
                                "Zinsen zusammen mit dem Kapital stehenlassen."));
    }
};

QTEST_GUILESS_MAIN(LogicGeldanlage)
#include "logic_geldanlage.moc"
