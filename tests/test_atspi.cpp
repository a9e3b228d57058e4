// The windows as a screen reader reads them: through the accessibility bus,
// walked by atspi_walk.py while the windows keep answering; on Xvfb with a
// private D-Bus session and the bridge on (see tests/CMakeLists.txt).
#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Boerse.h"
#include "exercises/Diagramm.h"
#include "exercises/Flaechen.h"
#include "exercises/Schaetzen.h"
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

Numbers Sides(const QRect& r)
{
    return {r.width() / 10, r.height() / 10};
}

// Per window and drawing: the numbers its description tells, in order.
struct TToldRow {
    const char* window;
    const char* drawing;
    std::function<Numbers()> numbers;
};
const std::vector<TToldRow> Told{
    // Each sector's angle, a share of 360 degrees.
    {"fmSchaetzen", "Drei Kreise",
     [] {
         Numbers angles;
         for (int i = 0; i < 3; ++i) {
             const int share = schaetzen::Shares[size_t(fmSchaetzen->task()[size_t(i)])];
             angles << i + 1 << int(std::lround(share * 3.6)) << 360;
         }
         return angles;
     }},
    {"fmDiagramm", "Anteile am Erbe",
     [] {
         const auto s = fmDiagramm->task().shares;
         return Numbers{5 * s[0], 5 * s[1], 5 * s[2]};
     }},
    {"fmFlaechen", "Blaues Rechteck",
     [] {
         return Sides(fmFlaechen->task().blue);
     }},
    {"fmFlaechen", "Rotes Rechteck",
     [] {
         return Sides(fmFlaechen->task().red);
     }},
    {"fmSteigung", "Höhenprofil",
     [] {
         const steigung::Task t = fmSteigung->task();
         const int a = 2 * t.a, b = a + t.b, c = b + 3 * t.c;
         return Numbers{200, 0, a, 100, a, b, 300, b, c};
     }},
    // The drawing's parts, named "Würfe 1 bis 10: ...".
    {"fmWuerfeln", "Würfe ",
     [] {
         Numbers pips;
         for (int k = 0; k < 120; ++k) {
             if (k % 10 == 0)
                 pips << k + 1 << k + 10;
             pips << fmWuerfeln->task().faces[size_t(k)] + 1;
         }
         return pips;
     }},
    {"fmWachstum", "Drei Pflanzenpaare",
     [] {
         Numbers heights;
         for (int i = 0; i < 3; ++i) {
             const int before = std::array{120, 166, 94}[i];
             heights << before << wachstum::GrownHeight(before, 30, fmWachstum->steps()[i]);
         }
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

Numbers NumbersIn(const QString& text)
{
    Numbers found;
    static const QRegularExpression number(QStringLiteral("\\d+"));
    for (auto it = number.globalMatch(text); it.hasNext();)
        found << it.next().captured().toInt();
    return found;
}

QString Field(const QJsonObject& o, const char* key)
{
    return o[QLatin1String(key)].toString();
}

} // namespace

class TestAtspi : public ExerciseTest {
    Q_OBJECT

    // Runs the walker; with `verdict`, presses F9 and reads the box, which is
    // closed once the walker is done.
    QList<QJsonObject> walk(bool verdict)
    {
        QStringList args{QStringLiteral(ATSPI_WALK),
                         QString::number(QCoreApplication::applicationPid())};
        if (verdict)
            args << QStringLiteral("--dialog");
        QProcess walker;
        walker.start(QStringLiteral("/usr/bin/python3"), args);
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&walker] {
            if (walker.state() == QProcess::NotRunning && QApplication::activeModalWidget())
                QApplication::activeModalWidget()->close();
        });
        closer.start(50);
        if (verdict)
            m_window->FormKeyDown(Qt::Key_F9, Qt::NoModifier);
        while (walker.state() != QProcess::NotRunning)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (walker.exitCode() != 0)
            qWarning() << walker.readAllStandardError();
        QList<QJsonObject> objects;
        for (const QByteArray& line : walker.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                objects << QJsonDocument::fromJson(line).object();
        return objects;
    }

    void checkWindow()
    {
        // Screen readers get the window's name as its tab says it.
        const QString title = Form2->TabControl1->tabText(Form2->TabControl1->currentIndex());
        const QStringList keyed{m_window->sbTip->text(), m_window->sbNew->text(),
                                m_window->sbCheckIt->text()};
        QStringList picked;
        for (QComboBox* box : m_window->findChildren<QComboBox*>())
            picked << box->currentText();
        int frames = 0, told = 0;
        QHash<QByteArray, Numbers> described;
        for (const QJsonObject& o : walk(false)) {
            const QString role = Field(o, "role"), name = Field(o, "name");
            const QString where = Field(o, "window") + QLatin1Char(' ') + role;
            frames += role == QLatin1String("frame") && name == title;
            if (role == QLatin1String("page tab"))
                QCOMPARE(o[QLatin1String("selected")].toBool(),
                         name == Form2->TabControl1->tabText(Form2->TabControl1->currentIndex()));
            if (QStringList{"text", "combo box", "progress bar", "image", "chart"}.contains(role))
                QVERIFY2(!name.isEmpty(), qPrintable(where));
            if (Field(o, "window") != title)
                continue;
            if (role == QLatin1String("combo box"))
                QVERIFY2(!picked.contains(name), qPrintable(name + QLatin1String(" is the pick")));
            if (keyed.contains(name))
                QVERIFY2(!o[QLatin1String("keys")].toArray().isEmpty(), qPrintable(name));
            told += Field(o, "description").startsWith(m_window->laTaskText->text());
            // A row named with a trailing blank collects the numbers of the
            // parts named so; any other row a drawing's description.
            for (const TToldRow& row : Told) {
                const QString drawing = QString::fromUtf8(row.drawing);
                if (m_window->objectName() != QLatin1String(row.window))
                    continue;
                if (drawing.endsWith(QLatin1Char(' ')) && name.startsWith(drawing))
                    described[row.drawing] << NumbersIn(name);
                else if (name == drawing)
                    described[row.drawing] << NumbersIn(Field(o, "description"));
            }
        }
        QCOMPARE(frames, 1);
        // The first control tells the task on arrival.
        QCOMPARE(told, 1);
        for (const TToldRow& row : Told) {
            if (m_window->objectName() == QLatin1String(row.window))
                QCOMPARE(described.value(row.drawing), row.numbers());
        }
    }

private slots:
    void initTestCase()
    {
        createProgram();
        SetMessageHook(nullptr); // real boxes, for the walker to read
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
        // A list keeps its name when an item is picked.
        for (QComboBox* box : m_window->findChildren<QComboBox*>())
            box->setCurrentIndex(0);
        checkWindow();
        QTRY_VERIFY_WITH_TIMEOUT(m_window->sbCheckIt->isEnabled(), 10000);
        const int successes = Shared->Successes();
        const QList<QJsonObject> box = walk(true);
        QVERIFY2(box.size() > 1, "no verdict box read");
        QVERIFY(std::any_of(box.begin(), box.end(), [](const QJsonObject& o) {
            return Field(o, "role") == QLatin1String("label") && !Field(o, "name").isEmpty();
        }));
        // The verdict, then the bars' counts as recorded.
        QCOMPARE(Field(box[0], "description"),
                 QStringLiteral("%1 Versuche: %2 von %3, richtig: %4.")
                     .arg(Shared->Successes() > successes ? QStringLiteral("Richtig!")
                                                          : QStringLiteral("Leider falsch."))
                     .arg(Shared->Attempts())
                     .arg(Shared->SeriesLength())
                     .arg(Shared->Successes()));
        // A new task: the drawings tell its numbers.
        m_window->FormKeyDown(Qt::Key_F2, Qt::NoModifier);
        checkWindow();
    }
};

TRAINER_TEST_MAIN(TestAtspi)
#include "test_atspi.moc"
