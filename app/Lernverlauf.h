#pragma once

#include "record/LearningRecord.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class TShareChart;

// The program's learning record, created at first use (the file is opened
// later still, at the first counted attempt or when the window opens).
TLearningRecord& LearningRecord();
// Replaces the record (tests point it elsewhere); null frees it.
void SetLearningRecord(std::unique_ptr<TLearningRecord> record);
// Writes a counted attempt of the exercise at tab `tab` unless recording is off.
void RecordAttempt(int tab, bool right, int attempt);
// Whether attempts are recorded, as the pupil or the school set it.
bool RecordingOn();
bool RecordingSetBySchool();
void SetRecording(bool on);
// The exercises' keys, in tab order, and the name shown for a key.
QStringList ExerciseKeys();
QString ExerciseNameOfKey(const QString& key);
// Writes the record as CSV to `file`: the same for the menu and the command line.
bool ExportLearningRecord(const QString& file, QString* error);
// Runs `prozentrechnung --export-lernverlauf FILE` when `args` ask for it: the
// exit status, or -1 when they do not.
int RunCommandLine(const QStringList& args);

// "Lernverlauf": per exercise the attempts and the share right, overall and for
// the last seven days, and the share right per day over the last four weeks.
class TfmLernverlauf : public QDialog {
    Q_OBJECT
public:
    explicit TfmLernverlauf(QWidget* parent = nullptr);

    // Reads the record and shows it as of `nowUtc`.
    void ShowRecord(const QDateTime& nowUtc);
    // Days in the chart.
    static constexpr int ChartDays = 28;

    QLabel* StatusText;
    QTableWidget* Table;
    TShareChart* Chart;
    QPushButton* ExportButton;
    QPushButton* ClearButton;
    QPushButton* OkButton;

protected:
    void showEvent(QShowEvent* event) override;
};

// Per exercise: "12 Versuche, 75 % richtig", or a dash for none.
QString TallyText(const lernverlauf::Tally& tally);
// The chart's values as a screen reader reads them.
QString ChartDescription(const std::vector<lernverlauf::DayTally>& days);

// The window, made at its first showing.
extern TfmLernverlauf* fmLernverlauf;
void ShowLernverlauf(QWidget* parent);
// The menu's "Lernverlauf exportieren …" and "Lernverlauf löschen …".
void ExportLernverlaufWithDialog(QWidget* parent);
void ClearLernverlaufAfterAsking(QWidget* parent);
