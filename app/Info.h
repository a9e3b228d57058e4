#pragma once

#include "platform/Canvas.h"
#include "platform/PaintBox.h"

#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <cstdint>

namespace info {

// A local date and time as days with the time of day as a fraction.
long double DayNumber(const QDateTime& local);
// Whole days from the reference date (midnight) to the file time, an exact half to even.
int64_t DaysBetween(const QDate& reference, const QDateTime& fileTime);
// The file time rounded to a whole day (from noon on, the following day).
QDate RoundedDay(const QDateTime& fileTime);
// German short date forms, whatever the system locale: "1.4.1999" in, "20.06.2002" out.
QDate ParseGermanDate(const QString& text);
QString GermanDate(const QDate& date);

} // namespace info

// The modal information dialog: icon, title, version with build number, file
// date, maker line and a gradient strip.
class TfmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfmInfo(QWidget* parent = nullptr);

    void FormCreate() {}

    QString DaysSince(const QString& date) const;
    void ShowProgramInfo(const QString& maker, const QString& version, const QString& build,
                         TColor top, TColor bottom);
    void ShowInfo(const QString& maker, const QString& version, const QString& build,
                  const QString& date, TColor top, TColor bottom);
    void FormShow();

    // The program file's last modification time; tests replace it.
    QDateTime FileTime() const;
    void setFileTime(const QDateTime& t) { m_fileTime = t; }

    TPaintBox* PaintBox1;
    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* Label1;
    QFrame* Bevel2;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QPushButton* Button1;

    TColor TopColour = 0;
    TColor BottomColour = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QDateTime m_fileTime;
};

extern TfmInfo* fmInfo;
