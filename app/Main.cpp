#include "app/Main.h"

#include "app/Exercises.h"
#include "app/Info.h"
#include "app/Lernverlauf.h"
#include "app/Statistic.h"
#include "core/Random.h"
#include "framework/Vorlage.h"
#include "framework/share2.h"
#include "platform/Accessible.h"
#include "platform/AlignLayout.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"
#include "platform/MakeChild.h"
#include "platform/WindowPlacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <QVBoxLayout>

TForm2* Form2 = nullptr;

namespace {

[[maybe_unused]] const bool FrameRole = RegisterAccessible<TForm2>(TAccessibleRole::Frame);

constexpr int OuterWidth = 800;
constexpr int OuterHeight = 102;
constexpr int SeriesLength = 20;
// The exercise layouts allow for a frame 8 px wider and 23 px higher than the
// window's inside; a thicker one must not cut off their bottom panel.
constexpr QSize ExerciseLeastClient(792, 445);

// Tabs with little padding around their text, so that all of them fit in one
// row of the strip.
class TCompactTabStyle : public QProxyStyle {
public:
    explicit TCompactTabStyle(QObject* parent)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
        setParent(parent);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        switch (metric) {
        case PM_TabBarTabHSpace:
            return 12;
        case PM_TabBarTabVSpace:
            return 8;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// Runs a handler of the strip when `signal` comes, as every event handler runs.
template <class Sender, class Signal>
void ConnectHandler(TForm2* form, Sender* sender, Signal signal, void (TForm2::*handler)())
{
    QObject::connect(sender, signal, form,
                     [form, handler] { RunHandler([form, handler] { (form->*handler)(); }); });
}

} // namespace

TfmVorlage* TForm2::ExerciseWindow(int tabIndex)
{
    const TExercise* exercise = ExerciseAtTab(tabIndex);
    return exercise ? exercise->window() : nullptr;
}

QRect TForm2::ExerciseBounds(const QRect& mainOuter)
{
    return QRect(mainOuter.left(), mainOuter.top() + mainOuter.height(), mainOuter.width(),
                 570 - mainOuter.height());
}

TForm2::TForm2(QWidget* parent)
    // No maximise: the strip has a fixed size.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , m_fit(new QTimer(this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Prozentrechnung"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    createMenu(outer);

    m_client = new QWidget(this);
    outer->addWidget(m_client);
    auto* align = new TAlignLayout(m_client);
    createPanel(align);
    createTabs(align);

    // A frame thicker than the strip's outer size allows for makes it larger,
    // never its menu, buttons or tab row smaller.
    const QSize leastClient(Panel1->width(), MainMenu1->sizeHint().height() + Panel1->height() +
                                                 TabControl1->height());
    setFixedSize(OuterWidth, OuterHeight);
    SetOuterGeometry(this, QRect(338, 104, OuterWidth, OuterHeight), leastClient);

    // Once the strip has come to rest (a drag ends), the pair is put where it fits.
    m_fit->setSingleShot(true);
    m_fit->setInterval(250);
    connect(m_fit, &QTimer::timeout, this, &TForm2::fitToScreen);
}

void TForm2::createMenu(QVBoxLayout* outer)
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    outer->setMenuBar(MainMenu1);
    auto addMenu = [this](const char* name, const QString& title) {
        QMenu* menu = MainMenu1->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& text,
                          const QKeySequence& key, void (TForm2::*handler)()) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(key);
        // The strip's shortcuts also work while the exercise window has the focus.
        a->setShortcutContext(Qt::ApplicationShortcut);
        ConnectHandler(this, a, &QAction::triggered, handler);
        return a;
    };
    Datei1 = addMenu("Datei1", QStringLiteral("&Datei"));
    Beenden1 = addItem(Datei1, "Beenden1", QStringLiteral("&Beenden"),
                       QKeySequence(Qt::ALT | Qt::Key_F4), &TForm2::Beenden1Click);
    Tools1 = addMenu("Tools1", QStringLiteral("&Tools"));
    Rechner1 = addItem(Tools1, "Rechner1", QStringLiteral("&Rechner"), QKeySequence(Qt::Key_F5),
                       &TForm2::Rechner1Click);
    Statistik1 = addItem(Tools1, "Statistik1", QStringLiteral("&Statistik"),
                         QKeySequence(Qt::Key_F6), &TForm2::Statistik1Click);
    Tools1->addSeparator();
    Lernverlauf1 = addItem(Tools1, "Lernverlauf1", QStringLiteral("&Lernverlauf"),
                           QKeySequence(Qt::Key_F7), &TForm2::Lernverlauf1Click);
    LernverlaufExportieren1 =
        addItem(Tools1, "LernverlaufExportieren1", QStringLiteral("Lernverlauf &exportieren …"),
                QKeySequence(), &TForm2::LernverlaufExportieren1Click);
    LernverlaufLoeschen1 =
        addItem(Tools1, "LernverlaufLoeschen1", QStringLiteral("Lernverlauf l&öschen …"),
                QKeySequence(), &TForm2::LernverlaufLoeschen1Click);
    LernverlaufAufzeichnen1 =
        addItem(Tools1, "LernverlaufAufzeichnen1", QStringLiteral("Lernverlauf &aufzeichnen"),
                QKeySequence(), &TForm2::LernverlaufAufzeichnen1Click);
    LernverlaufAufzeichnen1->setCheckable(true);
    // The switch is read when the menu opens, not at start.
    connect(Tools1, &QMenu::aboutToShow, this, [this] {
        LernverlaufAufzeichnen1->setChecked(RecordingOn());
        LernverlaufAufzeichnen1->setEnabled(!RecordingSetBySchool());
    });
    info1 = addMenu("info1", QStringLiteral("&Hilfe"));
    Info2 = addItem(info1, "Info2", QStringLiteral("&Info"), QKeySequence(), &TForm2::Info2Click);
}

void TForm2::createPanel(TAlignLayout* align)
{
    Panel1 = MakeChild<TPanel>(m_client, "Panel1", 0, 0, 792, 33);
    Panel1->setBevels(TBevel::Raised, TBevel::Lowered);
    align->addAligned(Panel1, TAlign::Top);

    const std::vector<TSpeedButton*> buttons = MakeSpeedButtonRow(
        Panel1, 3, QSize(120, 26),
        {{"SpeedButton1", 4, QStringLiteral("Beenden Alt+F4"), QStringLiteral(":/glyph-exit.svg"),
          QSize(18, 18), QKeySequence(Qt::ALT | Qt::Key_F4)},
         {"SpeedButton2", 126, QStringLiteral("Rechner F5"), QStringLiteral(":/glyph-calc.svg"),
          QSize(16, 16), QKeySequence(Qt::Key_F5)},
         {"SpeedButton3", 248, QStringLiteral("Statistik F6"),
          QStringLiteral(":/glyph-statistic.svg"), QSize(32, 16), QKeySequence(Qt::Key_F6), true}});
    SpeedButton1 = buttons[0];
    SpeedButton2 = buttons[1];
    SpeedButton3 = buttons[2];
    ConnectHandler(this, SpeedButton1, &QToolButton::clicked, &TForm2::Beenden1Click);
    ConnectHandler(this, SpeedButton2, &QToolButton::clicked, &TForm2::SpeedButton2Click);
    ConnectHandler(this, SpeedButton3, &QToolButton::clicked, &TForm2::SpeedButton3Click);

    createSeriesBars();
}

void TForm2::createSeriesBars()
{
    Label1 = MakeChild<QLabel>(Panel1, "Label1", 580, 2, 53, 16, QStringLiteral("Versuche"));
    Label2 = MakeChild<QLabel>(Panel1, "Label2", 580, 14, 35, 16, QStringLiteral("richtig"));
    for (QProgressBar** bar : {&pbCount, &pbSuccess}) {
        const bool count = bar == &pbCount;
        *bar = MakeChild<QProgressBar>(Panel1, count ? "pbCount" : "pbSuccess", 636, count ? 4 : 20,
                                       150, 9);
        (*bar)->setRange(0, SeriesLength);
        (*bar)->setValue(0);
        (*bar)->setTextVisible(false);
        // A step narrower than the style's chunk would otherwise not be repainted.
        connect(*bar, &QProgressBar::valueChanged, *bar, qOverload<>(&QWidget::update));
    }
    LabelField(Label1, pbCount);
    LabelField(Label2, pbSuccess);
}

void TForm2::createTabs(TAlignLayout* align)
{
    TabControl1 = MakeChild<QTabBar>(m_client, "TabControl1", 0, 33, 792, 22);
    TabControl1->setFont(PixelFont(QStringLiteral("Tahoma"), 11, true));
    TabControl1->setStyle(new TCompactTabStyle(this));
    TabControl1->setDrawBase(true);
    TabControl1->setExpanding(false);
    TabControl1->setUsesScrollButtons(false);
    for (int i = 0; i < Exercises().size(); ++i) {
        TabControl1->addTab(ExerciseTabText(i));
        TabControl1->setTabTextColor(i, ToQColor(clr::Navy));
    }
    align->addAligned(TabControl1, TAlign::Top);
    ConnectHandler(this, TabControl1, &QTabBar::currentChanged, &TForm2::TabControl1Change);
    // The usual keys of a tab strip, from either window.
    auto addTabKeys = [this](const char* name, int step, const QList<QKeySequence>& keys) {
        auto* a = new QAction(this);
        a->setObjectName(QLatin1String(name));
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::ApplicationShortcut);
        connect(a, &QAction::triggered, this, [this, step] { SelectNextTab(step); });
        addAction(a);
    };
    addTabKeys("NextTab", 1,
               {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    addTabKeys("PreviousTab", -1,
               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
}

TForm2::~TForm2()
{
    FormDestroy();
}

void TForm2::FormCreate()
{
    Random().randomize();
    move(0, 0);
    {
        const QSignalBlocker block(TabControl1);
        TabControl1->setCurrentIndex(0);
    }
    Shared = new TShared(SeriesLength);
    for (int i = 0; i < Exercises().size(); ++i)
        Shared->Names << ExerciseTabText(i);
    Shared->SelectedExercise = [this] {
        return TabControl1->currentIndex();
    };
    Shared->ShowCounts = [this](int attempts, int successes) {
        pbCount->setValue(attempts);
        pbSuccess->setValue(successes);
    };
    Shared->Counted = [](int exercise, bool success, int attempt) {
        RecordAttempt(exercise, success, attempt);
    };
    Shared->ShowStatistics = [] {
        if (fmStatistic)
            fmStatistic->exec();
    };
    CurrentExercise = ExerciseWindow(0);
    CalcProcess.hProcess = InvalidProcessHandle;
}

void TForm2::FormShow()
{
    TabControl1Change();
}

void TForm2::TabControl1Change()
{
    if (CurrentExercise)
        CurrentExercise->hide();
    const int index = TabControl1->currentIndex();
    // An index without an exercise window keeps the exercise that was shown.
    if (TfmVorlage* w = ExerciseWindow(index))
        CurrentExercise = w;
    if (!CurrentExercise)
        return;
    placeExercise();
    CurrentExercise->NewTask();
    // A window minimised before it was hidden would come back minimised.
    CurrentExercise->setWindowState(CurrentExercise->windowState() & ~Qt::WindowMinimized);
    CurrentExercise->show();
    CurrentExercise->raise();
    // Where the window manager put it, or the pupil dragged it, it comes back.
    CurrentExercise->installEventFilter(this);
    m_fit->start();
    // The pupil's next key goes to the new task, not to the tab strip; asked
    // once the strip itself is shown, which activates it too.
    QTimer::singleShot(0, CurrentExercise, [w = CurrentExercise] {
        if (w->isVisible())
            w->activateWindow();
    });
}

void TForm2::SelectNextTab(int step)
{
    const int n = TabControl1->count();
    if (n > 0)
        TabControl1->setCurrentIndex(((TabControl1->currentIndex() + step) % n + n) % n);
}

void TForm2::placeExercise()
{
    if (CurrentExercise)
        SetOuterGeometry(CurrentExercise, ExerciseBounds(frameGeometry()), ExerciseLeastClient);
}

void TForm2::fitToScreen()
{
    const QScreen* display = screen();
    if (!display || !isVisible() || (windowState() & Qt::WindowMinimized))
        return;
    // A frame that came late may have left the exercise window where the strip
    // was before it.
    placeExercise();
    QRect pair = frameGeometry();
    if (CurrentExercise && CurrentExercise->isVisible())
        pair |= CurrentExercise->frameGeometry();
    const QPoint at = FitPair(pair, display->availableGeometry());
    if (at != pair.topLeft())
        move(pos() + at - pair.topLeft());
}

void TForm2::Beenden1Click()
{
    close();
}

void TForm2::SpeedButton2Click()
{
    if (CalcProcess.hProcess != InvalidProcessHandle)
        TerminateProcess(CalcProcess.hProcess, 0);
    StartProgram(QStringLiteral("Calc.exe"), CalcProcess);
}

void TForm2::SpeedButton3Click()
{
    if (fmStatistic)
        fmStatistic->exec();
}

void TForm2::Info2Click()
{
    if (!fmInfo)
        return;
    const QString build = fmInfo->DaysSince(QStringLiteral("1.4.1999"));
    fmInfo->ShowProgramInfo(QStringLiteral("Team Prozentrechnung"), QStringLiteral(TRAINER_VERSION),
                            build, 0x00FFFF, 0x0000FF);
}

void TForm2::Lernverlauf1Click()
{
    ShowLernverlauf(this);
}

void TForm2::LernverlaufExportieren1Click()
{
    ExportLernverlaufWithDialog(this);
}

void TForm2::LernverlaufLoeschen1Click()
{
    ClearLernverlaufAfterAsking(this);
}

void TForm2::LernverlaufAufzeichnen1Click()
{
    SetRecording(LernverlaufAufzeichnen1->isChecked());
}

void TForm2::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    // Before the first exercise is shown there is no window to hand keys on to.
    if (CurrentExercise)
        CurrentExercise->FormKeyDown(key, shift);
}

void TForm2::FormDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    if (CalcProcess.hProcess != InvalidProcessHandle)
        TerminateProcess(CalcProcess.hProcess, 0);
    delete Shared;
    Shared = nullptr;
    // Closed while the application object still exists.
    SetLearningRecord(nullptr);
}

void TForm2::setVisible(bool visible)
{
    const bool showing = visible && isHidden();
    QWidget::setVisible(visible);
    if (showing && isVisible())
        RunHandler([this] { FormShow(); });
}

void TForm2::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Window managers that offer maximise whatever the hints say.
    constexpr Qt::WindowStates large = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange && (windowState() & large))
        setWindowState(windowState() & ~large);
}

void TForm2::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    placeExercise();
    m_fit->start();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CurrentExercise &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        m_fit->start();
    return QWidget::eventFilter(watched, event);
}

void TForm2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeExercise();
    m_fit->start();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    RunHandler([&] { FormKeyDown(event->key(), event->modifiers()); });
    QWidget::keyPressEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Not quit(): that asks every window to close first, and exercise windows,
    // which have no close box, refuse.
    QCoreApplication::exit(0);
}
