#pragma once

#include "platform/Canvas.h"
#include "platform/Image.h"
#include "platform/PaintBox.h"
#include "platform/Panel.h"

#include <QDialog>
#include <QPushButton>
#include <QStringList>

#include <cstdint>
#include <vector>

class TShared;

// What the chart shows of a series: positions of the two bars, the series
// length, the exercise names, and the outcomes of attempts 1..attempts.
struct StatisticData {
    int attempts = 0;
    int successes = 0;
    int seriesLength = 20;
    QStringList names;
    std::vector<int32_t> outcomes; // outcomes[k - 1] is attempt k

    static StatisticData from(const TShared& shared);
};

QString SuccessRateText(int attempts, int successes);

// For screen readers: "1. Rabatt richtig, 2. Pauken falsch, ...".
QString SeriesText(const StatisticData& data);
// The chart: one row per exercise with its name and a line below, one column per
// attempt, a dot per attempt joined by a yellow path from the top-left corner.
void PaintStatistic(TCanvas& canvas, int width, int height, const StatisticData& data);

class TfmStatistic : public QDialog {
    Q_OBJECT
public:
    explicit TfmStatistic(QWidget* parent = nullptr);

    void FormCreate() {}
    void FormShow();

    TImage* Image1;
    TPaintBox* PaintBox1;
    TStaticText* StaticText1;
    QPushButton* BitBtn1;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TfmStatistic* fmStatistic;
