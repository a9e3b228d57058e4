#include "app/Info.h"

#include "core/Numbers.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"
#include "platform/MakeChild.h"
#include "platform/WindowPlacement.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QRegularExpression>
#include <QScreen>
#include <QShowEvent>

TfmInfo* fmInfo = nullptr;

namespace info {

long double DayNumber(const QDateTime& local)
{
    return static_cast<long double>(local.date().toJulianDay()) +
           static_cast<long double>(local.time().msecsSinceStartOfDay()) / 86400000.0L;
}

int64_t DaysBetween(const QDate& reference, const QDateTime& fileTime)
{
    return RoundEven(DayNumber(fileTime) - static_cast<long double>(reference.toJulianDay()));
}

QDate RoundedDay(const QDateTime& fileTime)
{
    return QDate::fromJulianDay(RoundEven(DayNumber(fileTime)));
}

QDate ParseGermanDate(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2,4})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return {};
    int year = m.captured(3).toInt();
    if (m.captured(3).size() <= 2)
        year += year < 50 ? 2000 : 1900;
    return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
}

QString GermanDate(const QDate& date)
{
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace info

TfmInfo::TfmInfo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("fmInfo"));
    setWindowTitle(QStringLiteral("fmInfo"));
    setModal(true);
    setFixedSize(381, 224);
    setFont(PixelFont(QStringLiteral("Tahoma"), 11));

    PaintBox1 = MakeChild<TPaintBox>(this, "PaintBox1", 8, 8, 57, 209);
    PaintBox1->OnPaint = [this](TCanvas& canvas) {
        FillGradient(canvas, TopColour, BottomColour, PaintBox1->width(), PaintBox1->height(), 4);
    };
    Bevel1 = MakeChild<QFrame>(this, "Bevel1", 8, 8, 57, 209);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Image1 = MakeChild<QLabel>(this, "Image1", 16, 16, 32, 32);
    SetAccessibleTexts(PaintBox1, QStringLiteral("Farbverlauf"), QString());
    SetAccessibleTexts(Image1, QStringLiteral("Programmsymbol"), QString());

    const QFont normal = PixelFont(QStringLiteral("Tahoma"), 13);
    Label1 = MakeChild<QLabel>(this, "Label1", 80, 8, 77, 33, QStringLiteral("Label1"));
    Label1->setFont(PixelFont(QStringLiteral("Tahoma"), 27));
    Bevel2 = MakeChild<QFrame>(this, "Bevel2", 80, 176, 293, 10);
    Bevel2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel2->setGeometry(80, 176, 293, 2);
    Label2 = MakeChild<QLabel>(this, "Label2", 96, 48, 37, 16, QStringLiteral("Label1"));
    Label3 = MakeChild<QLabel>(this, "Label3", 96, 76, 37, 16, QStringLiteral("Label1"));
    Label4 = MakeChild<QLabel>(this, "Label4", 124, 116, 37, 16, QStringLiteral("Label1"));
    for (QLabel* l : {Label2, Label3, Label4})
        l->setFont(normal);

    Button1 = MakeChild<QPushButton>(this, "Button1", 300, 196, 75, 25, QStringLiteral("OK"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

QDateTime TfmInfo::FileTime() const
{
    if (m_fileTime.isValid())
        return m_fileTime;
    return QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
}

QString TfmInfo::DaysSince(const QString& date) const
{
    const QDate reference = info::ParseGermanDate(date);
    if (!reference.isValid())
        return QStringLiteral("0");
    return QString::number(info::DaysBetween(reference, FileTime()));
}

void TfmInfo::ShowProgramInfo(const QString& maker, const QString& version, const QString& build,
                              TColor top, TColor bottom)
{
    ShowInfo(maker, version, build, info::GermanDate(info::RoundedDay(FileTime())), top, bottom);
}

void TfmInfo::ShowInfo(const QString& maker, const QString& version, const QString& build,
                       const QString& date, TColor top, TColor bottom)
{
    Label2->setText(QStringLiteral("Version %1 (%2)").arg(version, build));
    Label3->setText(QStringLiteral("vom %1").arg(date));
    Label4->setText(QStringLiteral("© %1 %2").arg(FileTime().date().year()).arg(maker));
    for (QLabel* l : {Label2, Label3, Label4})
        l->adjustSize();
    TopColour = top;
    BottomColour = bottom;
    exec();
}

void TfmInfo::FormShow()
{
    const QString title = ApplicationTitle();
    setWindowTitle(QStringLiteral("Info über %1").arg(title));
    Image1->setPixmap(QGuiApplication::windowIcon().pixmap(32, 32));
    Label1->setText(title);
    Label1->adjustSize();
}

void TfmInfo::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        FormShow();
        CenterOnScreen(this);
    }
    QDialog::showEvent(event);
}
