#include "ExerciseTest.h"
#include "TestMain.h"
#include "TestPixels.h"

#include "exercises/Schaetzen.h"

#include <QComboBox>

#include <cmath>

using schaetzen::Task;

namespace {

constexpr TColor Colors[3] = {0x007FFF, 0x507FAF, 0xA07F5F};

QImage circles(const Task& task)
{
    return Drawn(blank(792, 406, clr::White), [&](TCanvas& c) { schaetzen::DrawCircles(c, task); });
}

// Three circles whose sectors reach `degrees` counter-clockwise from twelve
// o'clock, the end ray aimed practically without rounding.
QImage reference(double degrees)
{
    return Drawn(blank(792, 406, clr::White), [&](TCanvas& c) {
        for (int i = 0; i < 3; ++i) {
            const int left = 50 + 250 * i;
            c.Brush.setColor(clr::Black);
            c.Ellipse(left, 100, left + 150, 250);
            c.Brush.setColor(Colors[i]);
            if (degrees >= 360) {
                c.Ellipse(left, 100, left + 150, 250);
            } else if (degrees > 0) {
                const double a = degrees * M_PI / 180;
                c.Pie(left, 100, left + 150, 250, left + 75, 0,
                      left + 75 - static_cast<int>(std::lround(1e6 * std::sin(a))),
                      175 - static_cast<int>(std::lround(1e6 * std::cos(a))));
            }
        }
    });
}

int differences(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

class TestSchaetzen : public WindowOf<fmSchaetzen> {
    Q_OBJECT
private:
    static std::vector<QComboBox*> lists()
    {
        return {fmSchaetzen->ComboBox1, fmSchaetzen->ComboBox2, fmSchaetzen->ComboBox3};
    }

private slots:
    // The picture lies under the drawing surface and reaches one pixel further each way.
    void pictureUnderTheCircles()
    {
        const int above = fmSchaetzen->Panel6->y();
        QCOMPARE(fmSchaetzen->Image1->geometry(), QRect(0, 0, fmSchaetzen->width() + 1, above + 1));
        QCOMPARE(fmSchaetzen->Image1->image().size(), QSize(640, 480));
        const QImage shown = fmSchaetzen->grab().toImage();
        const QColor top = shown.pixelColor(40, 30);
        const QColor bottom = shown.pixelColor(760, 380);
        QVERIFY2(top.red() > 2 * top.green() && bottom.green() > 2 * bottom.red(),
                 "red-orange above, green below");
    }

    void newTaskClearsThePicks()
    {
        fmSchaetzen->ComboBox1->setCurrentIndex(5);
        fmSchaetzen->ComboBox3->setCurrentIndex(11);
        Random().setSeed(12);
        TRandom copy(12);
        QTest::keyClick(fmSchaetzen->ComboBox3, Qt::Key_F2);
        QCOMPARE(fmSchaetzen->task(), schaetzen::MakeTask(copy));
        for (QComboBox* box : lists()) {
            QCOMPARE(box->currentIndex(), -1);
            QCOMPARE(box->currentText(), QString());
        }
        QVERIFY(fmSchaetzen->sbCheckIt->isEnabled());
        QCOMPARE(Form2->pbCount->value(), 0);
        QVERIFY(m_messages.isEmpty());
    }

    void verdicts_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<Task>("picks");         // -1: nothing picked
        QTest::addColumn<QString>("correction"); // empty: right
        QTest::addRow("all right") << Task{3, 7, 1} << Task{3, 7, 1} << "";
        QTest::addRow("last wrong") << Task{3, 7, 1} << Task{3, 7, 2} << "25% 67% 10% ";
        QTest::addRow("first wrong") << Task{3, 7, 1} << Task{4, 7, 1} << "25% 67% 10% ";
        QTest::addRow("third of a circle for two thirds")
            << Task{4, 7, 4} << Task{4, 4, 4} << "33% 67% 33% ";
        QTest::addRow("middle not picked") << Task{3, 7, 1} << Task{3, -1, 1} << "25% 67% 10% ";
        QTest::addRow("nothing picked") << Task{0, 0, 0} << Task{-1, -1, -1} << "0% 0% 0% ";
        QTest::addRow("black circles are 0") << Task{0, 0, 0} << Task{0, 0, 0} << "";
        QTest::addRow("full circles are 100") << Task{11, 11, 11} << Task{11, 11, 11} << "";
        QTest::addRow("0 and 100 named") << Task{0, 11, 6} << Task{11, 0, 6} << "0% 100% 50% ";
        QTest::addRow("same share twice") << Task{8, 2, 8} << Task{8, 2, 8} << "";
    }
    void verdicts()
    {
        QFETCH(Task, task);
        QFETCH(Task, picks);
        QFETCH(QString, correction);
        fmSchaetzen->setTask(task);
        pick(lists(), QList<int>(picks.begin(), picks.end()));
        expectVerdict(correction.isEmpty(), correction);
    }

    void sectors_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("degrees");
        QTest::addRow("0 plain black") << 0 << 0.0;
        QTest::addRow("10") << 1 << 36.0;
        QTest::addRow("20") << 2 << 72.0;
        QTest::addRow("25") << 3 << 90.0;
        QTest::addRow("33") << 4 << 118.8;
        QTest::addRow("40") << 5 << 144.0;
        QTest::addRow("50") << 6 << 180.0;
        QTest::addRow("67") << 7 << 241.2;
        QTest::addRow("75") << 8 << 270.0;
        QTest::addRow("80") << 9 << 288.0;
        QTest::addRow("90") << 10 << 324.0;
        QTest::addRow("100 full colour") << 11 << 360.0;
    }
    void sectors()
    {
        QFETCH(int, index);
        QFETCH(double, degrees);
        // Told as the drawn angle in whole degrees, with the circle's colour.
        QCOMPARE(schaetzen::SectorsText({0, index, 11}),
                 QStringLiteral("Kreis 1, orange: 0 von 360 Grad. Kreis 2, hellbraun: %1 von 360 "
                                "Grad. Kreis 3, graublau: 360 von 360 Grad.")
                     .arg(qRound(degrees)));
        const QImage drawn = circles({index, index, index});
        // The end ray is aimed 400 pixels out, rounded: a few rim pixels may differ.
        const int diff = differences(drawn, reference(degrees));
        QVERIFY2(diff <= 15, qPrintable(QString::number(diff)));
        if (index == 0 || index == 11)
            QCOMPARE(diff, 0);
        // Nothing outside the three squares.
        for (int y = 0; y < 406; ++y)
            for (int x = 0; x < 792; ++x)
                if (y < 100 || y >= 250 || (x - 50) % 250 >= 150 || x < 50 || x >= 700)
                    QCOMPARE(at(drawn, x, y), clr::White);
    }

    void thirdsAreTheTableValues()
    {
        // 33 and 67 are drawn as 118.8 and 241.2 degrees, not as a third and two thirds.
        QVERIFY(differences(circles({4, 4, 4}), reference(120)) > 100);
        QVERIFY(differences(circles({7, 7, 7}), reference(240)) > 100);
    }

    void quartersAreExact_data()
    {
        // The coloured part is the fully coloured circle cut along the radii,
        // which the pen draws in column 74 and row 74 of the circle's square.
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("part");   // in the square, 0 .. 149
        QTest::addColumn<bool>("outside"); // coloured outside the part instead
        QTest::addRow("25 upper left") << 3 << QRect(QPoint(0, 0), QPoint(73, 73)) << false;
        QTest::addRow("50 left half") << 6 << QRect(QPoint(0, 0), QPoint(73, 149)) << false;
        QTest::addRow("75 all but upper right")
            << 8 << QRect(QPoint(74, 0), QPoint(149, 74)) << true;
    }
    void quartersAreExact()
    {
        QFETCH(int, index);
        QFETCH(QRect, part);
        QFETCH(bool, outside);
        const QImage full = circles({11, 11, 11});
        const QImage drawn = circles({index, index, index});
        for (int i = 0; i < 3; ++i) {
            const int left = 50 + 250 * i;
            for (int y = 100; y < 250; ++y)
                for (int x = left; x < left + 150; ++x) {
                    const bool keep = part.contains(x - left, y - 100) != outside;
                    QCOMPARE(at(drawn, x, y) == Colors[i], keep && at(full, x, y) == Colors[i]);
                }
        }
    }

    void windowPaintsTheTask()
    {
        fmSchaetzen->setTask({3, 0, 11});
        const QImage shown = fmSchaetzen->grab().toImage();
        QCOMPARE(at(shown, 100, 150), Colors[0]); // upper left of the left circle
        QCOMPARE(at(shown, 150, 200), clr::Black);
        QCOMPARE(at(shown, 350, 150), clr::Black); // middle circle plain black
        QCOMPARE(at(shown, 400, 200), clr::Black);
        QCOMPARE(at(shown, 600, 150), Colors[2]); // right circle full
        QCOMPARE(at(shown, 650, 200), Colors[2]);
        // Between the circles the picture shows through.
        for (const QPoint& p : {QPoint(250, 175), QPoint(10, 10), QPoint(780, 395)}) {
            const TColor c = at(shown, p.x(), p.y());
            QVERIFY(c != clr::Black && c != clr::White);
        }
        // A repaint draws the same picture.
        QCOMPARE(fmSchaetzen->grab().toImage(), shown);
    }
};

TRAINER_TEST_MAIN(TestSchaetzen)
#include "test_schaetzen.moc"
