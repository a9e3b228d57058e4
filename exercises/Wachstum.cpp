#include "exercises/Wachstum.h"

#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "xshape/Diagram.h"

#include <QComboBox>
#include <QTimer>

TfmWachstum* fmWachstum = nullptr;

namespace wachstum {

Steps MakeTask(TRandom& random)
{
    Steps s;
    for (int32_t& g : s)
        g = random.range(0, 5);
    return s;
}

int32_t GrownHeight(int32_t referenceHeight, int32_t animStep, int32_t step)
{
    const Extended factor = static_cast<Extended>(animStep) / AnimSteps * step / 4 + 1;
    return static_cast<int32_t>(RoundEven(factor * referenceHeight));
}

QString ItemText(int32_t step)
{
    return QString::number(25 * step);
}

QString CorrectionText(const Steps& steps)
{
    QString text = QStringLiteral("Richtig wäre : ");
    for (int32_t g : steps)
        text += ItemText(g) + QStringLiteral("% ");
    return text;
}

QString HeightsText(const std::array<int32_t, 3>& referenceHeights, const Steps& steps)
{
    QStringList parts;
    for (size_t i = 0; i < 3; ++i) {
        const int32_t before = referenceHeights[i];
        parts << QStringLiteral("%1: vorher %2, nachher %3 Bildpunkte hoch")
                     .arg(QLatin1String(PlantNames[i]))
                     .arg(before)
                     .arg(GrownHeight(before, AnimSteps, steps[i]));
    }
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

} // namespace wachstum

namespace {

TImage* Picture(QWidget* parent, const char* name, int left, int top, int height,
                const QString& svg)
{
    TImage* image = MakeChild<TImage>(parent, name, left, top, 77, height);
    image->loadSvg(svg);
    return image;
}

} // namespace

TfmWachstum::TfmWachstum(QWidget* parent)
    : TfmVorlage(parent)
{
    setObjectName(QStringLiteral("fmWachstum"));
    setWindowTitle(QStringLiteral("Wachstum"));

    Diagram1 = MakeChild<TDiagram>(this, "Diagram1", 0, 0, 792, 406);
    Diagram1->setColor(0x808000);
    Diagram1->setXMin(-4);
    Diagram1->setXMax(5);
    Diagram1->setYMin(-4);
    Diagram1->setYMax(20);
    Diagram1->setXMarkLE(1);
    Diagram1->setYMarkLE(1);
    Diagram1->setXGridLE(0.5);
    Diagram1->setYGridLE(0.5);
    Diagram1->setXTextLE(100);
    Diagram1->setYTextLE(100);
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPixelSize(11);
    Diagram1->Font().setFont(labelFont);
    Diagram1->Font().setColor(clr::Black);
    Diagram1->setArrowSize(4);
    Diagram1->AxePen().setWidth(2);
    Diagram1->AxePen().setStyle(TPenStyle::Clear);
    Diagram1->MarkPen().setStyle(TPenStyle::Clear);
    Diagram1->GridPen().setColor(0x400040);
    Diagram1->GridPen().setStyle(TPenStyle::Dot);
    Diagram1->GridPen().setMode(TPenMode::Mask);
    Diagram1->setDisplayGrid(true);
    Diagram1->setTransparent(false);
    alignLayout()->addAligned(Diagram1, TAlign::Client);

    const QString tree = QStringLiteral(":/wachstum-baum.svg");
    const QString flower = QStringLiteral(":/wachstum-blume.svg");
    const QString cactus = QStringLiteral(":/wachstum-kaktus.svg");
    Image1 = Picture(this, "Image1", 160, 246, 120, tree);
    Image2 = Picture(this, "Image2", 84, 246, 120, tree);

    // The ground: a raised line along the top edge, highlight above shadow.
    Bevel1 = MakeChild<TPaintBox>(this, "Bevel1", 4, 364, 781, 13);
    Bevel1->OnPaint = [this](TCanvas& canvas) {
        const int w = Bevel1->width();
        canvas.Pen.setWidth(1);
        canvas.Pen.setColor(clr::White);
        canvas.MoveTo(0, 0);
        canvas.LineTo(w, 0);
        canvas.Pen.setColor(clr::Gray);
        canvas.MoveTo(0, 1);
        canvas.LineTo(w, 1);
    };

    Image3 = Picture(this, "Image3", 396, 200, 166, flower);
    Image4 = Picture(this, "Image4", 316, 200, 166, flower);
    Image5 = Picture(this, "Image5", 636, 272, 94, cactus);
    Image6 = Picture(this, "Image6", 556, 272, 94, cactus);

    ComboBox1 = MakeChild<QComboBox>(this, "ComboBox1", 116, 374, 87, 24);
    ComboBox2 = MakeChild<QComboBox>(this, "ComboBox2", 356, 374, 87, 24);
    ComboBox3 = MakeChild<QComboBox>(this, "ComboBox3", 592, 374, 87, 24);
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        SetPickList(box);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);

    SetAccessibleTexts(Bevel1, QStringLiteral("Boden"), QString());
    const std::array<std::pair<TImage*, TImage*>, 3> pairs = {
        {{Image2, Image1}, {Image4, Image3}, {Image6, Image5}}};
    const std::array<QComboBox*, 3> boxes{ComboBox1, ComboBox2, ComboBox3};
    for (size_t i = 0; i < 3; ++i) {
        const QString plant = QLatin1String(wachstum::PlantNames[i]);
        SetAccessibleTexts(pairs[i].first, plant + QStringLiteral(" vorher"), QString());
        SetAccessibleTexts(pairs[i].second, plant + QStringLiteral(" nachher"), QString());
        SetAccessibleTexts(boxes[i], QStringLiteral("Wachstum %1").arg(plant), QString());
    }
    DescribeDrawing(Diagram1, QStringLiteral("Drei Pflanzenpaare"), [this, pairs] {
        std::array<int32_t, 3> heights{};
        for (size_t i = 0; i < 3; ++i)
            heights[i] = pairs[i].first->height();
        return wachstum::HeightsText(heights, steps());
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { RunHandler([this] { Timer1Timer(); }); });

    laTaskText->setText(QStringLiteral("Schätze jeweils das prozentuale Wachstum"));

    setClientSize(792, 445);
}

void TfmWachstum::FormCreate()
{
    TfmVorlage::FormCreate();
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3}) {
        box->clear();
        for (int32_t g = 0; g <= 5; ++g)
            box->addItem(wachstum::ItemText(g));
        box->setCurrentIndex(-1);
    }
    // No task yet: the main window asks for the first one when the tab is chosen.
}

wachstum::Steps TfmWachstum::steps() const
{
    return {TaskValues[1], TaskValues[2], TaskValues[3]};
}

void TfmWachstum::NewTask()
{
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        box->setCurrentIndex(-1);
    AnimStep = 0;
    setSteps(wachstum::MakeTask(Random()));
    Timer1->start();
}

void TfmWachstum::setSteps(const wachstum::Steps& s)
{
    TaskValues[1] = s[0];
    TaskValues[2] = s[1];
    TaskValues[3] = s[2];
    TaskChanged();
}

void TfmWachstum::Timer1Timer()
{
    if (AnimStep >= wachstum::AnimSteps) {
        sbCheckIt->setEnabled(true);
        Timer1->stop();
        return;
    }
    ++AnimStep;
    const wachstum::Steps s = steps();
    const std::array<std::pair<TImage*, TImage*>, 3> pairs = {
        {{Image2, Image1}, {Image4, Image3}, {Image6, Image5}}};
    for (int i = 0; i < 3; ++i) {
        TImage* const grower = pairs[i].second;
        const int32_t h = wachstum::GrownHeight(pairs[i].first->height(), AnimStep, s[i]);
        const int32_t bottom = grower->y() + grower->height();
        grower->setGeometry(grower->x(), bottom - h, grower->width(), h);
    }
}

void TfmWachstum::CheckAnswer()
{
    const wachstum::Steps s = steps();
    const bool right = ComboBox1->currentIndex() == s[0] && ComboBox2->currentIndex() == s[1] &&
                       ComboBox3->currentIndex() == s[2];
    Conclude(right, wachstum::CorrectionText(s));
}
