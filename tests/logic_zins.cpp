#include "TaskTest.h"

#include "core/Zins.h"

#include <QtTest>

#include <cmath>

using zins::Record;

class LogicZins : public QObject {
    Q_OBJECT
private slots:
    void interest_data()
    {
        QTest::addColumn<int>("capital");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("pfennig");
        QTest::addRow("17,5 exactly gives 18") << 1000 << 21 << 3 << 18;
        QTest::addRow("127,5 falls below the half") << 1000 << 27 << 17 << 127;
        QTest::addRow("502,5 lands above the half") << 1000 << 27 << 67 << 503;
        QTest::addRow("112,5 where doubles give 113") << 1000 << 27 << 15 << 112;
        QTest::addRow("87,5 where another grouping gives 88") << 1000 << 63 << 5 << 87;
        QTest::addRow("whole amount") << 1000 << 36 << 100 << 1000;
        QTest::addRow("smallest") << 1000 << 20 << 1 << 6;
        QTest::addRow("largest") << 100500 << 69 << 359 << 691524;
        QTest::addRow("181 days") << 45500 << 45 << 181 << 102944;
    }
    void interest()
    {
        QFETCH(int, capital);
        QFETCH(int, rate);
        QFETCH(int, days);
        QFETCH(int, pfennig);
        QCOMPARE(zins::Interest(capital, rate, days), pfennig);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addRow("day 0") << zins::DateText(0) << "1.1";
        QTest::addRow("day 29") << zins::DateText(29) << "30.1";
        QTest::addRow("day 30") << zins::DateText(30) << "1.2";
        QTest::addRow("day 73") << zins::DateText(73) << "14.3";
        QTest::addRow("day 179") << zins::DateText(179) << "30.6";
        QTest::addRow("day 180") << zins::DateText(180) << "1.7";
        QTest::addRow("day 254") << zins::DateText(254) << "15.9";
        QTest::addRow("day 359") << zins::DateText(359) << "30.12";
        QTest::addRow("rate 20") << zins::RateText(20) << "2";
        QTest::addRow("rate 25") << zins::RateText(25) << "2,5";
        QTest::addRow("rate 69") << zins::RateText(69) << "6,9";
        QTest::addRow("interest 18") << zins::InterestText(18) << "0,18";
        QTest::addRow("interest 5") << zins::InterestText(5) << "0,05";
        QTest::addRow("interest 1850") << zins::InterestText(1850) << "18,5";
        QTest::addRow("interest 1800") << zins::InterestText(1800) << "18";
        QTest::addRow("interest 12345") << zins::InterestText(12345) << "123,45";
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void decimalEquals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("equal");
        QTest::addRow("0,15") << "0,15" << 15 << 2 << true;
        QTest::addRow("0,150") << "0,150" << 15 << 2 << true;
        QTest::addRow("0,151") << "0,151" << 15 << 2 << false;
        QTest::addRow("beyond extended precision") << "0,15000000000000000001" << 15 << 2 << false;
        QTest::addRow("exponent") << "1,5E-1" << 15 << 2 << true;
        QTest::addRow("blanks and sign") << " +0,15 " << 15 << 2 << true;
        QTest::addRow("wrong sign") << "-0,15" << 15 << 2 << false;
        QTest::addRow("leading zeros") << "00045500,00" << 45500 << 0 << true;
        QTest::addRow("tens") << "45500" << 4550 << 0 << false;
        QTest::addRow("negative zero") << "-0,0" << 0 << 2 << true;
        QTest::addRow("huge exponent of zero") << "0E99999999999" << 0 << 0 << true;
        QTest::addRow("point") << "0.15" << 15 << 2 << false;
        QTest::addRow("empty") << "" << 0 << 0 << false;
    }
    void decimalEquals()
    {
        QFETCH(QString, text);
        QFETCH(int, units);
        QFETCH(int, scale);
        QFETCH(bool, equal);
        QCOMPARE(zins::DecimalEquals(text, units, scale), equal);
    }

    // Each row: capital, rate, deposit day, payout day, interest.
    void tasksFromSeeds_data()
    {
        seedRows({{0, {1000,  21, 154, 216, 362,    28000, 53, 57, 209, 62658,
                       38000, 41, 14,  265, 108627, 8000,  62, 10, 232, 30587}},
                  {99, {11500, 28, 121, 209, 7871,  75500, 56, 141, 359, 256029,
                        67000, 40, 174, 262, 65511, 33500, 45, 33,  192, 66581}},
                  {4711, {84000, 49, 147, 283, 155493, 71000, 63, 32, 280, 308140,
                          11500, 41, 85,  210, 16372,  89000, 66, 75, 342, 435655}},
                  {0xFFFFFFFF, {97500, 30, 93,  203, 89375,  88000, 21, 85,  351, 136547,
                                32500, 58, 124, 338, 112053, 31000, 51, 148, 300, 66753}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                QList<int> fields;
                for (const Record& rec : zins::MakeTask(r))
                    fields << rec.capital << rec.rate << rec.deposit << rec.payout << rec.interest;
                return fields;
            },
            16);
    }

    void tasksStayInRange()
    {
        TRandom r(1);
        for (int i = 0; i < 3000; ++i) {
            const Record rec = zins::MakeRecord(r);
            QVERIFY(rec.capital >= 1000 && rec.capital <= 100500 && rec.capital % 500 == 0);
            QVERIFY(rec.rate >= 20 && rec.rate <= 69);
            QVERIFY(zins::InterestDays(rec) >= 1 && zins::InterestDays(rec) <= 359);
            // Within half a Pfennig (and a hair) of the exact rate * capital * days / 3600.
            const double exact = 1.0 * rec.rate * rec.capital * zins::InterestDays(rec) / 3600;
            QVERIFY(std::abs(rec.interest - exact) <= 0.5 + 1e-9);
        }
    }
};

QTEST_GUILESS_MAIN(LogicZins)
#include "logic_zins.moc"
