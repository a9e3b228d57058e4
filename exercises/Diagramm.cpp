#include "exercises/Diagramm.h"

#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "xshape/Diagram.h"

#include <QLineEdit>

#include <algorithm>

TfmDiagramm* fmDiagramm = nullptr;

namespace diagramm {

Task MakeTask(TRandom& random)
{
    Task t;
    t.shares[0] = 1 + random.range(0, 15);
    t.shares[1] = 1 + random.range(0, 19 - t.shares[0]);
    t.shares[2] = 20 - t.shares[0] - t.shares[1];
    t.inheritance = 10000 + 1000 * random.range(0, 19);
    return t;
}

QString TaskText(int32_t inheritance)
{
    return QStringLiteral("Jan, Tina und Jörg erben insgesamt %1 DM\r\nnach folgender Aufteilung:")
        .arg(inheritance);
}

int32_t Amount(const Task& task, int child)
{
    const Extended share = static_cast<Extended>(task.shares[child]) / 20;
    return static_cast<int32_t>(RoundEven(share * task.inheritance));
}

QString CorrectionText(const Task& task)
{
    return QStringLiteral("Jan bekommt %1 DM, Tina %2 DM und Jörg %3 DM.")
        .arg(Amount(task, 0))
        .arg(Amount(task, 1))
        .arg(Amount(task, 2));
}

int32_t Percent(int32_t share)
{
    return 5 * share;
}

QString SharesText(const Task& task)
{
    QStringList parts;
    for (size_t i = 0; i < task.shares.size(); ++i)
        parts << QStringLiteral("%1 %2 %").arg(ChildNames[i]).arg(Percent(task.shares[i]));
    return parts.join(QStringLiteral(", "));
}

int32_t BarHeight(int32_t share)
{
    return 15 * share;
}

} // namespace diagramm

namespace {

QLabel* TransparentLabel(QWidget* parent, const char* name, int left, int top, int width,
                         int height, const QString& text)
{
    QLabel* label = MakeChild<QLabel>(parent, name, left, top, width, height, text);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

TShape* Bar(QWidget* parent, const char* name, int left, TColor fill)
{
    TShape* shape = MakeChild<TShape>(parent, name, left, 240, 65, 65);
    shape->brush().setColor(fill);
    shape->pen().setColor(clr::Black);
    shape->pen().setWidth(1);
    return shape;
}

} // namespace

TfmDiagramm::TfmDiagramm(QWidget* parent)
    : TfmVorlage(parent)
{
    setObjectName(QStringLiteral("fmDiagramm"));
    setWindowTitle(QStringLiteral("Diagramm"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(0xFFFF80));
    setPalette(pal);

    Diagram1 = MakeChild<TDiagram>(this, "Diagram1", 380, 4, 407, 330);
    Diagram1->setColor(clr::White);
    Diagram1->setXMin(-0.2);
    Diagram1->setXMax(3.0);
    Diagram1->setYMin(-10.0);
    Diagram1->setYMax(100.0);
    Diagram1->setXMarkLE(10.0);
    Diagram1->setYMarkLE(20.0);
    Diagram1->setXGridLE(0.25);
    Diagram1->setYGridLE(10.0);
    Diagram1->setXTextLE(10.0);
    Diagram1->setYTextLE(10.0);
    Diagram1->Brush().setColor(clr::Silver);
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPixelSize(11);
    Diagram1->Font().setFont(labelFont);
    Diagram1->Font().setColor(clr::Black);
    Diagram1->setArrowSize(4);
    Diagram1->AxePen().setWidth(2);
    Diagram1->GridPen().setColor(clr::Silver);
    Diagram1->GridPen().setStyle(TPenStyle::Dot);
    Diagram1->GridPen().setMode(TPenMode::Mask);
    Diagram1->setDisplayGrid(true);
    Diagram1->setTransparent(false);

    Label1 = MakeChild<QLabel>(this, "Label1", 14, 30, 32, 16, QStringLiteral("XXXX"));
    Shape1 = Bar(this, "Shape1", 436, 0x8080FF);
    Shape2 = Bar(this, "Shape2", 532, 0xB3B366);
    Shape3 = Bar(this, "Shape3", 628, 0x80FFFF);
    Label2 = MakeChild<QLabel>(this, "Label2", 70, 372, 28, 16, QStringLiteral("Jan :"));
    Label3 = MakeChild<QLabel>(this, "Label3", 356, 370, 34, 16, QStringLiteral("Tina :"));
    Label4 = MakeChild<QLabel>(this, "Label4", 642, 372, 33, 16, QStringLiteral("Jörg :"));

    // A lowered rule along the bottom edge: shadow line above a highlight line.
    Bevel1 = MakeChild<TPaintBox>(this, "Bevel1", 0, 340, 789, 19);
    Bevel1->OnPaint = [this](TCanvas& canvas) {
        const int w = Bevel1->width(), h = Bevel1->height();
        canvas.Pen.setWidth(1);
        canvas.Pen.setColor(clr::Gray);
        canvas.MoveTo(0, h - 2);
        canvas.LineTo(w, h - 2);
        canvas.Pen.setColor(clr::White);
        canvas.MoveTo(0, h - 1);
        canvas.LineTo(w, h - 1);
    };

    Label5 = TransparentLabel(this, "Label5", 460, 284, 19, 16, QStringLiteral("Jan"));
    Label6 = TransparentLabel(this, "Label6", 554, 284, 25, 16, QStringLiteral("Tina"));
    Label7 = TransparentLabel(this, "Label7", 652, 284, 24, 16, QStringLiteral("Jörg"));

    laTaskText->setText(
        QStringLiteral("Wieviel Geld (auf DM gerundet) erhalten die einzelnen Kinder ?"));
    // Our font runs slightly wider than the designed 359 pixels; let the
    // question mark show as long as the text stays clear of the buttons.
    laTaskText->resize(
        std::clamp(laTaskText->sizeHint().width(), 359, sbTip->x() - laTaskText->x() - 4),
        laTaskText->height());

    const auto spin = [this](const char* name, int left, int top, QLineEdit* edit) {
        TUpDown* upDown = MakeChild<TUpDown>(this, name, left, top, 15, 24);
        upDown->setRange(0, 32000);
        upDown->setAssociate(edit);
        return upDown;
    };
    Edit1 = MakeChild<QLineEdit>(this, "Edit1", 104, 368, 45, 24, QStringLiteral("0"));
    UpDown1 = spin("UpDown1", 149, 368, Edit1);
    Edit2 = MakeChild<QLineEdit>(this, "Edit2", 406, 366, 45, 24, QStringLiteral("0"));
    UpDown2 = spin("UpDown2", 451, 366, Edit2);
    Edit3 = MakeChild<QLineEdit>(this, "Edit3", 688, 366, 45, 24, QStringLiteral("0"));
    UpDown3 = spin("UpDown3", 733, 366, Edit3);
    setTabOrder(Edit1, UpDown1);
    setTabOrder(UpDown1, UpDown2);
    setTabOrder(UpDown2, Edit2);
    setTabOrder(Edit2, UpDown3);
    setTabOrder(UpDown3, Edit3);

    LabelField(Label2, Edit1);
    LabelField(Label3, Edit2);
    LabelField(Label4, Edit3);
    SetAccessibleTexts(Bevel1, QStringLiteral("Trennlinie"), QString());
    AddTaskPart([this] { return Label1->text(); });
    DescribeDrawing(Diagram1, QStringLiteral("Anteile am Erbe"),
                    [this] { return diagramm::SharesText(task()); });

    setClientSize(792, 434);
}

void TfmDiagramm::FormCreate()
{
    TfmVorlage::FormCreate();
    BaseLine = 240 + 65;
    SetTips({QStringLiteral("Prozentwert = Prozentsatz · Grundwert"),
             QStringLiteral("Die gesamte Erbschaft ist der Grundwert"),
             QStringLiteral("Zur Umrechnung von Prozentsatz in Prozentzahl muss das Komma um 2 "
                            "Stellen verschoben werden"),
             QStringLiteral("Prozentwerte lassen sich auch mit dem Dreisatz berechnen.\n\r"
                            "Dabei enstspricht der Grundwert 100%")});
    NewTask();
}

diagramm::Task TfmDiagramm::task() const
{
    return {{TaskValues[0], TaskValues[1], TaskValues[2]}, TaskValues[3]};
}

void TfmDiagramm::setTask(const diagramm::Task& t)
{
    TaskValues[0] = t.shares[0];
    TaskValues[1] = t.shares[1];
    TaskValues[2] = t.shares[2];
    TaskValues[3] = t.inheritance;
    TShape* const bars[] = {Shape1, Shape2, Shape3};
    for (int i = 0; i < 3; ++i) {
        const int32_t height = diagramm::BarHeight(t.shares[i]);
        bars[i]->setGeometry(bars[i]->x(), BaseLine - height, bars[i]->width(), height);
    }
    // A label shows CR LF as one line break.
    Label1->setText(diagramm::TaskText(t.inheritance).remove(QLatin1Char('\r')));
    Label1->adjustSize();
    for (int i = 0; i < 3; ++i)
        SetAccessibleTexts(bars[i], QStringLiteral("Balken %1").arg(diagramm::ChildNames[i]),
                           QStringLiteral("%1 %").arg(diagramm::Percent(t.shares[i])));
    TaskChanged();
}

void TfmDiagramm::NewTask()
{
    setTask(diagramm::MakeTask(Random()));
    Edit1->setText(QStringLiteral("0"));
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));
    sbCheckIt->setEnabled(true);
}

void TfmDiagramm::CheckAnswer()
{
    const diagramm::Task t = task();
    QLineEdit* const edits[] = {Edit1, Edit2, Edit3};
    bool right = true;
    // A field is converted only when all before it matched; a conversion
    // error ends the evaluation before anything is counted.
    for (int i = 0; i < 3 && right; ++i)
        right = StrToInt(edits[i]->text()) == diagramm::Amount(t, i);
    Conclude(right, diagramm::CorrectionText(t));
}
