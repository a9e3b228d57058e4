#include "TaskTest.h"

#include "core/Wuerfeln.h"

#include <QtTest>

namespace {

// A task's sixes and its faces, one digit a throw.
QList<int> throws(int sixes, const char* faces)
{
    QList<int> task{sixes};
    for (const char* f = faces; *f; ++f)
        task << *f - '0';
    return task;
}

} // namespace

class LogicWuerfeln : public QObject {
    Q_OBJECT
private slots:
    void tasksFromSeeds_data()
    {
        seedRows({{0, throws(16, "00511410220205015241454101214120514525400030304344314353514104253"
                                 "3542045441054354103150135101132103440000442324224400001")},
                  {99, throws(18, "0140444532521310333512504543423542503555230354333441520410030"
                                  "24041223044205202535000251050201442202244241441131233522213")},
                  {4711, throws(23, "43434513022155254311525512003241112110054211402151410454011"
                                    "55354504030432532130502452033304102012042500154551332105204"
                                    "35")},
                  {0xFFFFFFFF, throws(19, "513050251445134425153502514420422432053504521153455441"
                                          "114403200121104121411205100235430004102434242420002410"
                                          "405354210054")}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const wuerfeln::Task t = wuerfeln::MakeTask(r);
                return QList<int>{t.sixes} + QList<int>(t.faces.begin(), t.faces.end());
            },
            120);
    }

    void expectedShareForEveryCount()
    {
        // Nearest whole per cent worked out on integers, halves to even.
        for (int sixes = 0; sixes <= 120; ++sixes) {
            const int q = sixes * 100 / 120, twiceRest = 2 * (sixes * 100 % 120);
            const int expected = q + (twiceRest > 120 || (twiceRest == 120 && q % 2 == 1));
            QCOMPARE(wuerfeln::ExpectedShare(sixes), expected);
        }
    }
};

QTEST_GUILESS_MAIN(LogicWuerfeln)
#include "logic_wuerfeln.moc"
