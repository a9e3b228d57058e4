#include "ExerciseTest.h"
#include "TestMain.h"
#include "TestPixels.h"

#include "exercises/Steigung.h"

#include <QComboBox>

using steigung::Task;
Q_DECLARE_METATYPE(Task)

namespace {

constexpr TColor Profile = 0xA7A08F;

TColor colorAt(const QImage& image, QPoint p)
{
    return FromQColor(image.pixelColor(p));
}

QString pointName(QPoint p)
{
    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
}

int countColor(const QImage& image, TColor c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += colorAt(image, {x, y}) == c;
    return n;
}

// The cell of a text drawn at (x, y) holds the same pixels as that text drawn alone.
bool showsText(const QImage& image, QPoint at, const QString& text)
{
    QRect cell;
    const QImage alone = Drawn(blank(image.width(), image.height(), clr::White), [&](TCanvas& c) {
        c.SetBkModeTransparent(true);
        c.TextOut(at.x(), at.y(), text);
        cell = QRect(at, QSize(c.TextWidth(text), c.TextHeight(text)));
    });
    return image.copy(cell) == alone.copy(cell);
}

} // namespace

class TestSteigung : public WindowOf<fmSteigung> {
    Q_OBJECT
private slots:
    void newTask()
    {
        Random().setSeed(4711);
        TRandom copy(4711);
        fmSteigung->ComboBox2->setCurrentIndex(7);
        QTest::keyClick(fmSteigung->ComboBox1, Qt::Key_F2);
        const Task t = steigung::MakeTask(copy);
        QCOMPARE((QList<int>{fmSteigung->task().a, fmSteigung->task().b, fmSteigung->task().c}),
                 (QList<int>{t.a, t.b, t.c}));
        QCOMPARE(fmSteigung->ComboBox2->currentIndex(), -1);
        QVERIFY(fmSteigung->sbCheckIt->isEnabled());
        QCOMPARE(Form2->pbCount->value(), 0);
    }

    void profile_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<QList<QPoint>>("black");
        QTest::addColumn<QList<QPoint>>("white");
        QTest::addColumn<QList<QPoint>>("filled");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<QPoint>>("textsAt");
        // Section marks and their arrows are the same in every task.
        const QList<QPoint> marks{{50, 11},  {250, 11}, {350, 11}, {650, 11}, {240, 33},
                                  {240, 39}, {60, 33},  {60, 39},  {340, 39}, {260, 33},
                                  {640, 33}, {360, 39}, {699, 350}};
        const QList<QPoint> free{{50, 10}, {650, 10}};
        QTest::addRow("flat 0 0 0")
            << Task{0, 0, 0} << marks + QList<QPoint>{{0, 350}, {400, 350}}
            << free + QList<QPoint>{{400, 349}, {400, 351}} << QList<QPoint>{} << QStringList{"0 m"}
            << QList<QPoint>{{745, 342}};
        QTest::addRow("steep 30 30 30")
            << Task{30, 30, 30} << marks + QList<QPoint>{{0, 290}, {739, 290}, {699, 260},
                                                         {0, 170}, {659, 170}, {650, 250}}
            << free + QList<QPoint>{{700, 350}, {740, 290}, {700, 260},
                                    {660, 170}, {200, 300}, {600, 160}}
            << QList<QPoint>{{200, 310}, {300, 320}, {600, 300}}
            << QStringList{"60 m", "90 m", "180 m", "  0 m", "A: 200 m", "B: 100 m", "C: 300 m"}
            << QList<QPoint>{{745, 282}, {705, 252}, {665, 162}, {700, 343},
                             {100, 20},  {270, 20},  {460, 20}};
        QTest::addRow("mixed 12 5 30")
            << Task{12, 5, 30} << marks + QList<QPoint>{{20, 326}, {20, 321}, {20, 231}}
            << free + QList<QPoint>{{700, 350}} << QList<QPoint>{{600, 340}}
            << QStringList{"24 m", "119 m"} << QList<QPoint>{{745, 318}, {665, 223}};
    }
    void profile()
    {
        QFETCH(Task, task);
        QFETCH(QList<QPoint>, black);
        QFETCH(QList<QPoint>, white);
        QFETCH(QList<QPoint>, filled);
        QFETCH(QStringList, texts);
        QFETCH(QList<QPoint>, textsAt);
        const QImage image = Drawn(blank(792, 406, clr::White),
                                   [&task](TCanvas& c) { steigung::DrawProfile(c, task); });
        for (const QPoint& p : black)
            QVERIFY2(colorAt(image, p) == clr::Black, qPrintable(pointName(p)));
        for (const QPoint& p : white)
            QVERIFY2(colorAt(image, p) == clr::White, qPrintable(pointName(p)));
        for (const QPoint& p : filled)
            QCOMPARE(colorAt(image, p), Profile);
        if (filled.isEmpty()) // a flat profile leaves no area to fill
            QCOMPARE(countColor(image, Profile), 0);
        for (int k = 0; k < texts.size(); ++k)
            QVERIFY2(showsText(image, textsAt[k], texts[k]), qPrintable(texts[k]));
    }

    void windowShowsProfileOverPicture()
    {
        fmSteigung->setTask({30, 30, 30});
        const QImage image = fmSteigung->grab().toImage();
        QCOMPARE(colorAt(image, {600, 300}), Profile);
        QCOMPARE(colorAt(image, {100, 170}), clr::Black);
        QCOMPARE(colorAt(image, {780, 380}), 0xDAD7CFu);
        // The picture shows through where nothing is drawn.
        QVERIFY(colorAt(image, {20, 100}) != 0xDAD7CFu);
        QVERIFY(colorAt(image, {20, 100}) != clr::White);
    }

    void verdicts_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("correction"); // empty: praised
        QTest::addRow("all right") << Task{12, 5, 30} << QList<int>{12, 5, 30} << "";
        QTest::addRow("all zero") << Task{0, 0, 0} << QList<int>{0, 0, 0} << "";
        QTest::addRow("all thirty") << Task{30, 30, 30} << QList<int>{30, 30, 30} << "";
        QTest::addRow("A off by one") << Task{12, 5, 30} << QList<int>{13, 5, 30} << "12% 5% 30%";
        QTest::addRow("C wrong") << Task{12, 5, 30} << QList<int>{12, 5, 29} << "12% 5% 30%";
        QTest::addRow("height of A picked")
            << Task{12, 5, 30} << QList<int>{24, 5, 30} << "12% 5% 30%";
        QTest::addRow("swapped") << Task{1, 2, 3} << QList<int>{3, 2, 1} << "1% 2% 3%";
        QTest::addRow("B not picked") << Task{0, 0, 0} << QList<int>{0, -1, 0} << "0% 0% 0%";
        QTest::addRow("nothing picked") << Task{30, 0, 7} << QList<int>{-1, -1, -1} << "30% 0% 7%";
    }
    void verdicts()
    {
        QFETCH(Task, task);
        QFETCH(QList<int>, picks);
        QFETCH(QString, correction);
        fmSteigung->setTask(task);
        pick({fmSteigung->ComboBox1, fmSteigung->ComboBox2, fmSteigung->ComboBox3}, picks);
        expectVerdict(correction.isEmpty(), correction);
    }
};

TRAINER_TEST_MAIN(TestSteigung)
#include "test_steigung.moc"
