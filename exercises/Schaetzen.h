#pragma once

#include "core/Schaetzen.h"
#include "framework/Vorlage.h"

#include <QString>

#include <array>
#include <cstdint>

class QComboBox;

namespace schaetzen {

// Black circles, each under a sector in its colour that starts at twelve
// o'clock and grows counter-clockwise by its share.
void DrawCircles(TCanvas& canvas, const Task& task);

} // namespace schaetzen

class TfmSchaetzen : public TfmExercise<schaetzen::Task> {
    Q_OBJECT
public:
    explicit TfmSchaetzen(QWidget* parent = nullptr);

    void CheckAnswer() override;
    void PaintBox1Paint(TCanvas& canvas);

    TImage* Image1;
    TPaintBox* PaintBox1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;

protected:
    schaetzen::Task DrawTask() override;
    void ShowTask(const schaetzen::Task& task) override;
    void resizeEvent(QResizeEvent* event) override;
};

extern TfmSchaetzen* fmSchaetzen;
