#include "TestMain.h"

#include "app/Forms.h"
#include "app/Info.h"
#include "app/Main.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"

#include <QTimer>

class TestInfo : public QObject {
    Q_OBJECT
private slots:
    void buildNumber_data()
    {
        QTest::addColumn<QDateTime>("fileTime");
        QTest::addColumn<qint64>("build");
        QTest::addColumn<QString>("date");
        QTest::addRow("evening rounds up")
            << QDateTime(QDate(2002, 6, 19), QTime(22, 22)) << qint64(1176) << "20.06.2002";
        QTest::addRow("morning") << QDateTime(QDate(2002, 6, 19), QTime(9, 0)) << qint64(1175)
                                 << "19.06.2002";
        QTest::addRow("noon is a half, to even")
            << QDateTime(QDate(2002, 6, 19), QTime(12, 0)) << qint64(1176) << "20.06.2002";
        QTest::addRow("reference day")
            << QDateTime(QDate(1999, 4, 1), QTime(0, 0)) << qint64(0) << "01.04.1999";
        QTest::addRow("before the reference")
            << QDateTime(QDate(1999, 3, 1), QTime(1, 0)) << qint64(-31) << "01.03.1999";
    }
    void buildNumber()
    {
        QFETCH(QDateTime, fileTime);
        QFETCH(qint64, build);
        QFETCH(QString, date);
        QCOMPARE(info::DaysBetween(QDate(1999, 4, 1), fileTime), build);
        QCOMPARE(info::GermanDate(info::RoundedDay(fileTime)), date);
    }

    void germanDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::addRow("short") << "1.4.1999" << QDate(1999, 4, 1);
        QTest::addRow("padded") << "01.04.1999" << QDate(1999, 4, 1);
        QTest::addRow("two-digit year") << "3.10.02" << QDate(2002, 10, 3);
        QTest::addRow("month first is not read") << "4/1/1999" << QDate();
        QTest::addRow("impossible day") << "31.2.1999" << QDate();
    }
    void germanDates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(info::ParseGermanDate(text), date);
    }

    void infoFromTheMenu()
    {
        TForms forms;
        CreateForms(forms);
        fmInfo->setFileTime(QDateTime(QDate(2002, 6, 19), QTime(22, 22)));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            // A failed check returns at once: the window closes all the same.
            struct CloseModal {
                ~CloseModal()
                {
                    if (QWidget* modal = QApplication::activeModalWidget())
                        modal->close();
                }
            } closer;
            QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(fmInfo));
            seen = true;
            QCOMPARE(fmInfo->windowTitle(), QStringLiteral("Info über %1").arg(ApplicationTitle()));
            QCOMPARE(fmInfo->Label1->text(), ApplicationTitle());
            QCOMPARE(fmInfo->Label2->text(), QStringLiteral("Version 1.3 (1176)"));
            QCOMPARE(fmInfo->Label3->text(), QStringLiteral("vom 20.06.2002"));
            QVERIFY(fmInfo->Label4->text().contains(QStringLiteral("2002")));
            QCOMPARE(fmInfo->size(), QSize(381, 224));
            // Gradient from yellow at the top to red at the bottom, in bands of 4.
            const QImage strip = fmInfo->PaintBox1->grab().toImage();
            QCOMPARE(FromQColor(strip.pixelColor(10, 0)), TColor(0x00FFFF));
            QCOMPARE(FromQColor(strip.pixelColor(10, 3)), TColor(0x00FFFF));
            QCOMPARE(GetGreen(FromQColor(strip.pixelColor(10, 26 * 4))), 127);
            QCOMPARE(FromQColor(strip.pixelColor(10, 208)), TColor(0x0000FF));
            fmInfo->Button1->click();
        });
        Form2->Info2->trigger();
        QVERIFY(seen);
        QCOMPARE(fmInfo->TopColour, TColor(0x00FFFF));
        QCOMPARE(fmInfo->BottomColour, TColor(0x0000FF));
    }
};

TRAINER_TEST_MAIN(TestInfo)
#include "test_info.moc"
