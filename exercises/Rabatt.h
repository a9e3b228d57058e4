#pragma once

#include "framework/Vorlage.h"

#include <QString>

#include <cstdint>

class QLineEdit;
class TRandom;

namespace rabatt {

struct Task {
    int32_t price;     // list price in whole euros, 800 .. 2700 in steps of 100
    int32_t discount1; // per cent, 5 .. 30 in steps of 5
    int32_t discount2; // per cent on the price after the first discount
};

// Three draws, in this order: price, first discount, second discount.
Task MakeTask(TRandom& random);
QString TaskText(const Task& task);
// P * (100 - d1) * (100 - d2) / 10000 in exact integers, an exact half to even.
int32_t ExpectedPrice(const Task& task);
bool IsRight(const Task& task, int32_t answer);
QString CorrectionText(int32_t expected);

} // namespace rabatt

class TfmRabatt : public TfmVorlage {
    Q_OBJECT
public:
    explicit TfmRabatt(QWidget* parent = nullptr);

    void FormCreate() override;
    void NewTask() override;
    void CheckAnswer() override;

    rabatt::Task task() const;
    // Keeps the task and shows its text.
    void setTask(const rabatt::Task& task);

    TImage* Image1;
    TStaticText* StaticText1;
    QLabel* Label1;
    QLineEdit* Edit1;
    TUpDown* UpDown1;
};

extern TfmRabatt* fmRabatt;
