#include "core/Exception.h"
#include "core/Numbers.h"
#include "core/Random.h"

#include <QDateTime>
#include <QtTest>

#include <clocale>
#include <ctime>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    // Every test runs again under the locales scripts/setup generates: numbers
    // are read and written the same whatever the process locale is.
    void initTestCase_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addRow("C") << QByteArray("C");
        QTest::addRow("de_DE") << QByteArray("de_DE.UTF-8");
        QTest::addRow("en_US") << QByteArray("en_US.UTF-8");
    }
    void initTestCase() { m_locale = std::setlocale(LC_ALL, nullptr); }
    void init()
    {
        QFETCH_GLOBAL(QByteArray, locale);
        QVERIFY2(std::setlocale(LC_ALL, locale.constData()), "locale not installed");
    }
    void cleanup() { std::setlocale(LC_ALL, m_locale.constData()); }

    // The seed counts universal time, also where the clock on the wall is hours
    // away from it.
    void randomizeCountsUniversalTime()
    {
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "IST-5:30"); // UTC+5:30, as a rule that needs no zone files
        tzset();
        TRandom random;
        const int before = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
        random.randomize();
        const int after = QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        tzset();
        if (after < before)
            QSKIP("midnight passed during the check");
        QVERIFY2(int(random.seed()) >= before && int(random.seed()) <= after,
                 qPrintable(
                     QStringLiteral("%1 not in %2..%3").arg(random.seed()).arg(before).arg(after)));
    }

    void randomFirstDraws()
    {
        // state := state * 134775813 + 1; draw = (state * n) >> 32
        TRandom r(0);
        QCOMPARE(r.next(100), 0u);          // state 1
        QCOMPARE(r.next(100), 3u);          // state 134775814
        QCOMPARE(r.next(100), 86u);         // state 3698175007
        QCOMPARE(r.next(6), 1u);            // state 870078620
        QCOMPARE(r.next(20), 5u);           // state 1172187917
        QCOMPARE(r.next(1000000), 671654u); // state 2884733762
        QCOMPARE(r.seed(), 2884733762u);
    }

    void randomFloatAndRange()
    {
        TRandom r(12345);
        QCOMPARE(r.nextFloat(), 1655067934.0L / 4294967296.0L);
        QCOMPARE(r.seed(), 1655067934u);
        TRandom a(777), b(777);
        for (int i = 0; i < 1000; ++i) {
            const int32_t v = a.range(5, 9);
            QVERIFY(v >= 5 && v <= 9);
            QCOMPARE(static_cast<uint32_t>(v - 5), b.next(5));
        }
    }

    void roundEven_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<qint64>("expected");
        QTest::addRow("12.5 down to even") << 12.5 << qint64(12);
        QTest::addRow("37.5 up to even") << 37.5 << qint64(38);
        QTest::addRow("0.5") << 0.5 << qint64(0);
        QTest::addRow("1.5") << 1.5 << qint64(2);
        QTest::addRow("-2.5") << -2.5 << qint64(-2);
        QTest::addRow("2.4999") << 2.4999 << qint64(2);
        QTest::addRow("2.5001") << 2.5001 << qint64(3);
    }
    void roundEven()
    {
        QFETCH(double, x);
        QFETCH(qint64, expected);
        QCOMPARE(RoundEven(static_cast<Extended>(x)), expected);
    }

    void extendedRateRounding()
    {
        // 3 of 8 successes: 37.5 -> 38; 1 of 8: 12.5 -> 12, formed in extended precision.
        QCOMPARE(RoundEven(static_cast<Extended>(3) * 100 / 8), 38);
        QCOMPARE(RoundEven(static_cast<Extended>(1) * 100 / 8), 12);
    }

    void divideEven_data()
    {
        QTest::addColumn<qint64>("numerator");
        QTest::addColumn<qint64>("denominator");
        QTest::addColumn<qint64>("expected");
        const qint64 rows[][3] = {
            {250, 100, 2},   {350, 100, 4},   {249, 100, 2},   {251, 100, 3}, {-250, 100, -2},
            {-350, 100, -4}, {-251, 100, -3}, {-249, 100, -2}, {5, 2, 2},     {7, 2, 4},
            {1, 3, 0},       {2, 3, 1},       {0, 7, 0},       {-1, 3, 0},    {-2, 3, -1}};
        for (const auto& r : rows)
            QTest::addRow("%lld/%lld", r[0], r[1]) << r[0] << r[1] << r[2];
    }
    void divideEven()
    {
        QFETCH(qint64, numerator);
        QFETCH(qint64, denominator);
        QFETCH(qint64, expected);
        QCOMPARE(DivideEven(numerator, denominator), expected);
    }

    void strToInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::addRow("plain") << "392" << true << 392;
        QTest::addRow("leading blanks") << "   392" << true << 392;
        QTest::addRow("plus") << "+7" << true << 7;
        QTest::addRow("minus") << "-5" << true << -5;
        QTest::addRow("blanks then sign") << "  -12" << true << -12;
        QTest::addRow("leading zeros") << "007" << true << 7;
        QTest::addRow("dollar hex") << "$1F" << true << 31;
        QTest::addRow("x hex") << "x10" << true << 16;
        QTest::addRow("X hex") << "Xff" << true << 255;
        QTest::addRow("0x hex") << "0x7fffffff" << true << 2147483647;
        QTest::addRow("negative hex") << "-$10" << true << -16;
        QTest::addRow("max") << "2147483647" << true << 2147483647;
        QTest::addRow("min") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::addRow("empty") << "" << false << 0;
        QTest::addRow("only blanks") << "   " << false << 0;
        QTest::addRow("only sign") << "-" << false << 0;
        QTest::addRow("only dollar") << "$" << false << 0;
        QTest::addRow("trailing blank") << "392 " << false << 0;
        QTest::addRow("thousands separator") << "1.000" << false << 0;
        QTest::addRow("decimal comma") << "12,5" << false << 0;
        QTest::addRow("letters") << "abc" << false << 0;
        QTest::addRow("hex digit in decimal") << "12a" << false << 0;
        QTest::addRow("double sign") << "--5" << false << 0;
        QTest::addRow("sign after blank inside") << "- 5" << false << 0;
        QTest::addRow("tab is not a blank") << "\t5" << false << 0;
        QTest::addRow("above max") << "2147483648" << false << 0;
        QTest::addRow("below min") << "-2147483649" << false << 0;
        QTest::addRow("hex above max") << "$80000000" << false << 0;
        QTest::addRow("huge") << QString(500, QLatin1Char('9')) << false << 0;
        QTest::addRow("arabic digits") << QString::fromUtf8("\u0663") << false << 0;
        QTest::addRow("fullwidth digit") << QString::fromUtf8("\uFF15") << false << 0;
    }
    void strToInt()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const auto v = TryStrToInt(text);
        QCOMPARE(v.has_value(), ok);
        if (ok) {
            QCOMPARE(*v, value);
            QCOMPARE(StrToInt(text), value);
        } else {
            try {
                StrToInt(text);
                QFAIL("no conversion error");
            } catch (const EConvertError& e) {
                QCOMPARE(e.message(),
                         QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
            }
        }
    }

    void strToFloat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::addRow("whole") << "480" << true << 480.0;
        QTest::addRow("comma") << "480,5" << true << 480.5;
        QTest::addRow("comma zero") << "480,0" << true << 480.0;
        QTest::addRow("leading comma") << ",5" << true << 0.5;
        QTest::addRow("trailing comma") << "3," << true << 3.0;
        QTest::addRow("negative") << "-2,25" << true << -2.25;
        QTest::addRow("blanks around") << "  7,5  " << true << 7.5;
        QTest::addRow("exponent") << "1,5E3" << true << 1500.0;
        QTest::addRow("point") << "480.5" << false << 0.0;
        QTest::addRow("empty") << "" << false << 0.0;
        QTest::addRow("comma only") << "," << false << 0.0;
        QTest::addRow("two commas") << "1,2,3" << false << 0.0;
        QTest::addRow("letters") << "zwölf" << false << 0.0;
        QTest::addRow("exponent without digits") << "1E" << false << 0.0;
        QTest::addRow("overflow") << "1E99999" << false << 0.0;
    }
    void strToFloat()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const auto v = TryStrToFloat(text);
        QCOMPARE(v.has_value(), ok);
        if (ok) {
            QCOMPARE(static_cast<double>(*v), value);
            return;
        }
        try {
            StrToFloat(text);
            QFAIL("no conversion error");
        } catch (const EConvertError& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
        }
    }

    void floatToStr_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("whole") << 2.0 << "2";
        QTest::addRow("half") << 2.5 << "2,5";
        QTest::addRow("two places") << 123.45 << "123,45";
        QTest::addRow("zero") << 0.0 << "0";
        QTest::addRow("negative") << -0.75 << "-0,75";
        QTest::addRow("small fixed") << 0.0001 << "0,0001";
        QTest::addRow("smallest fixed") << 0.00001 << "0,00001";
        QTest::addRow("tiny") << 0.000001 << "1E-6";
        QTest::addRow("large fixed") << 123456789012345.0 << "123456789012345";
        QTest::addRow("largest fixed") << 999999999999999.0 << "999999999999999";
        QTest::addRow("switch to exponent") << 1e15 << "1E15";
        QTest::addRow("rounded up to the switch") << 999999999999999.7 << "1E15";
        QTest::addRow("rounded up to fixed") << 9.999999999999999e-6 << "0,00001";
        QTest::addRow("large") << 1e20 << "1E20";
        QTest::addRow("large with comma") << -1.5e20 << "-1,5E20";
        QTest::addRow("tiny with comma") << 2.5e-7 << "2,5E-7";
        QTest::addRow("15 digits") << 0.1 + 0.2 << "0,3";
        QTest::addRow("third") << 1.0 / 3 << "0,333333333333333";
    }
    void floatToStr()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FloatToStr(static_cast<Extended>(value)), text);
    }

private:
    QByteArray m_locale;
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
