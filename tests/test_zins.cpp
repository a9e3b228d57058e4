#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Zins.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

using zins::Record;
using zins::Variant;

namespace {

// Row 1: 2 days give exactly 15 Pfennig; row 2 pays out on 15.9; row 3 at 2,5 %;
// row 4 from 14.3 to 15.9, 181 days.
zins::Task fixedTask()
{
    zins::Task t{Record{1000, 27, 179, 181, 0}, Record{20000, 40, 10, 254, 0},
                 Record{5000, 25, 0, 359, 0}, Record{45500, 45, 73, 254, 0}};
    for (Record& r : t)
        r.interest = zins::Interest(r.capital, r.rate, r.payout - r.deposit);
    return t;
}

} // namespace

class TestZins : public WindowOf<fmZins, WindowTest::SameTask> {
    Q_OBJECT
private:
    QLineEdit* edit(Variant v) const
    {
        return v == Variant::Interest ? fmZins->Edit1
               : v == Variant::Rate   ? fmZins->Edit3
                                      : fmZins->Edit4;
    }

private slots:
    void answerWidgetsCoverTheirCells_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("hidesText");
        QTest::addRow("interest") << "Edit1" << 4 << 1 << true;
        QTest::addRow("rate") << "Edit3" << 1 << 3 << true;
        QTest::addRow("capital") << "Edit4" << 0 << 4 << true;
        QTest::addRow("day") << "ComboBox1" << 3 << 2 << true;
        QTest::addRow("month beside it") << "ComboBox2" << 3 << 2 << false;
    }
    void answerWidgetsCoverTheirCells()
    {
        QFETCH(QString, name);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, hidesText);
        QTableWidget* grid = fmZins->StringGrid1;
        // All five rows fit: nothing to scroll.
        QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        const QRect section = grid->visualRect(grid->model()->index(row, column));
        // The cell without its grid line, in window coordinates.
        const QRect cell(grid->viewport()->mapTo(fmZins, section.topLeft()), QSize(150, 36));
        QCOMPARE(section.size(), QSize(151, 37));
        const QRect widget = fmZins->findChild<QWidget*>(name)->geometry();
        QVERIFY(cell.contains(widget));
        // The cell's text starts at its top left; the widget hides it.
        QCOMPARE(widget.contains(cell.topLeft() + QPoint(4, 4)), hidesText);
        // The neighbouring cells stay visible.
        for (const QPoint& step : {QPoint(-151, 0), QPoint(151, 0), QPoint(0, -37), QPoint(0, 37)})
            QVERIFY(!widget.intersects(cell.translated(step)));
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        const int right = int(zins::Outcome::Right), wrong = int(zins::Outcome::Wrong),
                  invalid = int(zins::Outcome::Invalid);
        const QString interestRight("Der Zins in der ersten Zeile wurde richtig berechnet!");
        const QString interestWrong("In der ersten Zeile ergibt sich bei2 Tagen 0,15 DM Zins.");
        const QString rateRight("Der Zinssatz in der 3.Zeile wurde richtig berechnet!");
        const QString rateWrong("Der Zinssatz müsste lauten : 2,5 %");
        const QString capitalRight("Das Kapital wurde richtig berechnet!");
        const QString capitalWrong(
            "In der vierten Zeile ergibt sich bei181 Tagen 45500 DM Kapital.");
        QTest::addRow("interest 0,15") << 0 << "0,15" << right << interestRight;
        QTest::addRow("interest 0,150") << 0 << "0,150" << right << interestRight;
        QTest::addRow("interest 0,16") << 0 << "0,16" << wrong << interestWrong;
        QTest::addRow("interest in Pfennig") << 0 << "15" << wrong << interestWrong;
        QTest::addRow("interest with point")
            << 0 << "0.15" << invalid << "In der ersten Zeile muss ein Kommazahl stehen!";
        QTest::addRow("interest empty")
            << 0 << "" << invalid << "In der ersten Zeile muss ein Kommazahl stehen!";
        QTest::addRow("rate 2,5") << 1 << "2,5" << right << rateRight;
        QTest::addRow("rate 2,50") << 1 << "2,50" << right << rateRight;
        QTest::addRow("rate 2,6") << 1 << "2,6" << wrong << rateWrong;
        QTest::addRow("rate in tenths") << 1 << "25" << wrong << rateWrong;
        QTest::addRow("rate with sign")
            << 1 << "2,5 %" << invalid
            << "In der dritten Zeile muss ein Zinssatz (eine Kommazahl) stehen!";
        QTest::addRow("capital 45500") << 2 << "45500" << right << capitalRight;
        QTest::addRow("capital 45500,00") << 2 << "45500,00" << right << capitalRight;
        QTest::addRow("capital 45000") << 2 << "45000" << wrong << capitalWrong;
        QTest::addRow("capital grouped")
            << 2 << "45.500" << invalid << "In der vierten Zeile muss ein Zahl stehen!";
        // Day and month list, "|" between them; an empty side selects nothing.
        const QString dateWrong("In der zweiten Zeile ist das Auszahlungsdatum der 15.9");
        QTest::addRow("15. 9.") << 3 << "15.|9." << right << "Das Auszahlungsdatum stimmt genau !";
        QTest::addRow("15. 8.") << 3 << "15.|8." << wrong << dateWrong;
        QTest::addRow("day only") << 3 << "15.|" << wrong << dateWrong;
        QTest::addRow("month only") << 3 << "|9." << wrong << dateWrong;
        QTest::addRow("nothing selected") << 3 << "|" << wrong << dateWrong;
    }
    void verdicts()
    {
        QFETCH(int, variant);
        QFETCH(QString, entry);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        const Variant v = static_cast<Variant>(variant);
        fmZins->ComboBox3->setCurrentIndex(variant);
        fmZins->NewTask();
        fmZins->setTask(fixedTask());
        QWidget* focus = fmZins->ComboBox2;
        if (v == Variant::PayoutDay) {
            fmZins->ComboBox1->setCurrentIndex(
                fmZins->ComboBox1->findText(entry.section('|', 0, 0)));
            fmZins->ComboBox2->setCurrentIndex(fmZins->ComboBox2->findText(entry.section('|', 1)));
        } else {
            auto* field = static_cast<QLineEdit*>(focus = edit(v));
            field->clear();
            QTest::keyClicks(field, entry);
        }
        QVERIFY(focus->isVisible());
        QTest::keyClick(focus, Qt::Key_F9);
        expectVerdict(outcome == int(zins::Outcome::Right), message);
        if (v != Variant::PayoutDay)
            QCOMPARE(edit(v)->text(),
                     outcome == int(zins::Outcome::Invalid) ? zins::InitialAnswer(v) : entry);
    }

    void variantSwitch_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("row");
        QTest::addRow("interest") << 0 << "Edit1" << 1;
        QTest::addRow("rate") << 1 << "Edit3" << 3;
        QTest::addRow("capital") << 2 << "Edit4" << 4;
        QTest::addRow("payout day") << 3 << "ComboBox1 ComboBox2" << 2;
    }
    void variantSwitch()
    {
        QFETCH(int, variant);
        QFETCH(QString, shown);
        QFETCH(int, row);
        fmZins->ComboBox3->setCurrentIndex(variant == 0 ? 1 : variant - 1);
        fmZins->Edit1->setText(QStringLiteral("7"));
        fmZins->sbCheckIt->setEnabled(false);
        Random().setSeed(99);
        TRandom copy(99);
        fmZins->ComboBox3->setFocus();
        // One step in the list with the keyboard, as a pupil might.
        QTest::keyClick(fmZins->ComboBox3, variant == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(fmZins->ComboBox3->currentIndex(), variant);
        const zins::Task expected = zins::MakeTask(copy);
        QCOMPARE(fmZins->task()[3].capital, expected[3].capital);
        QCOMPARE(fmZins->task()[3].interest, expected[3].interest);
        QCOMPARE(fmZins->StringGrid1->item(4, 1)->text(), zins::RateText(expected[3].rate));
        QCOMPARE(fmZins->Edit1->text(), QStringLiteral("0,00"));
        QVERIFY(fmZins->sbCheckIt->isEnabled());
        QStringList visible;
        for (const char* name : {"Edit1", "Edit3", "Edit4", "ComboBox1", "ComboBox2"})
            if (fmZins->findChild<QWidget*>(name)->isVisible())
                visible << name;
        QCOMPARE(visible.join(' '), shown);
        QCOMPARE(fmZins->StringGrid1->currentRow(), row);
        QCOMPARE(fmZins->StringGrid1->currentColumn(), 0);
        QCOMPARE(Form2->pbCount->value(), 0);
    }
};

TRAINER_TEST_MAIN(TestZins)
#include "test_zins.moc"
