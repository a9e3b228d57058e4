#include "app/Lernverlauf.h"

#include "app/Exercises.h"
#include "core/Numbers.h"
#include "platform/Accessible.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/WindowPlacement.h"
#include "record/RecordSettings.h"
#include "xshape/Diagram.h"

#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <optional>

using namespace lernverlauf;

TfmLernverlauf* fmLernverlauf = nullptr;

namespace {

std::unique_ptr<TLearningRecord>& Record()
{
    static std::unique_ptr<TLearningRecord> record;
    return record;
}

std::optional<RecordingSwitch>& Switch()
{
    static std::optional<RecordingSwitch> value;
    return value;
}

const RecordingSwitch& CurrentSwitch()
{
    if (!Switch())
        Switch() = ReadRecordingSwitch();
    return *Switch();
}

// A message of the record waits until no box is open, so that it never comes
// between a pupil and a verdict.
void TellWhenIdle(const QString& text)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "prozentrechnung: %s\n", qPrintable(text));
        return;
    }
    auto* timer = new QTimer(qApp);
    timer->setInterval(100);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text] {
        if (QApplication::activeModalWidget())
            return;
        timer->stop();
        timer->deleteLater();
        ShowMessage(text);
    });
    timer->start();
}

int Percent(const Tally& t)
{
    return t.attempts > 0 ? RoundEven(static_cast<Extended>(t.right) * 100 / t.attempts) : 0;
}

// The toolkit tells screen readers only the table when it gets the focus, not
// its current cell: the first row would go unread. The cell is told after it.
class TRecordTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QTableWidget::focusInEvent(event);
        QTimer::singleShot(0, this, [this] { tellCurrentCell(); });
    }

private:
    void tellCurrentCell()
    {
        if (!QAccessible::isActive() || !hasFocus() || currentRow() < 0)
            return;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
        QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
        QAccessibleInterface* cell = cells ? cells->cellAt(currentRow(), currentColumn()) : nullptr;
        if (!cell)
            return;
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(table->indexOfChild(cell));
        QAccessible::updateAccessibility(&focus);
    }
};

} // namespace

TLearningRecord& LearningRecord()
{
    if (!Record()) {
        Record() = std::make_unique<TLearningRecord>();
        Record()->OnMessage = TellWhenIdle;
    }
    return *Record();
}

void SetLearningRecord(std::unique_ptr<TLearningRecord> record)
{
    Record() = std::move(record);
    Switch().reset();
}

bool RecordingOn()
{
    return CurrentSwitch().on;
}

bool RecordingSetBySchool()
{
    return CurrentSwitch().setBySchool;
}

void SetRecording(bool on)
{
    if (RecordingSetBySchool())
        return;
    SetRecordingOn(on);
    Switch() = RecordingSwitch{on, false};
}

void RecordAttempt(int tab, bool right, int attempt)
{
    static qint64 series = 0;
    const TExercise* exercise = ExerciseAtTab(tab);
    if (!exercise || !RecordingOn())
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (attempt == 1 || series == 0)
        series = now;
    LearningRecord().Add({now, QString::fromLatin1(exercise->key), right, series});
}

QStringList ExerciseKeys()
{
    QStringList keys;
    for (int tab = 0; tab < Exercises().size(); ++tab)
        keys << QString::fromLatin1(ExerciseAtTab(tab)->key);
    return keys;
}

QString ExerciseNameOfKey(const QString& key)
{
    const TExercise* e = ExerciseOfKey(key);
    return e ? QString::fromUtf8(e->tabText) : key;
}

bool ExportLearningRecord(const QString& file, QString* error)
{
    return ExportCsv(LearningRecord(), ExerciseKeys(), ExerciseNameOfKey, file, error);
}

int RunCommandLine(const QStringList& args)
{
    const qsizetype at = args.indexOf(QStringLiteral("--export-lernverlauf"));
    if (at < 0)
        return -1;
    if (at + 1 >= args.size() || args.size() != 3) {
        std::fputs("Aufruf: prozentrechnung --export-lernverlauf DATEI\n", stderr);
        return 2;
    }
    if (!QFileInfo::exists(LearningRecord().path())) {
        std::fprintf(stderr, "prozentrechnung: Es gibt noch keinen Lernverlauf (%s).\n",
                     qPrintable(LearningRecord().path()));
        return 1;
    }
    QString error;
    const bool written = ExportLearningRecord(args[at + 1], &error);
    // Closed while the application object still exists.
    SetLearningRecord(nullptr);
    if (!written) {
        std::fprintf(stderr, "prozentrechnung: %s.\n", qPrintable(error));
        return 1;
    }
    return 0;
}

QString TallyText(const Tally& tally)
{
    if (tally.attempts == 0)
        return QStringLiteral("–");
    return QStringLiteral("%1 %2, %3 % richtig")
        .arg(tally.attempts)
        .arg(tally.attempts == 1 ? QStringLiteral("Versuch") : QStringLiteral("Versuche"))
        .arg(Percent(tally));
}

QString ChartDescription(const std::vector<DayTally>& days)
{
    QStringList parts;
    for (const DayTally& d : days)
        if (d.tally.attempts > 0)
            parts << QStringLiteral("%1: %2").arg(d.day.toString(QStringLiteral("d.M.")),
                                                  TallyText(d.tally));
    return parts.isEmpty() ? QStringLiteral("keine Versuche in den letzten vier Wochen")
                           : parts.join(QStringLiteral("; "));
}

// The share right per day: a point for each day with attempts, joined by lines,
// over the program's diagram control; dates every week below the axis.
class TShareChart : public TDiagram {
protected:
    // A keyboard user sees where the focus is.
    void paintEvent(QPaintEvent* event) override
    {
        TDiagram::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter p(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
    void focusInEvent(QFocusEvent* event) override
    {
        TDiagram::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        TDiagram::focusOutEvent(event);
        update();
    }

public:
    explicit TShareChart(QWidget* parent)
        : TDiagram(parent)
    {
        // The share labels are drawn here: the diagram's own would put 0 on the x axis.
        SetUp({clr::White, -1, TfmLernverlauf::ChartDays, -12, 110, 1, 10, 0, 25, 0, 0, clr::Silver,
               true});
    }
    void setDays(std::vector<DayTally> days)
    {
        m_days = std::move(days);
        Invalidate();
    }
    void DrawAt(int32_t X, int32_t Y, TCanvas& canvas) const override
    {
        TDiagram::DrawAt(X, Y, canvas);
        canvas.SetBkModeTransparent(true);
        canvas.Font.setColor(clr::Black);
        for (int share = 0; share <= 100; share += 25) {
            const QPoint at = WorldToPixel(0, share);
            const QString label = QString::number(share);
            const int h = canvas.TextHeight(label);
            canvas.TextOut(X + at.x() + ArrowSize() + 2, Y + at.y() - (share == 0 ? h + 1 : h / 2),
                           label);
        }
        bool first = true;
        for (size_t i = 0; i < m_days.size(); ++i) {
            const QPoint base = WorldToPixel(static_cast<Extended>(i), 0);
            if ((m_days.size() - 1 - i) % 7 == 0) {
                // Centred below the day, within the chart.
                const QString date = m_days[i].day.toString(QStringLiteral("d.M."));
                const int w = canvas.TextWidth(date);
                canvas.TextOut(X + std::min(base.x() - w / 2, width() - w - 1),
                               Y + std::min(base.y() + 6, height() - canvas.TextHeight(date) - 1),
                               date);
            }
            const Tally& t = m_days[i].tally;
            if (t.attempts == 0)
                continue;
            const QPoint p = WorldToPixel(static_cast<Extended>(i), Percent(t));
            canvas.Pen.setColor(clr::Navy);
            canvas.Pen.setWidth(2);
            if (first)
                canvas.MoveTo(X + p.x(), Y + p.y());
            else
                canvas.LineTo(X + p.x(), Y + p.y());
            first = false;
            canvas.Pen.setWidth(1);
            canvas.Pen.setColor(clr::Black);
            canvas.Brush.setColor(clr::Lime);
            canvas.Ellipse(X + p.x() - 4, Y + p.y() - 4, X + p.x() + 5, Y + p.y() + 5);
            canvas.MoveTo(X + p.x(), Y + p.y());
        }
    }

private:
    std::vector<DayTally> m_days;
};

TfmLernverlauf::TfmLernverlauf(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmLernverlauf"));
    setWindowTitle(QStringLiteral("Lernverlauf"));
    setModal(true);
    resize(640, 640);
    auto* layout = new QVBoxLayout(this);

    StatusText = new QLabel(this);
    StatusText->setObjectName(QStringLiteral("StatusText"));
    StatusText->setWordWrap(true);
    layout->addWidget(StatusText);

    Table = new TRecordTable(ExerciseKeys().size(), 3, this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setHorizontalHeaderLabels(
        {QStringLiteral("Aufgabe"), QStringLiteral("insgesamt"), QStringLiteral("letzte 7 Tage")});
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 6);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the chart and the buttons; the arrows move in it.
    Table->setTabKeyNavigation(false);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // As high as its rows; the chart takes the rest.
    Table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    SetAccessibleTexts(Table, QStringLiteral("Versuche je Aufgabe"), QString());
    layout->addWidget(Table);

    auto* chartLabel = new QLabel(QStringLiteral("Anteil richtig pro Tag (in %)"), this);
    layout->addWidget(chartLabel);
    Chart = new TShareChart(this);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setMinimumHeight(190);
    Chart->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(Chart, 1);

    auto* buttons = new QHBoxLayout;
    ExportButton = new QPushButton(QStringLiteral("&Exportieren …"), this);
    ExportButton->setObjectName(QStringLiteral("ExportButton"));
    ClearButton = new QPushButton(QStringLiteral("&Löschen …"), this);
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    for (QPushButton* b : {ExportButton, ClearButton})
        b->setAutoDefault(false);
    buttons->addWidget(ExportButton);
    buttons->addWidget(ClearButton);
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    layout->addLayout(buttons);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ExportButton, &QPushButton::clicked, this,
            [this] { ExportLernverlaufWithDialog(this); });
    connect(ClearButton, &QPushButton::clicked, this, [this] {
        ClearLernverlaufAfterAsking(this);
        ShowRecord(QDateTime::currentDateTimeUtc());
    });
}

void TfmLernverlauf::ShowRecord(const QDateTime& nowUtc)
{
    TLearningRecord& record = LearningRecord();
    const Status status = record.Open();
    const QStringList keys = ExerciseKeys();
    const Summary s = record.Summarize(keys, nowUtc, ChartDays);
    for (int row = 0; row < keys.size(); ++row) {
        const ExerciseTally& e = s.exercises[static_cast<size_t>(row)];
        const QString texts[] = {ExerciseNameOfKey(e.exercise), TallyText(e.overall),
                                 TallyText(e.lastWeek)};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            // A screen reader would pass over the dash.
            if (column > 0 && texts[column] == TallyText({}))
                item->setData(Qt::AccessibleTextRole, QStringLiteral("keine Versuche"));
            Table->setItem(row, column, item);
        }
    }
    Chart->setDays(s.days);
    SetAccessibleTexts(Chart, QStringLiteral("Anteil richtig pro Tag"), ChartDescription(s.days));

    QStringList lines;
    if (RecordingSetBySchool())
        lines << QStringLiteral("Die Schule hat die Aufzeichnung ausgeschaltet; es wird nichts "
                                "aufgezeichnet.");
    else if (!RecordingOn())
        lines << QStringLiteral(
            "Die Aufzeichnung ist ausgeschaltet; es wird nichts aufgezeichnet.");
    if (status == Status::Unavailable)
        lines << QStringLiteral("Der Lernverlauf ist nicht verfügbar.");
    else if (status == Status::ReadOnly)
        lines << QStringLiteral("Der Lernverlauf wird nur gelesen.");
    if (s.empty())
        lines << QStringLiteral("Noch keine Aufgaben im Lernverlauf. Jede bewertete Antwort wird "
                                "hier gezählt.");
    else
        lines << QStringLiteral("Gespeichert in %1").arg(QDir::toNativeSeparators(record.path()));
    StatusText->setText(lines.join(QLatin1Char('\n')));
    ClearButton->setEnabled(status == Status::Writable && !s.empty());
    ExportButton->setEnabled(status != Status::Unavailable && !s.empty());
}

void TfmLernverlauf::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        ShowRecord(QDateTime::currentDateTimeUtc());
        CenterOnScreen(this);
        OkButton->setFocus();
    }
    QDialog::showEvent(event);
}

void ShowLernverlauf(QWidget* parent)
{
    static QPointer<TfmLernverlauf> window;
    if (!window) {
        window = new TfmLernverlauf(parent);
        fmLernverlauf = window;
        QObject::connect(window, &QObject::destroyed, [] { fmLernverlauf = nullptr; });
    }
    window->exec();
}

void ExportLernverlaufWithDialog(QWidget* parent)
{
    const QString suggested = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                              QStringLiteral("/lernverlauf-%1.csv")
                                  .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    const QString file =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Lernverlauf exportieren"), suggested,
                                     QStringLiteral("CSV-Dateien (*.csv)"));
    if (file.isEmpty())
        return;
    QString error;
    if (ExportLearningRecord(file, &error))
        ShowMessage(QStringLiteral("Der Lernverlauf wurde nach „%1“ exportiert.")
                        .arg(QDir::toNativeSeparators(file)));
    else
        ShowError(error);
}

void ClearLernverlaufAfterAsking(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, ApplicationTitle(),
                    QStringLiteral("Soll der ganze Lernverlauf gelöscht werden? Das lässt sich "
                                   "nicht rückgängig machen."),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("ClearQuestion"));
    QPushButton* yes = box.addButton(QStringLiteral("&Löschen"), QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(QStringLiteral("&Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    if (box.clickedButton() != yes)
        return;
    if (!LearningRecord().Clear())
        ShowError(QStringLiteral("Der Lernverlauf ließ sich nicht löschen"));
}
