#pragma once

#include "framework/Vorlage.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QTableWidget;
class TRandom;

namespace zins {

// One saving within a year of 360 days (every month has 30 days).
struct Record {
    int32_t capital;  // whole DM, 1000 .. 100500 in steps of 500
    int32_t rate;     // tenths of a per cent, 20 .. 69
    int32_t deposit;  // day number 0 .. 179
    int32_t payout;   // day number 180 .. 359
    int32_t interest; // Pfennig
};

// Shown in grid rows 1 to 4.
using Task = std::array<Record, 4>;

// The items of the variant list, in their order.
enum class Variant { Interest, Rate, Capital, PayoutDay };

// Four draws, in this order: capital, rate, deposit day, payout day.
Record MakeRecord(TRandom& random);
Task MakeTask(TRandom& random);

int32_t InterestDays(const Record& record);
// (rate / 1000 * capital) * (days * 100 / 360) in extended precision, each step
// rounded as it is formed, then to the nearest Pfennig with an exact half to even.
int32_t Interest(int32_t capital, int32_t rate, int32_t days);

// Day number n is day n mod 30 + 1 of month n div 30 + 1: 0 -> "1.1", 359 -> "30.12".
QString DateText(int32_t day);
QString RateText(int32_t rate);        // 25 -> "2,5"
QString InterestText(int32_t pfennig); // 1850 -> "18,5"
QStringList HeaderTexts();
QStringList RowTexts(const Record& record);

// The grid cell (column, row) that the variant asks for.
QPoint AskedCell(Variant variant);
// For screen readers: what the variant asks for and the rest of its row.
QString AskedRowText(const Task& task, Variant variant);
// What the answer field shows at the start of a task.
QString InitialAnswer(Variant variant);

// True when text is a valid decimal number (decimal comma) whose value is
// exactly units / 10^scale; compared digit by digit, not in binary floating point.
bool DecimalEquals(const QString& text, int32_t units, int scale);

// The text a pair of day and month lists gives: "15." and "9." give "15.9".
QString JoinedDate(const QString& day, const QString& month);

using Outcome = TOutcome;
using Verdict = TVerdict;

// Evaluates the answer of a variant: the entry field's text, or the joined date.
Verdict Check(Variant variant, const Task& task, const QString& answer);

} // namespace zins

class TfmZins : public TfmVorlage {
    Q_OBJECT
public:
    explicit TfmZins(QWidget* parent = nullptr);

    void FormCreate() override;
    void NewTask() override;
    void CheckAnswer() override;
    void ComboBox3Change();

    zins::Variant variant() const;
    zins::Task task() const;
    // Stores the records and shows them in the grid.
    void setTask(const zins::Task& task);

    TImage* Image1;
    QLabel* Label1;
    QTableWidget* StringGrid1;
    QLineEdit* Edit1;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QLabel* Label2;
    QComboBox* ComboBox3;

protected:
    void ResetEntry() override;

private:
    QString answerText(zins::Variant variant) const;
    void resetAnswer(zins::Variant variant);
    void markAskedCell();
};

extern TfmZins* fmZins;
