// The windows as a screen reader reads them: through the accessibility bus,
// walked by atspi_walk.py while the windows keep answering; on Xvfb with a
// private D-Bus session and the bridge on (see tests/CMakeLists.txt).
#include "ExerciseTest.h"
#include "TestAccessible.h"
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
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>

namespace {

using Numbers = QList<int>;

Numbers Sides(const QRect& r)
{
    return {r.width() / 10, r.height() / 10};
}

// Per window, by tab text, and drawing: the numbers its description tells, in order.
struct TToldRow {
    const char* tab;
    const char* drawing;
    std::function<Numbers()> numbers;
};
const std::vector<TToldRow> Told{
    // Each sector's angle, a share of 360 degrees.
    {"Schätzen", "Drei Kreise",
     [] {
         Numbers angles;
         for (int i = 0; i < 3; ++i) {
             const int share = schaetzen::Shares[size_t(fmSchaetzen->task()[size_t(i)])];
             angles << i + 1 << int(std::lround(share * 3.6)) << 360;
         }
         return angles;
     }},
    {"Diagramm", "Anteile am Erbe",
     [] {
         const auto s = fmDiagramm->task().shares;
         return Numbers{5 * s[0], 5 * s[1], 5 * s[2]};
     }},
    {"Flächen", "Blaues Rechteck",
     [] {
         return Sides(fmFlaechen->task().blue);
     }},
    {"Flächen", "Rotes Rechteck",
     [] {
         return Sides(fmFlaechen->task().red);
     }},
    {"Steigung", "Höhenprofil",
     [] {
         const steigung::Task t = fmSteigung->task();
         const int a = 2 * t.a, b = a + t.b, c = b + 3 * t.c;
         return Numbers{200, 0, a, 100, a, b, 300, b, c};
     }},
    // The drawing's parts, named "Würfe 1 bis 10: ...".
    {"Würfeln", "Würfe ",
     [] {
         Numbers pips;
         for (int k = 0; k < 120; ++k) {
             if (k % 10 == 0)
                 pips << k + 1 << k + 10;
             pips << fmWuerfeln->task().faces[size_t(k)] + 1;
         }
         return pips;
     }},
    {"Wachstum", "Drei Pflanzenpaare",
     [] {
         Numbers heights;
         for (int i = 0; i < 3; ++i) {
             const int before = std::array{120, 166, 94}[i];
             heights << before << wachstum::GrownHeight(before, 30, fmWachstum->task()[i]);
         }
         return heights;
     }},
    {"Börse", "Kursverlauf",
     [] {
         Numbers prices;
         const boerse::Task t = fmBoerse->task();
         for (int i = 0; i < 3; ++i)
             prices << t.start[i] << boerse::EndValue(t.start[i], t.change(i));
         return prices;
     }},
};

// The windows whose drawings tell no numbers.
const QStringList Untold{"Rabatt", "Zinsrechnung", "Geldanlage", "Pauken"};

bool HasToldRow(const QString& tab)
{
    return std::any_of(Told.begin(), Told.end(),
                       [&tab](const TToldRow& row) { return tab == QString::fromUtf8(row.tab); });
}

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

    // `arriving`: the first control tells the task, as on arrival.
    void checkWindow(bool arriving)
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
                if (title != QString::fromUtf8(row.tab))
                    continue;
                if (drawing.endsWith(QLatin1Char(' ')) && name.startsWith(drawing))
                    described[row.drawing] << NumbersIn(name);
                else if (name == drawing)
                    described[row.drawing] << NumbersIn(Field(o, "description"));
            }
        }
        QCOMPARE(frames, 1);
        QCOMPARE(told, arriving ? 1 : 0);
        for (const TToldRow& row : Told) {
            if (title == QString::fromUtf8(row.tab))
                QCOMPARE(described.value(row.drawing), row.numbers());
        }
    }

private slots:
    // Attributes in one run over the whole text, or screen readers drop its end.
    void lineEditReadsWhole_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"0,00", "50", "0", ""})
            QTest::newRow(text) << text;
    }
    void lineEditReadsWhole()
    {
        QFETCH(QString, text);
        QLineEdit edit(text);
        QAccessibleTextInterface* read =
            QAccessible::queryAccessibleInterface(&edit)->textInterface();
        QVERIFY(read);
        QCOMPARE(read->text(0, read->characterCount()), text);
        for (int offset : {0, int(text.size()) - 1}) {
            int start = -1, end = -1;
            read->attributes(std::max(offset, 0), &start, &end);
            QCOMPARE(std::make_pair(start, end), std::make_pair(0, int(text.size())));
        }
    }

    // A pick list keeps its name; its text is the pick, all selected, and a pick
    // with the keyboard is told as that text inserted.
    void pickListTellsThePick()
    {
        QWidget window;
        auto* box = new QComboBox(&window);
        box->addItems({QStringLiteral("10"), QStringLiteral("250")});
        box->setAccessibleName(QStringLiteral("Kreis 1"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        TRecording recording;
        QTest::keyClick(box, Qt::Key_Down);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Kreis 1"));
        QAccessibleTextInterface* text = list->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("250"));
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(std::make_pair(start, end), std::make_pair(0, 3));
        QVERIFY(list->state().expandable && !list->state().expanded);
        box->showPopup();
        QVERIFY(list->state().expanded);
        box->hidePopup();
        QVERIFY(!list->state().expanded);
        const auto inserted = TRecording::of(QAccessible::TextInserted, box);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted[0].inserted, QStringLiteral("250"));
        QVERIFY(inserted[0].heard);
    }

    // What screen readers mishandle or only hear again is not passed on.
    void screenReadersHear_data()
    {
        using Change = std::function<void(QLineEdit&, QLineEdit&, QProgressBar&, QListWidget&)>;
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("source"); // 0 focused field, 1 other field, 2 bar, 3 list
        QTest::addColumn<bool>("heard");
        const auto row = [](const char* name, Change change, QAccessible::Event type, int source,
                            bool heard) {
            QTest::newRow(name) << change << int(type) << source << heard;
        };
        row(
            "description of the focused field",
            [](auto& a, auto&, auto&, auto&) { a.setAccessibleDescription(QStringLiteral("x")); },
            QAccessible::DescriptionChanged, 0, false);
        row(
            "description of another field",
            [](auto&, auto& b, auto&, auto&) { b.setAccessibleDescription(QStringLiteral("x")); },
            QAccessible::DescriptionChanged, 1, true);
        row(
            "selection in the focused field", [](auto& a, auto&, auto&, auto&) { a.selectAll(); },
            QAccessible::TextSelectionChanged, 0, true);
        row(
            "selection in another field", [](auto&, auto& b, auto&, auto&) { b.selectAll(); },
            QAccessible::TextSelectionChanged, 1, false);
        row(
            "selection made quietly",
            [](auto& a, auto&, auto&, auto&) { Quietly([&a] { a.selectAll(); }); },
            QAccessible::TextSelectionChanged, 0, false);
        row(
            "text replaced by itself", [](auto& a, auto&, auto&, auto&) { a.setText(a.text()); },
            QAccessible::TextUpdated, 0, false);
        row(
            "text replaced", [](auto& a, auto&, auto&, auto&) { a.setText(QStringLiteral("7")); },
            QAccessible::TextUpdated, 0, true);
        row(
            "text replaced quietly",
            [](auto& a, auto&, auto&, auto&) { Quietly([&a] { a.setText(QStringLiteral("7")); }); },
            QAccessible::TextUpdated, 0, false);
        row(
            "progress step", [](auto&, auto&, auto& bar, auto&) { bar.setValue(3); },
            QAccessible::ValueChanged, 2, false);
        row(
            "current item of a list without the focus",
            [](auto&, auto&, auto&, auto& list) { list.setCurrentRow(1); }, QAccessible::Focus, 3,
            false);
    }
    void screenReadersHear()
    {
        using Change = std::function<void(QLineEdit&, QLineEdit&, QProgressBar&, QListWidget&)>;
        QFETCH(Change, change);
        QFETCH(int, type);
        QFETCH(int, source);
        QFETCH(bool, heard);
        QWidget window;
        auto* a = new QLineEdit(QStringLiteral("0"), &window);
        auto* b = new QLineEdit(QStringLiteral("12"), &window);
        auto* bar = new QProgressBar(&window);
        auto* list = new QListWidget(&window);
        list->addItems({QStringLiteral("1"), QStringLiteral("2")});
        list->setFocusPolicy(Qt::NoFocus);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TRecording recording;
        a->setFocus();
        a->deselect();
        change(*a, *b, *bar, *list);
        const QObject* sources[] = {a, b, bar, list};
        const auto told = TRecording::of(QAccessible::Event(type), sources[source]);
        QVERIFY(!told.isEmpty());
        for (const TToldEvent& t : told)
            QCOMPARE(t.heard, heard);
    }

    void announcementIsANotification()
    {
        QWidget window;
        TRecording recording;
        Announce(&window, QStringLiteral("Neue Aufgabe"), QStringLiteral("12 von 48"));
        const auto shown = TRecording::of(QAccessible::ObjectShow);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].role, QAccessible::Notification);
        QCOMPARE(shown[0].name, QStringLiteral("Neue Aufgabe"));
        QCOMPARE(shown[0].description, QStringLiteral("12 von 48"));
        QVERIFY(shown[0].heard);
    }

    void initTestCase()
    {
        createProgram();
        SetMessageHook(nullptr); // real boxes, for the walker to read
        Form2->show();
        // The session tells that a screen reader runs: events are sent.
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
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
        // Rows in Told, or none on purpose.
        const QString title = ExerciseTabText(tab);
        QVERIFY2(Untold.contains(title) != HasToldRow(title), qPrintable(title));
        // A list keeps its name when an item is picked.
        for (QComboBox* box : m_window->findChildren<QComboBox*>())
            box->setCurrentIndex(0);
        checkWindow(true);
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
        // A new task: told as a notification, the focused control left as it
        // is; the drawings tell its numbers.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        {
            TRecording recording;
            m_window->FormKeyDown(Qt::Key_F2, Qt::NoModifier);
            QTRY_COMPARE(TRecording::of(QAccessible::ObjectShow).size(), 1);
            QCOMPARE(TRecording::of(QAccessible::ObjectShow)[0].description, m_window->TaskTold());
            QVERIFY(m_window->TaskTold().startsWith(m_window->laTaskText->text()));
            for (const TToldEvent& t : ToldEvents())
                QVERIFY(!t.heard || t.source != QApplication::focusWidget() ||
                        (t.type != QAccessible::DescriptionChanged &&
                         t.type != QAccessible::TextSelectionChanged));
        }
        checkWindow(false);
    }
};

TRAINER_TEST_MAIN(TestAtspi)
#include "test_atspi.moc"
