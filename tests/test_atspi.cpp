// The program's windows as a screen reader reads them: through the desktop's
// accessibility bus (AT-SPI), walked by tests/atspi_walk.py while the windows
// keep answering. Needs an X display and a D-Bus session (tests/atspi_xvfb.sh).
#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Boerse.h"
#include "exercises/Diagramm.h"
#include "exercises/Flaechen.h"
#include "exercises/Steigung.h"
#include "exercises/Wachstum.h"
#include "exercises/Wuerfeln.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

namespace {

using Numbers = QList<int>;

// A drawing whose description must carry the task's numbers, in this order.
struct TDrawingRow {
    const char* window;
    const char* drawing;
    std::function<Numbers()> numbers;
};

const std::vector<TDrawingRow>& DrawingRows()
{
    static const std::vector<TDrawingRow> rows{
        // The shares are the task: only the circles' numbers are told.
        {"fmSchaetzen", "Drei Kreise",
         [] {
             return Numbers{1, 2, 3, 1, 2, 3};
         }},
        {"fmDiagramm", "Anteile am Erbe",
         [] {
             const auto s = fmDiagramm->task().shares;
             return Numbers{5 * s[0], 5 * s[1], 5 * s[2]};
         }},
        {"fmFlaechen", "Blaues Rechteck",
         [] {
             const QRect r = fmFlaechen->task().blue;
             return Numbers{r.width() / 10, r.height() / 10};
         }},
        {"fmFlaechen", "Rotes Rechteck",
         [] {
             const QRect r = fmFlaechen->task().red;
             return Numbers{r.width() / 10, r.height() / 10};
         }},
        {"fmSteigung", "Höhenprofil",
         [] {
             const steigung::Task t = fmSteigung->task();
             const int a = 2 * t.a, b = a + t.b, c = b + 3 * t.c;
             return Numbers{200, 0, a, 100, a, b, 300, b, c};
         }},
        {"fmWuerfeln", "120 Würfe",
         [] {
             Numbers pips;
             for (int32_t face : fmWuerfeln->task().faces)
                 pips << face + 1;
             return pips;
         }},
        {"fmWachstum", "Drei Pflanzenpaare",
         [] {
             Numbers heights;
             const wachstum::Steps s = fmWachstum->steps();
             const int before[] = {120, 166, 94};
             for (int i = 0; i < 3; ++i)
                 heights << before[i] << wachstum::GrownHeight(before[i], 30, s[i]);
             return heights;
         }},
        {"fmBoerse", "Kursverlauf",
         [] {
             Numbers prices;
             const boerse::Task t = fmBoerse->task();
             for (int i = 0; i < 3; ++i)
                 prices << t.start[i] << boerse::EndValue(t.start[i], t.change(i));
             return prices;
         }},
    };
    return rows;
}

Numbers NumbersIn(const QString& text)
{
    Numbers found;
    static const QRegularExpression number(QStringLiteral("\\d+"));
    for (auto it = number.globalMatch(text); it.hasNext();)
        found << it.next().captured().toInt();
    return found;
}

} // namespace

class TestAtspi : public ExerciseTest {
    Q_OBJECT

    // What atspi_walk.py reads of the program; runs it while the windows answer.
    QList<QJsonObject> walk(bool dialog = false)
    {
        QStringList args{QStringLiteral(ATSPI_WALK),
                         QString::number(QCoreApplication::applicationPid())};
        if (dialog)
            args << QStringLiteral("--dialog");
        QProcess walker;
        walker.start(QStringLiteral("/usr/bin/python3"), args);
        // A box shown meanwhile is closed once the walker is done with it.
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&walker] {
            if (walker.state() == QProcess::NotRunning) {
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
            }
        });
        closer.start(50);
        if (dialog)
            m_window->FormKeyDown(Qt::Key_F9, Qt::NoModifier);
        while (walker.state() != QProcess::NotRunning)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const QString err = QString::fromUtf8(walker.readAllStandardError());
        if (walker.exitCode() != 0)
            qWarning().noquote() << "walker:" << err;
        QList<QJsonObject> objects;
        for (const QByteArray& line : walker.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                objects << QJsonDocument::fromJson(line).object();
        return objects;
    }

    // Every field and list named, every drawing named, the drawings telling
    // the current task's numbers, the first control telling the task text.
    void checkWindow()
    {
        const QString title = m_window->windowTitle();
        const QList<QJsonObject> objects = walk();
        bool window = false, taskTold = false;
        for (const QJsonObject& o : objects) {
            const QString role = o[QLatin1String("role")].toString();
            const QString name = o[QLatin1String("name")].toString();
            const QString where = o[QLatin1String("window")].toString();
            if (role == QLatin1String("frame") && name == title)
                window = true;
            const bool field =
                role == QLatin1String("text") || role == QLatin1String("combo box") ||
                role == QLatin1String("spin button") || role == QLatin1String("progress bar");
            const bool drawing = role == QLatin1String("image") || role == QLatin1String("chart");
            if (field || drawing)
                QVERIFY2(!name.isEmpty(), qPrintable(where + QLatin1Char(' ') + role));
            if (role == QLatin1String("push button") && where == title &&
                (name == m_window->sbTip->text() || name == m_window->sbNew->text() ||
                 name == m_window->sbCheckIt->text()))
                QVERIFY2(!o[QLatin1String("keys")].toArray().isEmpty(), qPrintable(name));
            if (field && where == title &&
                o[QLatin1String("description")].toString().startsWith(m_window->laTaskText->text()))
                taskTold = true;
        }
        QVERIFY2(window, qPrintable(title + QLatin1String(" is no frame")));
        QVERIFY2(taskTold, qPrintable(title + QLatin1String(": no field tells the task")));
        for (const TDrawingRow& row : DrawingRows()) {
            if (m_window->objectName() != QLatin1String(row.window))
                continue;
            const QString drawing = QString::fromUtf8(row.drawing);
            auto it = std::find_if(objects.begin(), objects.end(), [&](const QJsonObject& o) {
                return o[QLatin1String("name")].toString() == drawing;
            });
            QVERIFY2(it != objects.end(), qPrintable(drawing));
            QCOMPARE(NumbersIn((*it)[QLatin1String("description")].toString()), row.numbers());
        }
    }

private slots:
    void initTestCase()
    {
        createProgram();
        // Real boxes: the walker reads them.
        SetMessageHook(nullptr);
        Form2->show();
    }

    void everyWindow_data()
    {
        QTest::addColumn<int>("tab");
        for (const TExercise& e : Exercises())
            QTest::newRow(e.tabText) << e.tab;
    }
    void everyWindow()
    {
        QFETCH(int, tab);
        Form2->TabControl1->setCurrentIndex(tab);
        m_window = Form2->CurrentExercise;
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        checkWindow();
        // The verdict box tells its text, and whether the answer was right.
        QTRY_VERIFY_WITH_TIMEOUT(m_window->sbCheckIt->isEnabled(), 10000);
        const QList<QJsonObject> box = walk(true);
        QVERIFY2(!box.isEmpty(), "no verdict box read");
        QVERIFY(std::any_of(box.begin(), box.end(), [](const QJsonObject& o) {
            return o[QLatin1String("role")].toString() == QLatin1String("label") &&
                   !o[QLatin1String("name")].toString().isEmpty();
        }));
        const QString verdict = box.front()[QLatin1String("description")].toString();
        QVERIFY2(verdict == QLatin1String("Leider falsch.") || verdict == QLatin1String("Richtig!"),
                 qPrintable(verdict));
        // A new task: the drawings tell its numbers.
        m_window->FormKeyDown(Qt::Key_F2, Qt::NoModifier);
        checkWindow();
    }
};

TRAINER_TEST_MAIN(TestAtspi)
#include "test_atspi.moc"
