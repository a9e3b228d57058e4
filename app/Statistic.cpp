#include "app/Statistic.h"

#include "core/Numbers.h"
#include "framework/share2.h"
#include "platform/Accessible.h"
#include "platform/AlignLayout.h"
#include "platform/MakeChild.h"
#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include <cstdlib>

TfmStatistic* fmStatistic = nullptr;

StatisticData StatisticData::from(const TShared& shared)
{
    StatisticData d;
    d.attempts = shared.Attempts();
    d.successes = shared.Successes();
    d.seriesLength = shared.SeriesLength();
    d.names = shared.ExerciseNames();
    const int stored = std::min<int>(d.attempts, static_cast<int>(shared.Outcomes.size()) - 1);
    for (int k = 1; k <= stored; ++k)
        d.outcomes.push_back(shared.Outcomes[static_cast<size_t>(k)]);
    return d;
}

QString SuccessRateText(int attempts, int successes)
{
    if (attempts == 0)
        return QStringLiteral("Es wurden noch keine Aufgaben gerechnet");
    const auto q = RoundEven(static_cast<Extended>(successes) * 100 / attempts);
    return QStringLiteral("Die Erfolgsquote beträgt %1%").arg(q);
}

QString SeriesText(const StatisticData& data)
{
    QStringList attempts;
    for (size_t k = 0; k < data.outcomes.size(); ++k) {
        const int32_t v = data.outcomes[k];
        const int row = std::abs(v) - 1;
        if (v == 0 || row >= data.names.size())
            continue;
        attempts << QStringLiteral("%1. %2 %3")
                        .arg(k + 1)
                        .arg(data.names[row],
                             v > 0 ? QStringLiteral("richtig") : QStringLiteral("falsch"));
    }
    return attempts.join(QStringLiteral(", "));
}

void PaintStatistic(TCanvas& canvas, int width, int height, const StatisticData& data)
{
    const int rows = static_cast<int>(data.names.size());
    if (rows <= 0 || data.seriesLength <= 0)
        return;
    canvas.SetBkModeTransparent(true);
    canvas.Font.setColor(clr::White);
    const int r = height / rows;
    const int c = width / data.seriesLength;
    const int d = c < r ? c : r;

    for (int i = 1; i <= rows; ++i) {
        canvas.MoveTo(0, i * r);
        canvas.LineTo(width, i * r);
        canvas.TextOut(2, (i - 1) * r, data.names[i - 1]);
    }

    canvas.MoveTo(0, 0);
    for (size_t k = 0; k < data.outcomes.size(); ++k) {
        const int32_t v = data.outcomes[k];
        if (v == 0)
            continue;
        canvas.Brush.setColor(v < 0 ? clr::Red : clr::Lime);
        const int x = static_cast<int>(k) * c;
        const int y = (std::abs(v) - 1) * r + (r - d) / 2;
        const int cx = x + d / 2;
        const int cy = y + d / 2;
        canvas.Pen.setColor(clr::Yellow);
        canvas.Pen.setWidth(3);
        canvas.LineTo(cx, cy);
        canvas.Pen.setColor(clr::Black);
        canvas.Pen.setWidth(1);
        canvas.Ellipse(x + 2, y + 2, x + d - 4, y + d - 4);
    }
}

TfmStatistic::TfmStatistic(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmStatistic"));
    setWindowTitle(QStringLiteral("Statistik"));
    setModal(true);
    // The client area of a 608 x 394 window with a classic frame.
    resize(600, 367);

    Image1 = MakeChild<TImage>(this, "Image1", -2, -1, 602, 330);
    Image1->setImageFile(QStringLiteral(":/statistic.jpg"));
    SetAccessibleTexts(Image1, QStringLiteral("Hintergrundbild"), QString());
    PaintBox1 = MakeChild<TPaintBox>(this, "PaintBox1", 0, 0, 600, 330);
    PaintBox1->OnPaint = [this](TCanvas& canvas) {
        if (Shared)
            PaintStatistic(canvas, PaintBox1->width(), PaintBox1->height(),
                           StatisticData::from(*Shared));
    };
    auto* layout = new TAlignLayout(this);
    layout->addAligned(PaintBox1, TAlign::Top);

    StaticText1 = MakeChild<TStaticText>(this, "StaticText1", 2, 344, 375, 19);
    StaticText1->setText(QStringLiteral("Erfolgsquote"));
    StaticText1->setAlignment(Qt::AlignCenter);

    BitBtn1 = MakeChild<QPushButton>(this, "BitBtn1", 482, 338, 101, 27, QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmStatistic::FormShow()
{
    StaticText1->setText(Shared ? SuccessRateText(Shared->Attempts(), Shared->Successes())
                                : SuccessRateText(0, 0));
    SetAccessibleTexts(PaintBox1, QStringLiteral("Verlauf der Serie"),
                       Shared ? SeriesText(StatisticData::from(*Shared)) : QString());
}

void TfmStatistic::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        // Looking the icon up in the desktop's theme is slow; it waits for the first showing.
        if (BitBtn1->icon().isNull())
            BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        FormShow();
        CenterOnScreen(this);
    }
    QDialog::showEvent(event);
}
