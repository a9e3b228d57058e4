#include "exercises/Wachstum.h"

#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "xshape/Diagram.h"

#include <QComboBox>
#include <QTimer>

TfmWachstum* fmWachstum = nullptr;

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
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmWachstum"));
    setWindowTitle(QStringLiteral("Wachstum"));

    Diagram1 = MakeChild<TDiagram>(this, "Diagram1", 0, 0, 792, 406);
    Diagram1->SetUp(wachstum::Chart);
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
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3}) {
        SetPickList(box);
        for (int32_t g = 0; g <= 5; ++g)
            box->addItem(wachstum::ItemText(g));
        box->setCurrentIndex(-1);
    }
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);

    describeForScreenReaders();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { RunHandler([this] { Timer1Timer(); }); });

    laTaskText->setText(QStringLiteral("Schätze jeweils das prozentuale Wachstum"));

    setAnimatesTask(true);
    setClientSize(792, 445);
    setAnswerControls({ComboBox1, ComboBox2, ComboBox3});
}

void TfmWachstum::describeForScreenReaders()
{
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
        return wachstum::HeightsText(heights, task());
    });
}

void TfmWachstum::NewTask()
{
    AnimStep = 0;
    TfmExercise::NewTask();
    Timer1->start();
}

void TfmWachstum::Timer1Timer()
{
    if (AnimStep >= wachstum::AnimSteps) {
        sbCheckIt->setEnabled(true);
        Timer1->stop();
        return;
    }
    ++AnimStep;
    const wachstum::Steps s = task();
    const std::array<std::pair<TImage*, TImage*>, 3> pairs = {
        {{Image2, Image1}, {Image4, Image3}, {Image6, Image5}}};
    for (int i = 0; i < 3; ++i) {
        TImage* const grower = pairs[i].second;
        const int32_t h = wachstum::GrownHeight(pairs[i].first->height(), AnimStep, s[i]);
        const int32_t bottom = grower->y() + grower->height();
        grower->setGeometry(grower->x(), bottom - h, grower->width(), h);
    }
}

wachstum::Steps TfmWachstum::DrawTask()
{
    return wachstum::MakeTask(Random());
}

void TfmWachstum::ShowTask(const wachstum::Steps& task)
{
    // The next animation grows the plants by the steps.
    Q_UNUSED(task);
}

void TfmWachstum::CheckAnswer()
{
    const wachstum::Steps s = task();
    const bool right = ComboBox1->currentIndex() == s[0] && ComboBox2->currentIndex() == s[1] &&
                       ComboBox3->currentIndex() == s[2];
    Conclude(right, wachstum::CorrectionText(s));
}
