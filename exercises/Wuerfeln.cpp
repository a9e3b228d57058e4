#include "exercises/Wuerfeln.h"

#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/ImageList.h"

#include <QLineEdit>

TfmWuerfeln* fmWuerfeln = nullptr;

namespace wuerfeln {

void DrawDice(TCanvas& canvas, const TImageList& faces, const std::array<int32_t, Throws>& throws)
{
    QImage bitmap;
    for (int c = 0; c < Columns; ++c)
        for (int r = 0; r < Rows; ++r) {
            const int k = 1 + Columns * r + c;
            // A face outside the list leaves its cell empty.
            if (faces.GetBitmap(throws[static_cast<size_t>(k - 1)], bitmap))
                canvas.Draw(CellOrigin(k).x(), CellOrigin(k).y(), bitmap);
        }
}

} // namespace wuerfeln

TfmWuerfeln::TfmWuerfeln(QWidget* parent)
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmWuerfeln"));
    setWindowTitle(QStringLiteral("Würfeln"));
    SetWindowColor(this, ToQColor(clr::Maroon));

    ImageList1 = new TImageList(wuerfeln::DieSize, wuerfeln::DieSize, this);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    ImageList1->setBkColor(Qt::white);
    for (int i = 1; i <= wuerfeln::Faces; ++i)
        ImageList1->addSvg(QStringLiteral(":/dice-%1.svg").arg(i));

    PaintBox1 = MakeChild<TPaintBox>(this, "PaintBox1", 0, 0, 792, 406);
    PaintBox1->OnPaint = [this](TCanvas& canvas) {
        PaintBox1Paint(canvas);
    };
    alignLayout()->addAligned(PaintBox1, TAlign::Client);
    // Told in groups of ten, each over its first die, which a screen reader's
    // review steps through in order; the task tells only how they come.
    DescribeDrawing(PaintBox1, QStringLiteral("%1 Würfe").arg(wuerfeln::Throws), [] {
        return QStringLiteral("in %1 Zehnergruppen, der Reihe nach").arg(wuerfeln::Throws / 10);
    });
    SetDrawingParts(PaintBox1, [this] {
        std::vector<TDrawingPart> parts;
        const QStringList groups = wuerfeln::ThrowGroups(task().faces);
        for (int g = 0; g < groups.size(); ++g)
            parts.push_back({QRect(wuerfeln::CellOrigin(10 * g + 1),
                                   QSize(wuerfeln::DieSize, wuerfeln::DieSize)),
                             groups[g]});
        return parts;
    });

    laTaskText->setText(QStringLiteral("In wieviel Prozent der Fälle ist eine 6 gefallen?"));
    laTaskText->setGeometry(10, laTaskText->y(), 266, laTaskText->height());

    Edit1 = MakeChild<QLineEdit>(Panel6, "Edit1", 288, 8, 43, 24, QStringLiteral("0"));
    UpDown1 = MakeChild<TUpDown>(Panel6, "UpDown1", 331, 8, 15, 24);
    UpDown1->setRange(0, 100);
    UpDown1->setAssociate(Edit1);
    setTabOrder(Edit1, UpDown1);
    SetAccessibleTexts(Edit1, QStringLiteral("Anteil der Sechsen in Prozent"), QString());
    SetTips(
        {QStringLiteral("Der Prozentwert ist die Zahl der aufgetretenen 6er"),
         QStringLiteral("Prozentsatz = Prozentwert / Grundwert"),
         QStringLiteral("Der Grundwert ist die Zahl aller Würfe."),
         QStringLiteral("Um den Anteil in Prozent umzurechnen musst Du mit 100 multiplizieren.")});
    setAnswerControls({Edit1});
}

void TfmWuerfeln::PaintBox1Paint(TCanvas& canvas)
{
    wuerfeln::DrawDice(canvas, *ImageList1, task().faces);
}

wuerfeln::Task TfmWuerfeln::DrawTask()
{
    return wuerfeln::MakeTask(Random());
}

void TfmWuerfeln::ShowTask(const wuerfeln::Task& task)
{
    Q_UNUSED(task);
    PaintBox1->update();
}

void TfmWuerfeln::CheckAnswer()
{
    const int32_t answer = StrToInt(Edit1->text());
    const int32_t sixes = task().sixes;
    Conclude(wuerfeln::IsRight(sixes, answer), wuerfeln::CorrectionText(sixes));
}
