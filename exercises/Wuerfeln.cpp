#include "exercises/Wuerfeln.h"

#include "platform/Accessible.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/ImageList.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <QLineEdit>

TfmWuerfeln* fmWuerfeln = nullptr;

namespace wuerfeln {

Task MakeTask(TRandom& random)
{
    Task t;
    for (int32_t& face : t.faces) {
        face = random.range(0, Faces - 1);
        if (face == Faces - 1)
            ++t.sixes;
    }
    return t;
}

int32_t ExpectedShare(int32_t sixes)
{
    // The halves (3, 9, 15, ... sixes) are exact in floating point.
    return static_cast<int32_t>(RoundEven(static_cast<Extended>(sixes) * 100 / Throws));
}

bool IsRight(int32_t sixes, int32_t answer)
{
    return answer == ExpectedShare(sixes);
}

QString CorrectionText(int32_t sixes)
{
    return QString::number(sixes) + QStringLiteral(" Sechser, das sind ") +
           QString::number(ExpectedShare(sixes)) + QStringLiteral("% !");
}

QPoint CellOrigin(int k)
{
    const int c = (k - 1) % Columns;
    const int r = (k - 1) / Columns;
    return QPoint(Margin + Pitch * c, Margin + Pitch * r);
}

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

QStringList ThrowGroups(const std::array<int32_t, Throws>& throws)
{
    QStringList groups;
    for (int first = 0; first < Throws; first += 10) {
        QStringList pips;
        for (int k = first; k < std::min(first + 10, Throws); ++k)
            pips << QString::number(throws[static_cast<size_t>(k)] + 1);
        groups << QStringLiteral("Würfe %1 bis %2: %3")
                      .arg(first + 1)
                      .arg(std::min(first + 10, Throws))
                      .arg(pips.join(QStringLiteral(", ")));
    }
    return groups;
}

} // namespace wuerfeln

TfmWuerfeln::TfmWuerfeln(QWidget* parent)
    : TfmVorlage(parent)
{
    setObjectName(QStringLiteral("fmWuerfeln"));
    setWindowTitle(QStringLiteral("Würfeln"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(clr::Maroon));
    setPalette(pal);

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
}

void TfmWuerfeln::FormCreate()
{
    TfmVorlage::FormCreate();
    SetTips(
        {QStringLiteral("Der Prozentwert ist die Zahl der aufgetretenen 6er"),
         QStringLiteral("Prozentsatz = Prozentwert / Grundwert"),
         QStringLiteral("Der Grundwert ist die Zahl aller Würfe."),
         QStringLiteral("Um den Anteil in Prozent umzurechnen musst Du mit 100 multiplizieren.")});
    NewTask();
}

wuerfeln::Task TfmWuerfeln::task() const
{
    wuerfeln::Task t;
    t.sixes = TaskValues[0];
    std::copy_n(TaskValues.begin() + 1, wuerfeln::Throws, t.faces.begin());
    return t;
}

void TfmWuerfeln::setTask(const wuerfeln::Task& t)
{
    TaskValues[0] = t.sixes;
    std::copy(t.faces.begin(), t.faces.end(), TaskValues.begin() + 1);
    PaintBox1->update();
    TaskChanged();
}

void TfmWuerfeln::NewTask()
{
    setTask(wuerfeln::MakeTask(Random()));
    Edit1->setText(QStringLiteral("0"));
    sbCheckIt->setEnabled(true);
}

void TfmWuerfeln::PaintBox1Paint(TCanvas& canvas)
{
    wuerfeln::DrawDice(canvas, *ImageList1, task().faces);
}

void TfmWuerfeln::CheckAnswer()
{
    const int32_t answer = StrToInt(Edit1->text());
    const int32_t sixes = task().sixes;
    Conclude(wuerfeln::IsRight(sixes, answer), wuerfeln::CorrectionText(sixes));
}
