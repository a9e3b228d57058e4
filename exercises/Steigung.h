#pragma once

#include "core/Steigung.h"
#include "framework/Vorlage.h"

#include <QString>

#include <array>
#include <cstdint>

class QComboBox;
class TCanvas;

namespace steigung {

// The profile with its section marks and height lines; one pixel is one metre,
// ground level at y = 350. Uses the canvas's pen and font as they are.
void DrawProfile(TCanvas& canvas, const Task& task);

} // namespace steigung

class TfmSteigung : public TfmExercise<steigung::Task> {
    Q_OBJECT
public:
    explicit TfmSteigung(QWidget* parent = nullptr);

    void CheckAnswer() override;

    void PaintBox2Paint(TCanvas& canvas);

    TImage* Image1;
    TPaintBox* PaintBox2;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;

protected:
    steigung::Task DrawTask() override;
    void ShowTask(const steigung::Task& task) override;
};

extern TfmSteigung* fmSteigung;
