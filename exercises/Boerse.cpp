#include "exercises/Boerse.h"

#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"
#include "xshape/XShape.h"

#include <QComboBox>
#include <QPalette>

#include <algorithm>

TfmBoerse* fmBoerse = nullptr;

namespace {

QLabel* ShareLabel(QWidget* parent, const char* name, int left, int width, const QString& text)
{
    QLabel* label = MakeChild<QLabel>(parent, name, left, 376, width, 16, text);
    label->setAutoFillBackground(false);
    return label;
}

} // namespace

TfmBoerse::TfmBoerse(QWidget* parent)
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmBoerse"));
    setWindowTitle(QStringLiteral("Börse"));

    XShape1 = MakeChild<TXShape>(this, "XShape1", 0, 0, 792, 406);
    XShape1->setShape(TShapeForm::stFloatColorA);
    XShape1->Brush().setColor(0x80FF80);
    XShape1->setColor2(0x80FFFF);
    XShape1->setScaleX(32);
    XShape1->setScaleY(32);
    XShape1->Font().setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    XShape1->Font().setColor(FromQColor(palette().color(QPalette::WindowText)));
    alignLayout()->addAligned(XShape1, TAlign::Client);
    SetAccessibleTexts(XShape1, QStringLiteral("Hintergrund"), QString());

    PaintBox1 = MakeChild<TPaintBox>(this, "PaintBox1", 0, 0, 792, 406);
    PaintBox1->OnPaint = [this](TCanvas& canvas) {
        PaintBox1Paint(canvas);
    };
    DescribeDrawing(PaintBox1, QStringLiteral("Kursverlauf"), [this] {
        return boerse::PricesText(task(), {Label1->text(), Label2->text(), Label3->text()});
    });
    alignLayout()->addAligned(PaintBox1, TAlign::Client);

    Label1 = ShareLabel(this, "Label1", 16, 55, QStringLiteral("Mathe AG"));
    Label2 = ShareLabel(this, "Label2", 256, 103, QStringLiteral("Global Percentage"));
    // A label shows its text as it stands: one ampersand.
    Label3 = ShareLabel(this, "Label3", 528, 102, QStringLiteral("Schüler & Partner"));

    ComboBox1 = MakeChild<QComboBox>(this, "ComboBox1", 80, 370, 87, 24);
    ComboBox2 = MakeChild<QComboBox>(this, "ComboBox2", 368, 370, 87, 24);
    ComboBox3 = MakeChild<QComboBox>(this, "ComboBox3", 640, 370, 87, 24);
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        SetPickList(box);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);
    LabelField(Label1, ComboBox1);
    LabelField(Label2, ComboBox2);
    LabelField(Label3, ComboBox3);

    laTaskText->setText(
        QStringLiteral("Bestimme jeweils um wieviel Prozent der Kurs zugenommen hat!"));
    // The template's label is narrower than this sentence; the buttons start at 416.
    laTaskText->resize(std::max(laTaskText->width(), laTaskText->sizeHint().width()),
                       laTaskText->height());

    SetTips({QStringLiteral("Links steht der Startwert, rechts der Endwert."),
             QStringLiteral("Wären Startwert und Endwert gleich so wäre die Zunahme 0%"),
             QStringLiteral("Bei doppeltem Endwert ist die Zunahme 100%"),
             QStringLiteral("Nimms locker, jeder lernt es irgendwann! ")});
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3}) {
        box->clear();
        for (int i = 0; i < static_cast<int>(boerse::Changes.size()); ++i)
            box->addItem(boerse::ItemText(i));
    }
    setClientSize(792, 445);
    setAnswerControls({ComboBox1, ComboBox2, ComboBox3});
}

void TfmBoerse::PaintBox1Paint(TCanvas& canvas)
{
    const int w = PaintBox1->width();
    const int h = PaintBox1->height();
    const boerse::Task t = task();
    canvas.SetBkModeTransparent(true);
    canvas.Pen.setWidth(2);
    for (int j = 0; j < 3; ++j) {
        const int32_t s = t.start[static_cast<size_t>(j)];
        // Take the change from the task's index, which always lies in the table.
        const int32_t d = boerse::Difference(s, t.change(j));
        const int startY = h - 60 - s;
        const int endY = startY - d;
        const TColor colour = boerse::ShareColours[static_cast<size_t>(j)];
        canvas.Font.setColor(colour);
        canvas.TextOut(0, startY, QString::number(s));
        canvas.TextOut(w - 20, endY, QString::number(s + d));
        canvas.Pen.setColor(colour);
        const std::vector<QPoint> line = boerse::PriceLine(w, startY, endY, Random());
        canvas.MoveTo(line.front().x(), line.front().y());
        for (size_t k = 1; k < line.size(); ++k)
            canvas.LineTo(line[k].x(), line[k].y());
    }
}

boerse::Task TfmBoerse::DrawTask()
{
    return boerse::MakeTask(Random());
}

void TfmBoerse::ShowTask(const boerse::Task& task)
{
    // The changes stay with the task, for whoever reads the window's numbers.
    for (size_t i = 0; i < 3; ++i)
        TaskValues[6 + i] = task.change(static_cast<int>(i));
    const std::array<QLabel*, 3> labels{Label1, Label2, Label3};
    for (size_t i = 0; i < 3; ++i) {
        QPalette p = labels[i]->palette();
        p.setColor(QPalette::WindowText, ToQColor(boerse::ShareColours[i]));
        labels[i]->setPalette(p);
    }
    PaintBox1->update();
}

void TfmBoerse::CheckAnswer()
{
    const boerse::Task t = task();
    const bool right = boerse::IsRight(
        t, {ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex()});
    Conclude(right, boerse::CorrectionText(t));
}
