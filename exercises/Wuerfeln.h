#pragma once

#include "core/Wuerfeln.h"
#include "framework/Vorlage.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class QLineEdit;
class TCanvas;
class TImageList;

namespace wuerfeln {

// Draws each throw's face from the list into its cell; throws[k - 1] is throw k.
void DrawDice(TCanvas& canvas, const TImageList& faces, const std::array<int32_t, Throws>& throws);

} // namespace wuerfeln

class TfmWuerfeln : public TfmExercise<wuerfeln::Task> {
    Q_OBJECT
public:
    explicit TfmWuerfeln(QWidget* parent = nullptr);

    void CheckAnswer() override;
    void PaintBox1Paint(TCanvas& canvas);

    TPaintBox* PaintBox1;
    QLineEdit* Edit1;
    TUpDown* UpDown1;
    TImageList* ImageList1;

protected:
    wuerfeln::Task DrawTask() override;
    void ShowTask(const wuerfeln::Task& task) override;
};

extern TfmWuerfeln* fmWuerfeln;
