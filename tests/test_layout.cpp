#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Boerse.h"
#include "exercises/Diagramm.h"
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
            // Each line fits, give or take the last glyph's bearing: the template's
            // task line and the first share's name run 2 pixels over.
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
    // Shows the window of a table row's exercise, found by its object name.
    TfmVorlage* showWindow(const QString& name)
    {
        for (const TExercise& e : Exercises())
            if (e.window()->objectName() == name) {
                Form2->TabControl1->setCurrentIndex(e.tab);
                return e.window();
            }
        return nullptr;
    }

private slots:
    void initTestCase() { openProgram(0); }
    void cleanupTestCase() { closeProgram(); }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("tabText");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("taskLine");
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<QStringList>("labels"); // "name=text"
        QTest::addColumn<QString>("tabOrder");   // from the first control
        QTest::addColumn<QString>("fills");      // children over the whole area above the panel
        QTest::addColumn<QColor>("background");  // invalid: drawn anew with each task
        const QString lists = QStringLiteral("ComboBox1 ComboBox2 ComboBox3");
        const QColor plain = QApplication::palette().color(QPalette::Window);
        const QString percent = QStringLiteral("Prozentwert = Prozentsatz · Grundwert");
        const QString shift = QStringLiteral(
            "Zur Umrechnung von Prozentsatz in Prozentzahl muss das Komma um 2 Stellen "
            "verschoben werden");
        const QString easy = QStringLiteral("Nimms locker, jeder lernt es irgendwann! ");
        const QString times100 =
            QStringLiteral("Um den Anteil in Prozent umzurechnen musst Du mit 100 multiplizieren.");
        const QString fraction = QStringLiteral("Prozentsatz = Prozentwert / Grundwert");
        QTest::addRow("Schätzen")
            << "fmSchaetzen"
            << "Schätzen"
            << "Schaetzen"
            << "Schätze jeweils den Prozentsatz der von Farbe bedeckt wird !"
            << QStringList{"Welcher Anteil des jeweiligen Kreises ist farbig ?",
                           "1/2 ist 50%  1/3 = 33%  1/4 = 25% ",
                           "3 Stunden auf der Uhr entsprechen 25% ", easy}
            << QStringList{} << lists << "PaintBox1" << plain;
        QTest::addRow("Rabatt")
            << "fmRabatt"
            << "Rabatt"
            << "Rabatt"
            << "Berechne den aktuellen Preis des Computers in € !"
            << QStringList{percent, "Die aktuelle Preis ist der Grundwert", shift,
                           "Wenn der Preis geändert wurde, so ergibt sich auch ein neuer "
                           "Grundwert."}
            << QStringList{"Label1=Preis (auf DM gerundet)"} << "Edit1"
            << "" << plain;
        QTest::addRow("Diagramm")
            << "fmDiagramm"
            << "Diagramm"
            << "Diagramm"
            << "Wieviel Geld (auf DM gerundet) erhalten die einzelnen Kinder ?"
            << QStringList{percent, "Die gesamte Erbschaft ist der Grundwert", shift,
                           "Prozentwerte lassen sich auch mit dem Dreisatz berechnen.\n\rDabei "
                           "enstspricht der Grundwert 100%"}
            << QStringList{"Label2=Jan :", "Label3=Tina :", "Label4=Jörg :",
                           "Label5=Jan",   "Label6=Tina",   "Label7=Jörg"}
            << "Edit1 Edit2 Edit3"
            << "" << QColor(0x80, 0xFF, 0xFF);
        QTest::addRow("Flächen")
            << "fmFlaechen"
            << "Flächen"
            << "Flächen"
            << "Zu wieviel Prozent ist das blaue Rechteck vom roten überbedeckt ?"
            << QStringList{"Rechtecksflächen berechnen sich zu Länge · Breite ! ", fraction,
                           "Du musst also nur die Fläche des roten Rechtecks durch die des "
                           "weissen teilen.",
                           times100}
            << QStringList{"Label5=Prozentsatz (gerundet) :"} << "ComboBox1"
            << "" << QColor(0xCD, 0xCF, 0xC2);
        QTest::addRow("Steigung")
            << "fmSteigung"
            << "Steigung"
            << "Steigung"
            << "Berechne die Steigung in % für die Bereiche A, B und C !"
            << QStringList{"Steigung berechnet sich zu Höhenunterschied / Längenunterschied",
                           "50m auf 200m sind z.B. 1/4 = 25%",
                           "Um die Prozentzahl zu erhalten, musst du den Bruch mit 100 erweitern",
                           "Wie Du hier siehst, geht es bergauf!"}
            << QStringList{} << lists << "" << QColor(0xCF, 0xD7, 0xDA);
        QTest::addRow("Würfeln")
            << "fmWuerfeln"
            << "Würfeln"
            << "Würfeln"
            << "In wieviel Prozent der Fälle ist eine 6 gefallen?"
            << QStringList{"Der Prozentwert ist die Zahl der aufgetretenen 6er", fraction,
                           "Der Grundwert ist die Zahl aller Würfe.", times100}
            << QStringList{} << "Edit1"
            << "PaintBox1" << QColor(0x80, 0, 0);
        QTest::addRow("Zinsrechnung")
            << "fmZins"
            << "Zinsrechnung"
            << "Zinsrechnung"
            << "Berechne jeweils den Inhalt der Felder"
            << QStringList{"Jahreszins = Zinssatz·Kapital",
                           "Zins für eine bestimmte Tageszahl ist Tageszahl/360·Jahreszins",
                           "Berechne möglichst zuerst den Jahreszins.",
                           "Denke auch daran, den Dreisatz zu verwnden."}
            << QStringList{"Label1=Hier wurde innerhalb eines Jahres gespart :",
                           "Label2=Ich will folgendes üben :"}
            << "Edit1 ComboBox3"
            << "" << QColor(Qt::red);
        QTest::addRow("Wachstum") << "fmWachstum"
                                  << "Wachstum"
                                  << "Wachstum"
                                  << "Schätze jeweils das prozentuale Wachstum" << QStringList{}
                                  << QStringList{} << lists << "Diagram1" << plain;
        QTest::addRow("Geldanlage")
            << "fmGeldanlage"
            << "Geldanlage"
            << "Geldanlage"
            << "Berechne jeweils den Zins insgesamt."
            << QStringList{"Wenn jedes Jahr abgehoben wird, dann kommt jedes Jahr der gleiche "
                           "Zins dazu.",
                           "Wenn nicht abgehoben wird, dann musst du für jedes Jahr das Kapital "
                           "neu ausrechnen.",
                           "Wenn nicht abgehoben wird, dann gilt in jedem Jahr: neues Kapital = "
                           "altes Kapital + Zins"}
            << QStringList{"Label1=Zins, wenn er jedes Jahr die Zinsen abhebt",
                           "Label2=Zins, wenn er den Jahreszins stehenlässt"}
            << "Edit1 Edit2"
            << "" << QColor(0x80, 0x80, 0xC0);
        QTest::addRow("Pauken") << "fmPauken"
                                << "Pauken"
                                << "Pauken"
                                << "Berechne  !"
                                << QStringList{percent, fraction,
                                               "Grundwert   = Prozentwert / Prozentsatz",
                                               "Prozentzahl = Prozentsatz · 100"}
                                << QStringList{"Label1=Antwort: "} << "Edit1"
                                << "" << QColor();
        QTest::addRow("Börse") << "fmBoerse"
                               << "Börse"
                               << "Börse"
                               << "Bestimme jeweils um wieviel Prozent der Kurs zugenommen hat!"
                               << QStringList{"Links steht der Startwert, rechts der Endwert.",
                                              "Wären Startwert und Endwert gleich so wäre die "
                                              "Zunahme 0%",
                                              "Bei doppeltem Endwert ist die Zunahme 100%", easy}
                               << QStringList{"Label1=Mathe AG", "Label2=Global Percentage",
                                              "Label3=Schüler & Partner"}
                               << lists << "XShape1 PaintBox1" << plain;
    }
    void windows()
    {
        QFETCH(QString, window);
        QFETCH(QString, tabText);
        QFETCH(QString, title);
        QFETCH(QString, taskLine);
        QFETCH(QStringList, tips);
        QFETCH(QStringList, labels);
        QFETCH(QString, tabOrder);
        QFETCH(QString, fills);
        QFETCH(QColor, background);
        TfmVorlage* w = showWindow(window);
        QVERIFY(w);
        QCOMPARE(Form2->CurrentExercise, w);
        QVERIFY(w->isVisible());
        QCOMPARE(Form2->TabControl1->tabText(Form2->TabControl1->currentIndex()), tabText);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(w->laTaskText->text(), taskLine);
        QCOMPARE(w->Tips, tips);
        for (const QString& label : labels)
            QCOMPARE(w->findChild<QLabel*>(label.section('=', 0, 0))->text(),
                     label.section('=', 1));
        if (background.isValid())
            QCOMPARE(w->palette().color(QPalette::Window), background);
        const QRect area(0, 0, w->width(), w->Panel6->y());
        for (const QString& name : fills.split(' ', Qt::SkipEmptyParts))
            QCOMPARE(w->findChild<QWidget*>(name)->geometry(), area);
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
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("lists");
        QTest::addColumn<QString>("items");
        QTest::addColumn<int>("rowHeight"); // 0: the style's
        const QString lists = QStringLiteral("ComboBox1 ComboBox2 ComboBox3");
        QTest::addRow("Schätzen") << "fmSchaetzen" << lists << "0 10 20 25 33 40 50 67 75 80 90 100"
                                  << 16;
        QTest::addRow("Flächen") << "fmFlaechen"
                                 << "ComboBox1" << numbers(0, 100) << 16;
        QTest::addRow("Steigung") << "fmSteigung" << lists << numbers(0, 30) << 16;
        QTest::addRow("Wachstum") << "fmWachstum" << lists << numbers(0, 125, 25) << 0;
        QTest::addRow("Börse") << "fmBoerse" << lists
                               << "-88 -45 -25 -12 -8 -5 -4 -3 -2 -1 0 1 2 3 4 6 12 25 40 50 55"
                               << 0;
        QTest::addRow("Zins days") << "fmZins"
                                   << "ComboBox1" << numbers(1, 30, 1, ".") << 0;
        QTest::addRow("Zins months") << "fmZins"
                                     << "ComboBox2" << numbers(1, 12, 1, ".") << 0;
    }
    void pickLists()
    {
        QFETCH(QString, window);
        QFETCH(QString, lists);
        QFETCH(QString, items);
        QFETCH(int, rowHeight);
        TfmVorlage* w = showWindow(window);
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
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("after");
        QTest::addRow("up from 0") << "fmRabatt"
                                   << "Edit1"
                                   << "0" << 1 << "1";
        QTest::addRow("down at 0 stays") << "fmRabatt"
                                         << "Edit1"
                                         << "0" << -1 << "0";
        QTest::addRow("typed value wins") << "fmRabatt"
                                          << "Edit1"
                                          << "998" << 1 << "999";
        QTest::addRow("top of range") << "fmRabatt"
                                      << "Edit1"
                                      << "5000" << 1 << "5000";
        QTest::addRow("above range clamps") << "fmRabatt"
                                            << "Edit1"
                                            << "7000" << -1 << "4999";
        QTest::addRow("plain digits") << "fmRabatt"
                                      << "Edit1"
                                      << "1999" << 3 << "2002";
        QTest::addRow("Jan") << "fmDiagramm"
                             << "Edit1"
                             << "7999" << 1 << "8000";
        QTest::addRow("Tina to 32000") << "fmDiagramm"
                                       << "Edit2"
                                       << "31999" << 5 << "32000";
        QTest::addRow("Jörg down") << "fmDiagramm"
                                   << "Edit3"
                                   << "501" << -1 << "500";
        QTest::addRow("simple to 5000") << "fmGeldanlage"
                                        << "Edit1"
                                        << "5000" << 1 << "5000";
        QTest::addRow("simple above range") << "fmGeldanlage"
                                            << "Edit1"
                                            << "13200" << -1 << "4999";
        QTest::addRow("compound up from 0") << "fmGeldanlage"
                                            << "Edit2"
                                            << "0" << 1 << "1";
        QTest::addRow("compound to 5000") << "fmGeldanlage"
                                          << "Edit2"
                                          << "4999" << 2 << "5000";
        QTest::addRow("sixes to 100") << "fmWuerfeln"
                                      << "Edit1"
                                      << "99" << 3 << "100";
    }
    void spinButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, edit);
        QFETCH(QString, before);
        QFETCH(int, steps);
        QFETCH(QString, after);
        TfmVorlage* w = showWindow(window);
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
        QTest::addColumn<QString>("window");
        QTest::addColumn<TaskSetter>("set");
        QTest::addColumn<QList<int>>("values"); // from index 0; -7: untouched
        QTest::addRow("Rabatt") << "fmRabatt" << TaskSetter([] {
            fmRabatt->setTask({1500, 5, 30});
        }) << QList<int>{1500, 5, 30, -7};
        QTest::addRow("Börse") << "fmBoerse" << TaskSetter([] {
            fmBoerse->setTask({{{16, 0, 20}}, {{150, 120, 99}}});
        }) << QList<int>{16, 0, 20, 150, 120, 99, 12, -88, 55, -7};
        QTest::addRow("Diagramm") << "fmDiagramm" << TaskSetter([] {
            fmDiagramm->setTask({{16, 3, 1}, 10000});
        }) << QList<int>{16, 3, 1, 10000, -7};
        // The interest amounts in cents follow at evaluation.
        QTest::addRow("Geldanlage") << "fmGeldanlage" << TaskSetter([] {
            fmGeldanlage->setTask({1000, 5, 5});
            fmGeldanlage->CheckAnswer();
        }) << QList<int>{1000, 5, 5, 25000, 27627, -7};
        QTest::addRow("Pauken") << "fmPauken" << TaskSetter([] {
            fmPauken->setTask(pauken::PercentageValueTask(12, 4000));
        }) << QList<int>{0, 12, 4000, 480, -7};
        QTest::addRow("Schätzen") << "fmSchaetzen" << TaskSetter([] {
            fmSchaetzen->setTask({3, 7, 11});
        }) << QList<int>{3, 7, 11, -7};
        QTest::addRow("Steigung") << "fmSteigung" << TaskSetter([] {
            fmSteigung->setTask({12, 5, 30});
        }) << QList<int>{12, 5, 30, -7};
        QTest::addRow("Wachstum") << "fmWachstum" << TaskSetter([] {
            fmWachstum->setSteps({1, 4, 0});
        }) << QList<int>{-7, 1, 4, 0, -7};
        QList<int> dice{2};
        wuerfeln::Task throws;
        throws.sixes = 2;
        for (int k = 0; k < wuerfeln::Throws; ++k)
            dice << (throws.faces[static_cast<size_t>(k)] = (k * 7) % 6);
        QTest::addRow("Würfeln") << "fmWuerfeln"
                                 << TaskSetter([throws] { fmWuerfeln->setTask(throws); })
                                 << dice + QList<int>{-7};
        QTest::addRow("Zins") << "fmZins" << TaskSetter([] {
            fmZins->setTask({zins::Record{1000, 27, 179, 181, 15},
                             {20000, 40, 10, 254, 55},
                             {5000, 25, 0, 359, 1246},
                             {45500, 45, 73, 254, 102944}});
        }) << QList<int>{1000, 27, 179, 181,  15,    20000, 40, 10,  254,    55, 5000,
                         25,   0,  359, 1246, 45500, 45,    73, 254, 102944, -7};
    }
    void taskValuesLayout()
    {
        QFETCH(QString, window);
        QFETCH(TaskSetter, set);
        QFETCH(QList<int>, values);
        TfmVorlage* w = showWindow(window);
        QVERIFY(w);
        QCOMPARE(w->TaskValues.size(), size_t(449));
        w->TaskValues.fill(-7);
        set();
        QCOMPARE(QList<int>(w->TaskValues.begin(), w->TaskValues.begin() + values.size()), values);
    }
};

TRAINER_TEST_MAIN(TestLayout)
#include "test_layout.moc"
