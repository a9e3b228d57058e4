#pragma once

#include <QString>

#include <functional>

class TLearningRecord;

// Whether attempts are recorded: the pupil's choice, unless the system-wide
// configuration ($XDG_CONFIG_DIRS/prozentrechnung/prozentrechnung.conf, key
// "Lernverlauf/aufzeichnen") turns recording off for everyone.
struct RecordingSwitch {
    bool on = true;
    bool setBySchool = false;
};

RecordingSwitch ReadRecordingSwitch();
// Keeps the pupil's choice; has no effect on a school's setting.
void SetRecordingOn(bool on);

// The attempts of the exercises `names` (stable key -> name shown) as CSV for
// a spreadsheet: UTF-8, a header row, semicolons, local date and time.
// Writes `file` whole or not at all; on failure `error` says why, in German.
bool ExportCsv(TLearningRecord& record, const QStringList& keys,
               const std::function<QString(const QString&)>& nameOf, const QString& file,
               QString* error);
// One CSV field: quoted when it holds a separator, a quote or a line break;
// a leading character that a spreadsheet would take for a formula is escaped.
QString CsvField(const QString& text);
