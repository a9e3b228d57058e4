#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace lernverlauf {

// One counted attempt: when (milliseconds since the epoch, UTC), which
// exercise (its stable key), right or wrong, and the series it belongs to (the
// time of the series' first attempt).
struct Attempt {
    qint64 atMs = 0;
    QString exercise;
    bool right = false;
    qint64 series = 0;
};

struct Tally {
    int attempts = 0;
    int right = 0;
};

struct ExerciseTally {
    QString exercise;
    Tally overall;
    Tally lastWeek;
};

struct DayTally {
    QDate day;
    Tally tally;
};

// What the record holds, for the known exercises only: per exercise, overall
// and for the last seven days, and per local day since `since`.
struct Summary {
    std::vector<ExerciseTally> exercises;
    std::vector<DayTally> days;
    bool empty() const;
};

// The schema version this program writes.
constexpr int SchemaVersion = 2;

enum class Status {
    Unopened,
    Writable,
    // Read, never written: a newer program's record, or a file the pupil may not write.
    ReadOnly,
    Unavailable,
};

} // namespace lernverlauf

class QSqlError;

// The pupil's learning record: an SQLite file, opened at first use. Every fault
// of the file costs at most the attempt being written and one message.
class TLearningRecord {
public:
    explicit TLearningRecord(QString path = DefaultPath());
    ~TLearningRecord();
    TLearningRecord(const TLearningRecord&) = delete;
    TLearningRecord& operator=(const TLearningRecord&) = delete;

    // $XDG_DATA_HOME/prozentrechnung/lernverlauf.sqlite
    static QString DefaultPath();
    const QString& path() const { return m_path; }

    // Writes one attempt; false when it was not written.
    bool Add(const lernverlauf::Attempt& attempt);
    // The tallies of the exercises `known` (rows of other keys are skipped) as
    // of `nowUtc`; days from `days` - 1 days before today up to today.
    lernverlauf::Summary Summarize(const QStringList& known, const QDateTime& nowUtc, int days);
    // Every attempt of the exercises `known`, oldest first; false when the
    // record cannot be read.
    bool ForEach(const QStringList& known,
                 const std::function<void(const lernverlauf::Attempt&)>& visit);
    // Removes every attempt.
    bool Clear();

    lernverlauf::Status status() const;
    // Opens the record now (the window does, to say what it holds).
    lernverlauf::Status Open();

    // Receives the messages for the pupil; each kind of fault is told once.
    std::function<void(const QString&)> OnMessage;
    // Lets the file grow to `pages` pages at most, as a full disk would (tests);
    // takes effect when the file is opened.
    void SetPageLimit(int pages) { m_pageLimit = pages; }

private:
    struct Db;
    bool openFile(bool readOnly);
    lernverlauf::Status open(bool thorough);
    bool setUp(bool thorough);
    bool intact();
    void writeFailed(const QSqlError& error);
    bool migrate(int from);
    void moveAside();
    void fail(const QString& message, lernverlauf::Status status);

    QString m_path;
    std::unique_ptr<Db> m_db;
    lernverlauf::Status m_status = lernverlauf::Status::Unopened;
    bool m_told = false;
    bool m_checked = false;
    int m_pageLimit = 0;
};
