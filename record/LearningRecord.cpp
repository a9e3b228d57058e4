#include "record/LearningRecord.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>

#include <atomic>

using namespace lernverlauf;

namespace {

constexpr qint64 DayMs = 24 * 60 * 60 * 1000;

// SQLite's primary result codes that the record tells apart.
enum SqliteCode {
    Busy = 5,
    ReadOnlyDb = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADb = 26
};

int CodeOf(const QSqlError& error)
{
    // Extended codes carry the primary one in their low byte.
    return error.nativeErrorCode().toInt() & 0xff;
}

// Each step takes the schema from the version of its index to the next.
const char* const Migrations[][3] = {
    {"CREATE TABLE IF NOT EXISTS attempt (id INTEGER PRIMARY KEY, at INTEGER NOT NULL, "
     "exercise TEXT NOT NULL, right INTEGER NOT NULL, series INTEGER NOT NULL)",
     "CREATE INDEX IF NOT EXISTS attempt_at ON attempt (at)", nullptr},
    // The tallies per exercise read this index alone.
    {"CREATE INDEX IF NOT EXISTS attempt_exercise ON attempt (exercise, right)", nullptr, nullptr},
};
static_assert(std::size(Migrations) == SchemaVersion, "one migration step per version");

QString Placeholders(int n)
{
    QStringList marks;
    for (int i = 0; i < n; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

void BindAll(QSqlQuery& query, const QStringList& values)
{
    for (const QString& v : values)
        query.addBindValue(v);
}

QString CannotSave(const QString& why)
{
    return QStringLiteral("Der Lernverlauf kann nicht gespeichert werden: %1. Das Training geht "
                          "ohne ihn weiter.")
        .arg(why);
}

QString NotWritable(const QString& path)
{
    return CannotSave(QStringLiteral("in „%1“ darf nicht geschrieben werden").arg(path));
}

// For a fault the record does not tell apart: the pupil reads German, the
// driver's own words go to the log.
QString CannotUse(const QString& what, const QString& path, const QSqlError& error)
{
    qWarning("Lernverlauf %s: %s", qPrintable(path), qPrintable(error.text()));
    return CannotSave(QStringLiteral("die Datei „%1“ lässt sich nicht %2").arg(path, what));
}

QString TooLongBusy()
{
    return QStringLiteral("Ein Versuch konnte nicht in den Lernverlauf geschrieben werden: die "
                          "Datei war zu lange belegt.");
}

} // namespace

bool Summary::empty() const
{
    for (const ExerciseTally& e : exercises)
        if (e.overall.attempts > 0)
            return false;
    return true;
}

struct TLearningRecord::Db {
    QString name;
    QSqlDatabase db;
    QSqlQuery insert;
    ~Db()
    {
        insert = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
};

TLearningRecord::TLearningRecord(QString path)
    : m_path(std::move(path))
{}

TLearningRecord::~TLearningRecord() = default;

QString TLearningRecord::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/prozentrechnung/lernverlauf.sqlite");
}

Status TLearningRecord::status() const
{
    return m_status;
}

void TLearningRecord::fail(const QString& message, Status status)
{
    m_status = status;
    if (status == Status::Unavailable)
        m_db.reset();
    if (m_told || message.isEmpty())
        return;
    m_told = true;
    if (OnMessage)
        OnMessage(message);
}

bool TLearningRecord::openFile(bool readOnly)
{
    static std::atomic<int> serial{0};
    m_db.reset();
    auto db = std::make_unique<Db>();
    db->name = QStringLiteral("lernverlauf-%1").arg(++serial);
    db->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), db->name);
    db->db.setDatabaseName(m_path);
    db->db.setConnectOptions(readOnly
                                 ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000;QSQLITE_OPEN_READONLY")
                                 : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    const bool open = db->db.open();
    m_db = std::move(db);
    return open;
}

Status TLearningRecord::Open()
{
    return open(false);
}

bool TLearningRecord::intact()
{
    QSqlQuery q(m_db->db);
    return q.exec(QStringLiteral("PRAGMA quick_check")) && q.next() &&
           q.value(0).toString() == QLatin1String("ok");
}

Status TLearningRecord::open(bool thorough)
{
    // The whole file is checked before the first write (reading alone does not
    // wait for it: it takes as long as the reading itself).
    if (m_status == Status::Writable && thorough && !m_checked) {
        m_checked = true;
        if (!intact()) {
            moveAside();
            if (m_status != Status::Unavailable && setUp(false))
                m_status = Status::Writable;
        }
        return m_status;
    }
    if (m_status != Status::Unopened)
        return m_status;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        fail(CannotSave(QStringLiteral("dem Programm fehlt die SQLite-Unterstützung")),
             Status::Unavailable);
        return m_status;
    }
    const QString dir = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir()) {
        fail(CannotSave(QStringLiteral("der Ordner „%1“ lässt sich nicht anlegen").arg(dir)),
             Status::Unavailable);
        return m_status;
    }
    if (!openFile(false)) {
        fail(CannotSave(QStringLiteral("die Datei „%1“ lässt sich nicht öffnen").arg(m_path)),
             Status::Unavailable);
        return m_status;
    }
    if (setUp(thorough))
        m_status = Status::Writable;
    return m_status;
}

bool TLearningRecord::setUp(bool thorough)
{
    QSqlQuery q(m_db->db);
    // A damaged file shows at its first page or in a quick check of all of them.
    bool damaged = false;
    int version = 0;
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        const int code = CodeOf(q.lastError());
        damaged = code == NotADb || code == Corrupt;
        if (!damaged) {
            fail(CannotUse(QStringLiteral("lesen"), m_path, q.lastError()), Status::Unavailable);
            return false;
        }
    } else {
        version = q.value(0).toInt();
    }
    if (!damaged && version > SchemaVersion) {
        q = QSqlQuery();
        openFile(true);
        fail(QStringLiteral("Der Lernverlauf stammt von einer neueren Version des Programms. Er "
                            "wird nur gelesen und nicht verändert; neue Versuche werden nicht "
                            "aufgezeichnet."),
             Status::ReadOnly);
        return false;
    }
    if (!damaged && thorough) {
        q = QSqlQuery();
        damaged = !intact();
        q = QSqlQuery(m_db->db);
    }
    m_checked = m_checked || thorough || damaged;
    if (damaged) {
        q = QSqlQuery();
        moveAside();
        if (m_status == Status::Unavailable)
            return false;
        q = QSqlQuery(m_db->db);
        version = 0;
    }
    if (m_pageLimit > 0)
        q.exec(QStringLiteral("PRAGMA max_page_count=%1").arg(m_pageLimit));
    // Two instances making a new record at once: SQLite tells one of them at
    // once that the file is busy, without waiting; it tries again.
    const QString logMode = QStringLiteral("PRAGMA journal_mode=WAL");
    bool wal = q.exec(logMode);
    for (QDeadlineTimer deadline(2000);
         !wal && CodeOf(q.lastError()) == Busy && !deadline.hasExpired(); wal = q.exec(logMode))
        QThread::msleep(10);
    if (!wal || !q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"))) {
        if (CodeOf(q.lastError()) == Busy)
            fail(TooLongBusy(), Status::Unopened);
        else
            fail(CannotUse(QStringLiteral("schreiben"), m_path, q.lastError()),
                 Status::Unavailable);
        return false;
    }
    if (!migrate(version))
        return false;
    m_db->insert = QSqlQuery(m_db->db);
    m_db->insert.prepare(
        QStringLiteral("INSERT INTO attempt (at, exercise, right, series) VALUES (?, ?, ?, ?)"));
    return true;
}

bool TLearningRecord::migrate(int from)
{
    if (from == SchemaVersion)
        return true;
    QSqlQuery q(m_db->db);
    auto failed = [&] {
        const QSqlError error = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        // Making the schema in a folder that takes no file fails this way.
        if (CodeOf(error) == IoError)
            fail(NotWritable(m_path), Status::ReadOnly);
        else
            writeFailed(error);
        return false;
    };
    // Another instance may be migrating at the same time: the second one finds
    // the work done.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed();
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failed();
    int version = q.value(0).toInt();
    for (; version < SchemaVersion; ++version)
        for (const char* step : Migrations[version])
            if (step && !q.exec(QString::fromLatin1(step)))
                return failed();
    if (!q.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion)) ||
        !q.exec(QStringLiteral("COMMIT")))
        return failed();
    return true;
}

void TLearningRecord::moveAside()
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString aside = m_path + QStringLiteral(".defekt-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".defekt-%1-%2").arg(stamp).arg(n);
    // The log is copied while the file is still open: closing a file whose
    // first page is damaged deletes its log, and the latest attempts with it.
    const QString log = m_path + QLatin1String("-wal");
    if (QFileInfo::exists(log) && QFile::copy(log, aside + QLatin1String("-wal")))
        QFile::remove(log);
    m_db.reset();
    if (!QFile::rename(m_path, aside)) {
        fail(CannotSave(QStringLiteral("die beschädigte Datei „%1“ lässt sich nicht beiseitelegen")
                            .arg(m_path)),
             Status::Unavailable);
        return;
    }
    for (const char* suffix : {"-wal", "-shm"})
        QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    if (!openFile(false)) {
        fail(CannotSave(QStringLiteral("die Datei „%1“ lässt sich nicht öffnen").arg(m_path)),
             Status::Unavailable);
        return;
    }
    fail(QStringLiteral("Der Lernverlauf war beschädigt. Er wurde als „%1“ beiseitegelegt; ein "
                        "neuer Lernverlauf wurde begonnen.")
             .arg(QFileInfo(aside).fileName()),
         Status::Unopened);
}

bool TLearningRecord::Add(const Attempt& attempt)
{
    if (open(true) != Status::Writable)
        return false;
    QSqlQuery& q = m_db->insert;
    q.addBindValue(attempt.atMs);
    q.addBindValue(attempt.exercise);
    q.addBindValue(attempt.right ? 1 : 0);
    q.addBindValue(attempt.series);
    if (q.exec())
        return true;
    // Another instance held the file too long: this attempt is lost, not the record.
    if (CodeOf(q.lastError()) == Busy)
        fail(TooLongBusy(), Status::Writable);
    else
        writeFailed(q.lastError());
    return false;
}

void TLearningRecord::writeFailed(const QSqlError& error)
{
    switch (CodeOf(error)) {
    case Full:
        fail(CannotSave(QStringLiteral("auf dem Datenträger ist kein Platz mehr")),
             Status::Unavailable);
        break;
    case ReadOnlyDb:
    case CantOpen:
        fail(NotWritable(m_path), Status::ReadOnly);
        break;
    default:
        fail(CannotUse(QStringLiteral("schreiben"), m_path, error), Status::Unavailable);
    }
}

Summary TLearningRecord::Summarize(const QStringList& known, const QDateTime& nowUtc, int days)
{
    Summary s;
    for (const QString& key : known)
        s.exercises.push_back({key, {}, {}});
    const QDate today = nowUtc.toLocalTime().date();
    for (int d = days - 1; d >= 0; --d)
        s.days.push_back({today.addDays(-d), {}});
    if (Open() == Status::Unavailable || known.isEmpty() || !m_db)
        return s;
    const qint64 weekAgo = nowUtc.toMSecsSinceEpoch() - 7 * DayMs;
    const QString in = Placeholders(static_cast<int>(known.size()));
    QSqlQuery q(m_db->db);
    q.setForwardOnly(true);
    // Overall from the exercise index, the last week from the time index (the
    // unary + keeps the exercise index out of it). A time that is no number
    // (SQLite sorts text above every number) is never recent.
    const QString tally = QStringLiteral("SELECT +exercise AS e, COUNT(*), TOTAL(right = 1) FROM "
                                         "attempt WHERE %1 exercise IN (%2) GROUP BY e");
    const QString recent = QStringLiteral("at >= ? AND typeof(at) = 'integer' AND +");
    for (Tally ExerciseTally::*part : {&ExerciseTally::overall, &ExerciseTally::lastWeek}) {
        const bool week = part == &ExerciseTally::lastWeek;
        q.prepare(tally.arg(week ? recent : QString(), in));
        if (week)
            q.addBindValue(weekAgo);
        BindAll(q, known);
        if (!q.exec())
            continue;
        while (q.next()) {
            const auto row = known.indexOf(q.value(0).toString());
            if (row >= 0)
                s.exercises[static_cast<size_t>(row)].*
                    part = {q.value(1).toInt(), q.value(2).toInt()};
        }
    }
    if (s.days.empty())
        return s;
    const qint64 since = QDateTime(s.days.front().day, QTime(0, 0)).toMSecsSinceEpoch();
    q.prepare(QStringLiteral("SELECT date(at / 1000, 'unixepoch', 'localtime') AS day, COUNT(*), "
                             "TOTAL(right = 1) FROM attempt WHERE at >= ? AND +exercise IN (%1) "
                             "GROUP BY day")
                  .arg(in));
    q.addBindValue(since);
    BindAll(q, known);
    if (q.exec()) {
        while (q.next()) {
            const qint64 index =
                s.days.front().day.daysTo(QDate::fromString(q.value(0).toString(), Qt::ISODate));
            if (index >= 0 && index < static_cast<qint64>(s.days.size()))
                s.days[static_cast<size_t>(index)].tally = {q.value(1).toInt(), q.value(2).toInt()};
        }
    }
    return s;
}

bool TLearningRecord::ForEach(const QStringList& known,
                              const std::function<void(const Attempt&)>& visit)
{
    if (Open() == Status::Unavailable || !m_db)
        return false;
    if (known.isEmpty())
        return true;
    QSqlQuery q(m_db->db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT at, exercise, right, series FROM attempt WHERE exercise IN "
                             "(%1) ORDER BY at, id")
                  .arg(Placeholders(static_cast<int>(known.size()))));
    BindAll(q, known);
    if (!q.exec())
        return false;
    while (q.next())
        visit({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt() == 1,
               q.value(3).toLongLong()});
    return true;
}

bool TLearningRecord::Clear()
{
    if (Open() != Status::Writable)
        return false;
    QSqlQuery q(m_db->db);
    return q.exec(QStringLiteral("DELETE FROM attempt"));
}
