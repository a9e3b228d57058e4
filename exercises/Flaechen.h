#pragma once

#include "core/Flaechen.h"
#include "framework/Vorlage.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

class QComboBox;

class TfmFlaechen : public TfmExercise<flaechen::Task> {
    Q_OBJECT
public:
    explicit TfmFlaechen(QWidget* parent = nullptr);

    void CheckAnswer() override;

    TShape* Shape1;
    QLabel* Label1;
    QLabel* Label2;
    TShape* Shape2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QComboBox* ComboBox1;

protected:
    flaechen::Task DrawTask() override;
    void ShowTask(const flaechen::Task& task) override;
};

extern TfmFlaechen* fmFlaechen;
