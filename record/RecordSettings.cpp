#include "record/RecordSettings.h"

#include "record/LearningRecord.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace {

QString CannotWrite(const QString& file)
{
    const QFileInfo dir(QFileInfo(file).absolutePath());
    if (!dir.isDir())
        return QStringLiteral("„%1“ lässt sich nicht schreiben: den Ordner „%2“ gibt es nicht")
            .arg(file, dir.filePath());
    if (!dir.isWritable())
        return QStringLiteral("„%1“ lässt sich nicht schreiben: in den Ordner „%2“ darf nicht "
                              "geschrieben werden")
            .arg(file, dir.filePath());
    return QStringLiteral("„%1“ lässt sich nicht schreiben").arg(file);
}

const QString Organization = QStringLiteral("prozentrechnung");
const QString Key = QStringLiteral("Lernverlauf/aufzeichnen");

} // namespace

RecordingSwitch ReadRecordingSwitch()
{
    const QSettings school(QSettings::NativeFormat, QSettings::SystemScope, Organization,
                           Organization);
    if (school.contains(Key) && !school.value(Key).toBool())
        return {false, true};
    QSettings pupil(QSettings::NativeFormat, QSettings::UserScope, Organization, Organization);
    pupil.setFallbacksEnabled(false);
    return {pupil.value(Key, true).toBool(), false};
}

void SetRecordingOn(bool on)
{
    QSettings pupil(QSettings::NativeFormat, QSettings::UserScope, Organization, Organization);
    pupil.setValue(Key, on);
}

QString CsvField(const QString& text)
{
    QString t = text;
    t.remove(QChar(0));
    if (!t.isEmpty() && QStringLiteral("=+-@\t\r").contains(t.front()))
        t.prepend(QLatin1Char('\''));
    if (t.contains(QLatin1Char(';')) || t.contains(QLatin1Char('"')) ||
        t.contains(QLatin1Char('\n')) || t.contains(QLatin1Char('\r'))) {
        t.replace(QLatin1String("\""), QLatin1String("\"\""));
        t = QLatin1Char('"') + t + QLatin1Char('"');
    }
    return t;
}

bool ExportCsv(TLearningRecord& record, const QStringList& keys,
               const std::function<QString(const QString&)>& nameOf, const QString& file,
               QString* error)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = CannotWrite(file);
        return false;
    }
    QByteArray text = "Datum;Uhrzeit;Aufgabe;richtig\r\n";
    const bool read = record.ForEach(keys, [&](const lernverlauf::Attempt& a) {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(a.atMs).toLocalTime();
        text +=
            (at.toString(QStringLiteral("dd.MM.yyyy;HH:mm:ss;")) + CsvField(nameOf(a.exercise)) +
             (a.right ? QStringLiteral(";1\r\n") : QStringLiteral(";0\r\n")))
                .toUtf8();
    });
    if (!read) {
        if (error)
            *error =
                QStringLiteral("Der Lernverlauf „%1“ lässt sich nicht lesen").arg(record.path());
        out.cancelWriting();
        return false;
    }
    if (out.write(text) != text.size() || !out.commit()) {
        if (error)
            *error = CannotWrite(file);
        return false;
    }
    return true;
}
