#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Boerse.h"
#include "exercises/Diagramm.h"
#include "exercises/Flaechen.h"
#include "exercises/Geldanlage.h"
#include "exercises/Pauken.h"
#include "exercises/Rabatt.h"
#include "exercises/Schaetzen.h"
#include "exercises/Steigung.h"
#include "exercises/Wachstum.h"
#include "exercises/Wuerfeln.h"
#include "exercises/Zins.h"

#include <QAbstractButton>
#include <QAbstractItemView>

using TaskSetter = std::function<void()>;
Q_DECLARE_METATYPE(TaskSetter)

namespace {

// "from", "from + step", ... "to", each followed by the suffix.
QString numbers(int from, int to, int step = 1, const QString& suffix = {})
{
    QStringList items;
    for (int n = from; n <= to; n += step)
        items << QString::number(n) + suffix;
    return items.join(QLatin1Char(' '));
}

QString where(const QWidget* w)
{
    return w->window()->objectName() + QLatin1Char('/') + w->objectName();
}

bool isInput(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const TUpDown*>(w) || qobject_cast<const QAbstractButton*>(w);
}

// The shown labels and input controls of a window, spin buttons as one control.
QList<QWidget*> controls(TfmVorlage* window)
{
    QList<QWidget*> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool inSpin = qobject_cast<TUpDown*>(w->parentWidget());
        if (w->isVisibleTo(window) && !inSpin && (qobject_cast<QLabel*>(w) || isInput(w)))
            found << w;
    }
    return found;
}

QRect inWindow(const QWidget* w)
{
    return QRect(w->parentWidget()->mapTo(w->window(), w->pos()), w->size());
}

// What every window built on the template shows: a fixed client area of at
// least 792 x 445 with the bottom panel across its foot, the task line and the
// three buttons in the panel, every label and control inside, none on another
// control, every text whole.
void checkLayout(TfmVorlage* w)
{
    QVERIFY2(w->width() >= 792 && w->height() >= 445, qPrintable(where(w)));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(w->Panel6->geometry(), QRect(0, w->height() - 39, w->width(), 39));
    const QList<TSpeedButton*> buttons{w->sbTip, w->sbNew, w->sbCheckIt};
    const QStringList texts{"Tip  F1", "Neu  F2", "Bewerten  F9"};
    QCOMPARE(w->laTaskText->parentWidget(), w->Panel6);
    QVERIFY2(w->laTaskText->geometry().right() < w->sbTip->x(), qPrintable(where(w)));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(buttons[i]->text(), texts[i]);
        QCOMPARE(buttons[i]->parentWidget(), w->Panel6);
        QVERIFY(w->Panel6->rect().contains(buttons[i]->geometry()));
        if (i > 0)
            QVERIFY(buttons[i - 1]->geometry().right() < buttons[i]->x());
    }
    const QList<QWidget*> shown = controls(w);
    for (QWidget* c : shown) {
        const QRect r = inWindow(c);
        QVERIFY2(w->rect().contains(r), qPrintable(where(c)));
        // Above the panel or in it, never across its edge.
        QVERIFY2(r.bottom() < w->Panel6->y() || r.top() >= w->Panel6->y(), qPrintable(where(c)));
        if (auto* label = qobject_cast<QLabel*>(c)) {
            // Each line fits, give or take the last glyph's bearing: a few lines
            // run one or two pixels over.
            const QFontMetrics fm = label->fontMetrics();
            const QStringList lines = label->text().split(QLatin1Char('\n'));
            for (const QString& line : lines)
                QVERIFY2(fm.horizontalAdvance(line) <= label->width() + 2,
                         qPrintable(where(c) + QLatin1Char(' ') + line));
            QVERIFY2(lines.size() * fm.lineSpacing() <= label->height() + 4, qPrintable(where(c)));
        }
        // A control lies on no other control, a label on no control.
        for (QWidget* other : shown)
            if (other != c && isInput(other) && !c->isAncestorOf(other))
                QVERIFY2(!r.intersects(inWindow(other)),
                         qPrintable(where(c) + QStringLiteral(" on ") + other->objectName()));
    }
}

} // namespace

class TestLayout : public ExerciseTest {
    Q_OBJECT
private:
    // Shows the window of the exercise whose tab text begins the row's tag.
    static TfmVorlage* rowWindow()
    {
        const QString tag = QString::fromUtf8(QTest::currentDataTag()).section(' ', 0, 0);
        for (const TExercise& e : Exercises())
            if (tag == QString::fromUtf8(e.tabText)) {
                Form2->TabControl1->setCurrentIndex(e.tab);
                return e.window();
            }
        return nullptr;
    }

private slots:
    void initTestCase() { openProgram(0); }
    void cleanupTestCase() { closeProgram(); }

    // Row by row in the order of the tabs.
    void windows_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("taskLine");
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<QStringList>("labels"); // "name=text"
        QTest::addColumn<QString>("tabOrder");   // from the first control
        // Pictures over the whole area above the panel, or along its left edge (":left").
        QTest::addColumn<QString>("fills");
        QTest::addColumn<QColor>("background"); // invalid: drawn anew with each task
        int tab = 0;
        QStringList tags;
        const auto row = [&tab, &tags](const char* tabText, const char* title, const char* taskLine,
                                       const QStringList& tips, const QStringList& labels,
                                       const char* tabOrder, const char* fills,
                                       const QColor& background) {
            tags << tabText;
            QTest::addRow("%s", tabText)
                << tab++ << QString(title) << QString(taskLine) << tips << labels
                << QString(tabOrder) << QString(fills) << background;
        };
        const char* const lists = "ComboBox1 ComboBox2 ComboBox3";
        const QColor plain = QApplication::palette().color(QPalette::Window);
        const QString percent = QStringLiteral("Prozentwert = Prozentsatz · Grundwert");
        const QString shift = QStringLiteral("Zur Umrechnung von Prozentsatz in Prozentzahl muss "
                                             "das Komma um 2 Stellen verschoben werden");
        const QString easy = QStringLiteral("Nimms locker, jeder lernt es irgendwann! ");
        const QString times100 =
            QStringLiteral("Um den Anteil in Prozent umzurechnen musst Du mit 100 multiplizieren.");
        const QString fraction = QStringLiteral("Prozentsatz = Prozentwert / Grundwert");
        row("Schätzen", "Schaetzen", "Schätze jeweils den Prozentsatz der von Farbe bedeckt wird !",
            {"Welcher Anteil des jeweiligen Kreises ist farbig ?",
             "1/2 ist 50%  1/3 = 33%  1/4 = 25% ", "3 Stunden auf der Uhr entsprechen 25% ", easy},
            {}, lists, "PaintBox1", plain);
        row("Rabatt", "Rabatt", "Berechne den aktuellen Preis des Computers in € !",
            {percent, "Die aktuelle Preis ist der Grundwert", shift,
             "Wenn der Preis geändert wurde, so ergibt sich auch ein neuer Grundwert."},
            {"Label1=Preis (auf DM gerundet)"}, "Edit1", "Image1:left", plain);
        row("Diagramm", "Diagramm",
            "Wieviel Geld (auf DM gerundet) erhalten die einzelnen Kinder ?",
            {percent, "Die gesamte Erbschaft ist der Grundwert", shift,
             "Prozentwerte lassen sich auch mit dem Dreisatz berechnen.\n\rDabei enstspricht der "
             "Grundwert 100%"},
            {"Label2=Jan :", "Label3=Tina :", "Label4=Jörg :", "Label5=Jan", "Label6=Tina",
             "Label7=Jörg"},
            "Edit1 Edit2 Edit3", "", QColor(0x80, 0xFF, 0xFF));
        row("Flächen", "Flächen",
            "Zu wieviel Prozent ist das blaue Rechteck vom roten überbedeckt ?",
            {"Rechtecksflächen berechnen sich zu Länge · Breite ! ", fraction,
             "Du musst also nur die Fläche des roten Rechtecks durch die des weissen teilen.",
             times100},
            {"Label5=Prozentsatz (gerundet) :"}, "ComboBox1", "", QColor(0xCD, 0xCF, 0xC2));
        row("Steigung", "Steigung", "Berechne die Steigung in % für die Bereiche A, B und C !",
            {"Steigung berechnet sich zu Höhenunterschied / Längenunterschied",
             "50m auf 200m sind z.B. 1/4 = 25%",
             "Um die Prozentzahl zu erhalten, musst du den Bruch mit 100 erweitern",
             "Wie Du hier siehst, geht es bergauf!"},
            {}, lists, "", QColor(0xCF, 0xD7, 0xDA));
        row("Würfeln", "Würfeln", "In wieviel Prozent der Fälle ist eine 6 gefallen?",
            {"Der Prozentwert ist die Zahl der aufgetretenen 6er", fraction,
             "Der Grundwert ist die Zahl aller Würfe.", times100},
            {}, "Edit1", "PaintBox1", QColor(0x80, 0, 0));
        row("Zinsrechnung", "Zinsrechnung", "Berechne jeweils den Inhalt der Felder",
            {"Jahreszins = Zinssatz·Kapital",
             "Zins für eine bestimmte Tageszahl ist Tageszahl/360·Jahreszins",
             "Berechne möglichst zuerst den Jahreszins.",
             "Denke auch daran, den Dreisatz zu verwnden."},
            {"Label1=Hier wurde innerhalb eines Jahres gespart :",
             "Label2=Ich will folgendes üben :"},
            "Edit1 ComboBox3", "", QColor(Qt::red));
        row("Wachstum", "Wachstum", "Schätze jeweils das prozentuale Wachstum", {}, {}, lists,
            "Diagram1", plain);
        row("Geldanlage", "Geldanlage", "Berechne jeweils den Zins insgesamt.",
            {"Wenn jedes Jahr abgehoben wird, dann kommt jedes Jahr der gleiche Zins dazu.",
             "Wenn nicht abgehoben wird, dann musst du für jedes Jahr das Kapital neu ausrechnen.",
             "Wenn nicht abgehoben wird, dann gilt in jedem Jahr: neues Kapital = altes Kapital "
             "+ Zins"},
            {"Label1=Zins, wenn er jedes Jahr die Zinsen abhebt",
             "Label2=Zins, wenn er den Jahreszins stehenlässt"},
            "Edit1 Edit2", "Image1:left", QColor(0x80, 0x80, 0xC0));
        row("Pauken", "Pauken", "Berechne  !",
            {percent, fraction, "Grundwert   = Prozentwert / Prozentsatz",
             "Prozentzahl = Prozentsatz · 100"},
            {"Label1=Antwort: "}, "Edit1", "", QColor());
        row("Börse", "Börse", "Bestimme jeweils um wieviel Prozent der Kurs zugenommen hat!",
            {"Links steht der Startwert, rechts der Endwert.",
             "Wären Startwert und Endwert gleich so wäre die Zunahme 0%",
             "Bei doppeltem Endwert ist die Zunahme 100%", easy},
            {"Label1=Mathe AG", "Label2=Global Percentage", "Label3=Schüler & Partner"}, lists,
            "XShape1 PaintBox1", plain);
        QCOMPARE(tags, TabTexts());
    }
    void windows()
    {
        QFETCH(int, tab);
        QFETCH(QString, title);
        QFETCH(QString, taskLine);
        QFETCH(QStringList, tips);
        QFETCH(QStringList, labels);
        QFETCH(QString, tabOrder);
        QFETCH(QString, fills);
        QFETCH(QColor, background);
        TfmVorlage* w = rowWindow();
        QVERIFY(w);
        QCOMPARE(Form2->CurrentExercise, w);
        QVERIFY(w->isVisible());
        QCOMPARE(Form2->TabControl1->currentIndex(), tab);
        QCOMPARE(Form2->TabControl1->tabText(tab), QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(w->laTaskText->text(), taskLine);
        QCOMPARE(w->Tips, tips);
        for (const QString& label : labels) {
            const QLabel* shown = w->findChild<QLabel*>(label.section('=', 0, 0));
            QVERIFY(shown && shown->isVisibleTo(w));
            QCOMPARE(shown->text(), label.section('=', 1));
        }
        if (background.isValid())
            QCOMPARE(w->palette().color(QPalette::Window), background);
        const QRect area(0, 0, w->width(), w->Panel6->y());
        for (const QString& fill : fills.isEmpty() ? QStringList() : fills.split(' ')) {
            const QRect r = w->findChild<QWidget*>(fill.section(':', 0, 0))->geometry();
            if (!fill.endsWith(QLatin1String(":left"))) {
                QCOMPARE(r, area);
                continue;
            }
            QCOMPARE(QRect(r.topLeft(), QSize(1, r.height())), QRect(0, 0, 1, area.height()));
            for (QWidget* c : controls(w))
                QVERIFY2(!inWindow(c).intersects(r), qPrintable(where(c)));
        }
        checkLayout(w);
        // Tab walks the controls in order and comes back to the first.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->FocusFirstControl();
        QStringList order;
        for (QWidget* f = QApplication::focusWidget(); f && order.size() < 12;
             f = QApplication::focusWidget()) {
            order << f->objectName();
            QTest::keyClick(f, Qt::Key_Tab);
            if (QApplication::focusWidget() == w->findChild<QWidget*>(order.first()))
                break;
        }
        QCOMPARE(order.join(' '), tabOrder);
    }

    void templateWindow()
    {
        TfmVorlage w;
        w.FormCreate();
        QCOMPARE(w.windowTitle(), QStringLiteral("Vorfahr"));
        checkLayout(&w);
    }

    void pickLists_data()
    {
        QTest::addColumn<QString>("lists");
        QTest::addColumn<QString>("items");
        QTest::addColumn<int>("rowHeight"); // 0: the style's
        QStringList tags;
        const auto row = [&tags](const char* tag, const char* lists, const QString& items,
                                 int height) {
            tags << tag;
            QTest::addRow("%s", tag) << QString(lists) << items << height;
        };
        const char* const lists = "ComboBox1 ComboBox2 ComboBox3";
        row("Schätzen", lists, "0 10 20 25 33 40 50 67 75 80 90 100", 16);
        row("Flächen", "ComboBox1", numbers(0, 100), 16);
        row("Steigung", lists, numbers(0, 30), 16);
        row("Wachstum", lists, numbers(0, 125, 25), 0);
        row("Börse", lists, "-88 -45 -25 -12 -8 -5 -4 -3 -2 -1 0 1 2 3 4 6 12 25 40 50 55", 0);
        row("Zinsrechnung days", "ComboBox1", numbers(1, 30, 1, "."), 0);
        row("Zinsrechnung months", "ComboBox2", numbers(1, 12, 1, "."), 0);
        checkRowsCover(tags, TabTexts<QComboBox>());
    }
    void pickLists()
    {
        QFETCH(QString, lists);
        QFETCH(QString, items);
        QFETCH(int, rowHeight);
        TfmVorlage* w = rowWindow();
        QVERIFY(w);
        for (const QString& name : lists.split(' ')) {
            auto* box = w->findChild<QComboBox*>(name);
            QStringList texts;
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            QCOMPARE(texts.join(' '), items);
            if (rowHeight)
                QCOMPARE(box->view()->sizeHintForRow(0), rowHeight);
        }
    }

    // Spin buttons step the number in their own field within their range; the
    // field's text wins over the last position.
    void spinButtons_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("after");
        QStringList tags;
        const auto row = [&tags](const char* tag, const char* edit, const char* before, int steps,
                                 const char* after) {
            tags << tag;
            QTest::addRow("%s", tag) << QString(edit) << QString(before) << steps << QString(after);
        };
        row("Rabatt up from 0", "Edit1", "0", 1, "1");
        row("Rabatt down at 0 stays", "Edit1", "0", -1, "0");
        row("Rabatt typed value wins", "Edit1", "998", 1, "999");
        row("Rabatt top of range", "Edit1", "5000", 1, "5000");
        row("Rabatt above range clamps", "Edit1", "7000", -1, "4999");
        row("Rabatt plain digits", "Edit1", "1999", 3, "2002");
        row("Diagramm Jan", "Edit1", "7999", 1, "8000");
        row("Diagramm Tina to 32000", "Edit2", "31999", 5, "32000");
        row("Diagramm Jörg down", "Edit3", "501", -1, "500");
        row("Geldanlage simple to 5000", "Edit1", "5000", 1, "5000");
        row("Geldanlage simple above range", "Edit1", "13200", -1, "4999");
        row("Geldanlage compound up from 0", "Edit2", "0", 1, "1");
        row("Geldanlage compound to 5000", "Edit2", "4999", 2, "5000");
        row("Würfeln sixes to 100", "Edit1", "99", 3, "100");
        checkRowsCover(tags, TabTexts<TUpDown>());
    }
    void spinButtons()
    {
        QFETCH(QString, edit);
        QFETCH(QString, before);
        QFETCH(int, steps);
        QFETCH(QString, after);
        TfmVorlage* w = rowWindow();
        QVERIFY(w);
        const QList<QLineEdit*> fields = w->findChildren<QLineEdit*>();
        for (QLineEdit* f : fields)
            f->setText(QStringLiteral("untouched"));
        auto* field = w->findChild<QLineEdit*>(edit);
        field->setText(before);
        field->setFocus();
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(field, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
        for (QLineEdit* f : fields)
            QCOMPARE(f->text(), f == field ? after : QStringLiteral("untouched"));
    }

    // Where each exercise keeps its task in TaskValues, which outside tools read;
    // the rest stays as it was.
    void taskValuesLayout_data()
    {
        QTest::addColumn<TaskSetter>("set");
        QTest::addColumn<QList<int>>("values"); // from index 0; -7: untouched
        QStringList tags;
        const auto row = [&tags](const char* tag, const TaskSetter& set, const QList<int>& values) {
            tags << tag;
            QTest::addRow("%s", tag) << set << values;
        };
        row("Rabatt", [] { fmRabatt->setTask({1500, 5, 30}); }, {1500, 5, 30, -7});
        row("Börse",
            [] {
                fmBoerse->setTask({{{16, 0, 20}}, {{150, 120, 99}}});
            },
            {16, 0, 20, 150, 120, 99, 12, -88, 55, -7});
        row("Diagramm", [] { fmDiagramm->setTask({{16, 3, 1}, 10000}); }, {16, 3, 1, 10000, -7});
        // The interest amounts in cents follow at evaluation.
        row("Geldanlage",
            [] {
                fmGeldanlage->setTask({1000, 5, 5});
                fmGeldanlage->CheckAnswer();
            },
            {1000, 5, 5, 25000, 27627, -7});
        row("Pauken", [] { fmPauken->setTask(pauken::PercentageValueTask(12, 4000)); },
            {0, 12, 4000, 480, -7});
        row("Schätzen", [] { fmSchaetzen->setTask({3, 7, 11}); }, {3, 7, 11, -7});
        row("Steigung", [] { fmSteigung->setTask({12, 5, 30}); }, {12, 5, 30, -7});
        row("Wachstum", [] { fmWachstum->setTask({1, 4, 0}); }, {-7, 1, 4, 0, -7});
        QList<int> dice{2};
        wuerfeln::Task throws;
        throws.sixes = 2;
        for (int k = 0; k < wuerfeln::Throws; ++k)
            dice << (throws.faces[static_cast<size_t>(k)] = (k * 7) % 6);
        row(
            "Würfeln", [throws] { fmWuerfeln->setTask(throws); }, dice << -7);
        row("Zinsrechnung",
            [] {
                fmZins->setTask({zins::Record{1000, 27, 179, 181, 15},
                                 {20000, 40, 10, 254, 55},
                                 {5000, 25, 0, 359, 1246},
                                 {45500, 45, 73, 254, 102944}});
            },
            {1000, 27, 179, 181,  15,    20000, 40, 10,  254,    55, 5000,
             25,   0,  359, 1246, 45500, 45,    73, 254, 102944, -7});
        // Each rectangle as left, top, width and height, the blue one first.
        row("Flächen",
            [] {
                fmFlaechen->setTask({{20, 20, 300, 200}, {40, 50, 100, 80}});
            },
            {20, 20, 300, 200, 40, 50, 100, 80, -7});
        checkRowsCover(tags, TabTexts());
    }
    void taskValuesLayout()
    {
        QFETCH(TaskSetter, set);
        QFETCH(QList<int>, values);
        TfmVorlage* w = rowWindow();
        QVERIFY(w);
        QCOMPARE(w->TaskValues.size(), size_t(449));
        w->TaskValues.fill(-7);
        set();
        QCOMPARE(QList<int>(w->TaskValues.begin(), w->TaskValues.begin() + values.size()), values);
    }
};

TRAINER_TEST_MAIN(TestLayout)
#include "test_layout.moc"
