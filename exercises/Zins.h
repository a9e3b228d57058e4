#pragma once

#include "core/Zins.h"
#include "framework/Vorlage.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QTableWidget;

class TfmZins : public TfmExercise<zins::Task> {
    Q_OBJECT
public:
    explicit TfmZins(QWidget* parent = nullptr);

    void CheckAnswer() override;
    // Shows the chosen variant's answer controls and makes a new task.
    void ComboBox3Change();

    zins::Variant variant() const;

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
    zins::Task DrawTask() override;
    void ShowTask(const zins::Task& task) override;
    void ResetAnswer() override;
    void ResetEntry() override;

private:
    // Colours, tab order and names of the answer controls.
    void settleAnswers();
    // Red, in a bold font; the bottom panel keeps the template's.
    void setLook();
    // The entry field of a variant, or none for the payout day's two lists.
    QLineEdit* answerEdit(zins::Variant variant) const;
    void showVariant();
    void markAskedCell();
};

extern TfmZins* fmZins;
