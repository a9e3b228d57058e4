#pragma once

#include "framework/Vorlage.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

class QComboBox;
class TRandom;

namespace flaechen {

// Ten pixels make one length unit of the task.
constexpr int PixelsPerUnit = 10;

struct Task {
    QRect blue; // the large rectangle
    QRect red;  // the small one inside it
};

// Six draws, in this order: blue width, blue height, red left offset, red top
// offset, red width, red height. The blue rectangle keeps its top-left corner.
Task MakeTask(TRandom& random, QPoint blueTopLeft);

// Caption and top-left corner of a length label.
struct LengthLabel {
    QString caption;
    QPoint pos;
};

// Label1 .. Label4: blue height, blue width, red height, red width. Placed as if
// every character were 8 pixels wide, so the layout does not depend on the font.
std::array<LengthLabel, 4> LengthLabels(const Task& task);

// For screen readers: "50 breit und 25 hoch", in length units.
QString SizeText(const QRect& rectangle);
// Red area in per cent of the blue area, an exact half to even.
int32_t ExpectedPercent(const Task& task);
// The picked item's index is its value; -1 (nothing picked) is never right.
bool IsRight(const Task& task, int pickedIndex);
QString CorrectionText(int32_t expected);

} // namespace flaechen

class TfmFlaechen : public TfmVorlage {
    Q_OBJECT
public:
    explicit TfmFlaechen(QWidget* parent = nullptr);

    void FormCreate() override;
    void NewTask() override;
    void CheckAnswer() override;

    // The task lives in the geometry of the two shapes.
    flaechen::Task task() const;
    void setTask(const flaechen::Task& task);

    TShape* Shape1;
    QLabel* Label1;
    QLabel* Label2;
    TShape* Shape2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QComboBox* ComboBox1;
};

extern TfmFlaechen* fmFlaechen;
