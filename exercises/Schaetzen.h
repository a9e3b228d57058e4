#pragma once

#include "framework/Vorlage.h"

#include <QString>

#include <array>
#include <cstdint>

class QComboBox;
class TRandom;

namespace schaetzen {

// The shares in per cent that the circles show; the lists offer them in this order.
constexpr std::array<int32_t, 12> Shares{0, 10, 20, 25, 33, 40, 50, 67, 75, 80, 90, 100};
constexpr int32_t ShareCount = static_cast<int32_t>(Shares.size());

// Index into Shares for the left, middle and right circle.
using Task = std::array<int32_t, 3>;

// Three draws, left circle first; shares may repeat.
Task MakeTask(TRandom& random);
// Black circles, each under a sector in its colour that starts at twelve
// o'clock and grows counter-clockwise by its share.
void DrawCircles(TCanvas& canvas, const Task& task);
// Picked list positions against the task; no pick (-1) is never right.
bool IsRight(const Task& task, const std::array<int, 3>& picked);
// What a screen reader tells of the circles: each sector's colour and angle,
// "Kreis 1, orange: 144 von 360 Grad. Kreis 2, ...".
QString SectorsText(const Task& task);
// "25% 67% 10% ": the three right shares, each followed by a percent sign and a blank.
QString CorrectionText(const Task& task);

} // namespace schaetzen

class TfmSchaetzen : public TfmVorlage {
    Q_OBJECT
public:
    explicit TfmSchaetzen(QWidget* parent = nullptr);

    void FormCreate() override;
    void NewTask() override;
    void CheckAnswer() override;
    void PaintBox1Paint(TCanvas& canvas);

    schaetzen::Task task() const;
    // Keeps the task and redraws the circles.
    void setTask(const schaetzen::Task& task);

    TImage* Image1;
    TPaintBox* PaintBox1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

extern TfmSchaetzen* fmSchaetzen;
