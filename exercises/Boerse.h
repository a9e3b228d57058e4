#pragma once

#include "core/Boerse.h"
#include "framework/Vorlage.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QComboBox;
class TXShape;

class TfmBoerse : public TfmExercise<boerse::Task> {
    Q_OBJECT
public:
    explicit TfmBoerse(QWidget* parent = nullptr);

    void CheckAnswer() override;
    void PaintBox1Paint(TCanvas& canvas);

    TXShape* XShape1;
    TPaintBox* PaintBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;

protected:
    boerse::Task DrawTask() override;
    void ShowTask(const boerse::Task& task) override;
};

extern TfmBoerse* fmBoerse;
