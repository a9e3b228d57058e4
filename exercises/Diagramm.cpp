#include "exercises/Diagramm.h"

#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"
#include "xshape/Diagram.h"

#include <QLineEdit>

#include <algorithm>

TfmDiagramm* fmDiagramm = nullptr;

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
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmDiagramm"));
    setWindowTitle(QStringLiteral("Diagramm"));
    SetWindowColor(this, ToQColor(0xFFFF80));

    Diagram1 = MakeChild<TDiagram>(this, "Diagram1", 380, 4, 407, 330);
    Diagram1->SetUp(diagramm::Chart);
    Diagram1->Brush().setColor(clr::Silver);

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

    buildAnswers();
    SetAccessibleTexts(Bevel1, QStringLiteral("Trennlinie"), QString());
    AddTaskPart([this] { return Label1->text(); });
    DescribeDrawing(Diagram1, QStringLiteral("Anteile am Erbe"),
                    [this] { return diagramm::SharesText(task()); });

    BaseLine = 240 + 65;
    SetTips({QStringLiteral("Prozentwert = Prozentsatz · Grundwert"),
             QStringLiteral("Die gesamte Erbschaft ist der Grundwert"),
             QStringLiteral("Zur Umrechnung von Prozentsatz in Prozentzahl muss das Komma um 2 "
                            "Stellen verschoben werden"),
             QStringLiteral("Prozentwerte lassen sich auch mit dem Dreisatz berechnen.\n\r"
                            "Dabei enstspricht der Grundwert 100%")});
    setClientSize(792, 434);
    setAnswerControls({Edit1, Edit2, Edit3});
}

void TfmDiagramm::buildAnswers()
{
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
}

diagramm::Task TfmDiagramm::DrawTask()
{
    return diagramm::MakeTask(Random());
}

void TfmDiagramm::ShowTask(const diagramm::Task& task)
{
    TShape* const bars[] = {Shape1, Shape2, Shape3};
    for (int i = 0; i < 3; ++i) {
        const int32_t height = diagramm::BarHeight(task.shares[i]);
        bars[i]->setGeometry(bars[i]->x(), BaseLine - height, bars[i]->width(), height);
    }
    // A label shows CR LF as one line break.
    Label1->setText(diagramm::TaskText(task.inheritance).remove(QLatin1Char('\r')));
    Label1->adjustSize();
    for (int i = 0; i < 3; ++i)
        SetAccessibleTexts(bars[i], QStringLiteral("Balken %1").arg(diagramm::ChildNames[i]),
                           QStringLiteral("%1 %").arg(diagramm::Percent(task.shares[i])));
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
