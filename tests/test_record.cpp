// The learning record when things go wrong: a writer killed mid-burst, a folder
// or disk it cannot use, damaged or newer files, hostile rows, two writers at
// once; its tallies at their edges, the CSV fields and the off switch.
#include "record/LearningRecord.h"
#include "record/RecordSettings.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>

using namespace lernverlauf;

namespace {

const QStringList Known = {QStringLiteral("rabatt"), QStringLiteral("zins")};
// 12:00 in Berlin, summer time; the chart's 28 days run from 6 March.
const QDateTime Now(QDate(2026, 4, 2), QTime(10, 0), Qt::UTC);
const qint64 NowMs = Now.toMSecsSinceEpoch();

Attempt At(qint64 ms, bool right = true)
{
    return {ms, QStringLiteral("rabatt"), right, ms};
}

QByteArray Bytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Write(const QString& file, const QByteArray& bytes, qint64 at = 0)
{
    QFile f(file);
    return f.open(QIODevice::ReadWrite) && f.seek(at) && f.write(bytes) == bytes.size();
}

// Runs `sql` on `file` through a connection of its own: the last statement's
// first value, or an invalid one when a statement fails.
QVariant Sql(const QString& file, const QStringList& sql)
{
    static int serial = 0;
    const QString name = QStringLiteral("check-%1").arg(++serial);
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        QSqlQuery q(db.open() ? db : QSqlDatabase());
        for (const QString& s : sql) {
            const bool done = q.exec(s);
            value = done ? (q.next() ? q.value(0) : QVariant(0)) : QVariant();
            if (!done)
                break;
        }
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

// The number of attempts when the file passes SQLite's check, else -1.
int Sound(const QString& file)
{
    const QVariant rows = Sql(
        file, {QStringLiteral(
                  "SELECT CASE WHEN (SELECT group_concat(integrity_check) "
                  "FROM pragma_integrity_check) = 'ok' THEN COUNT(*) ELSE -1 END FROM attempt")});
    return rows.isValid() ? rows.toInt() : -1;
}

// `--burst FILE N`: this program writing N attempts and printing the count after each.
int Burst(const QString& file, int n)
{
    TLearningRecord record(file);
    record.OnMessage = [](const QString& m) {
        std::fprintf(stderr, "%s\n", qPrintable(m));
    };
    const qint64 start = QDateTime::currentMSecsSinceEpoch();
    for (int i = 1; i <= n; ++i) {
        if (!record.Add({start + i, QStringLiteral("zins"), i % 3 == 0, start}))
            return 1;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}

std::unique_ptr<QProcess> StartBurst(const QString& file, int n)
{
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QCoreApplication::applicationFilePath(),
             {QStringLiteral("--burst"), file, QString::number(n)});
    return p;
}

// The last whole line's count.
int LastCount(const QByteArray& out)
{
    const qsizetype end = out.lastIndexOf('\n');
    return end < 0 ? 0 : out.left(end).mid(out.lastIndexOf('\n', end - 1) + 1).toInt();
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TLearningRecord> m_record;
    QStringList m_messages;

    QString path(const QString& name = QStringLiteral("lernverlauf.sqlite")) const
    {
        return m_dir->filePath(name);
    }
    TLearningRecord& record(const QString& file)
    {
        m_record = std::make_unique<TLearningRecord>(file);
        m_record->OnMessage = [this](const QString& m) {
            m_messages << m;
        };
        return *m_record;
    }

private slots:
    void initTestCase()
    {
        // Berlin, spelled out so that it holds without the zone database.
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
    }
    void init()
    {
        m_record.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_messages.clear();
    }

    void killedDuringBurst()
    {
        auto child = StartBurst(path(), 10'000'000);
        QVERIFY(child->waitForStarted(10'000));
        QByteArray out;
        QDeadlineTimer deadline(30'000);
        while (LastCount(out) < 200 && child->state() == QProcess::Running &&
               !deadline.hasExpired())
            if (child->waitForReadyRead(static_cast<int>(deadline.remainingTime())))
                out += child->readAllStandardOutput();
        child->kill();
        QVERIFY(child->waitForFinished(10'000));
        QCOMPARE(child->exitStatus(), QProcess::CrashExit);
        out += child->readAllStandardOutput();
        const int printed = LastCount(out);
        QVERIFY2(printed >= 200, out.right(100).constData());
        const int kept = Sound(path());
        QVERIFY2(kept == printed || kept == printed + 1,
                 qPrintable(QStringLiteral("%1 printed, %2 kept").arg(printed).arg(kept)));
        QVERIFY(record(path()).Add(At(NowMs)));
        QVERIFY(m_messages.isEmpty());
    }

    void twoInstances()
    {
        const int n = 300;
        const auto a = StartBurst(path(), n), b = StartBurst(path(), n);
        for (QProcess* p : {a.get(), b.get()}) {
            QVERIFY(p->waitForFinished(60'000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
            QCOMPARE(LastCount(p->readAllStandardOutput()), n);
        }
        QCOMPARE(Sound(path()), 2 * n);
    }

    void writeFault_data()
    {
        QTest::addColumn<bool>("pageLimit"); // else the system's limit on a file's size
        QTest::addColumn<QString>("told");
        QTest::newRow("disk full") << true << "kein Platz";
        QTest::newRow("file size limit") << false << "lässt sich nicht schreiben";
    }
    void writeFault()
    {
        QFETCH(bool, pageLimit);
        QFETCH(QString, told);
        TLearningRecord& r = record(path());
        if (pageLimit)
            r.SetPageLimit(4);
        QVERIFY(r.Add(At(NowMs)));
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const rlimit small{pageLimit ? old.rlim_cur : 100'000, old.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a refused write, not the end of the program
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        int written = 1;
        while (written < 1000 && r.Add(At(NowMs + written)))
            ++written;
        const bool more = r.Add(At(NowMs));
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(written < 1000);
        QVERIFY(!more);
        QCOMPARE(r.status(), Status::Unavailable);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains(told), qPrintable(m_messages[0]));
        m_record.reset();
        QCOMPARE(Sound(path()), written);
    }

    void corrupt_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("damaged pages") << "pages";
        QTest::newRow("damaged, with its log") << "log";
    }
    void corrupt()
    {
        QFETCH(QString, damage);
        if (damage == QLatin1String("garbage")) {
            QVERIFY(Write(
                path(),
                QCryptographicHash::hash("Rauschen", QCryptographicHash::Sha512).repeated(128)));
        } else {
            // A sound record, opened twice: the second time's attempts are in
            // its log alone while it is open. With the log, page 1 is lost.
            const QString sound = path(QStringLiteral("heil.sqlite"));
            const bool log = damage == QLatin1String("log");
            for (int session = 0; session < 2; ++session)
                for (int i = 0; i < 3; ++i)
                    QVERIFY((i ? *m_record : record(sound)).Add(At(NowMs - i)));
            QVERIFY(!log || QFile::copy(sound + "-wal", path() + "-wal"));
            m_record.reset();
            QVERIFY(QFile::copy(sound, path()));
            QVERIFY(Write(path(), QByteArray(4096, 'Z'), log ? 0 : 4096));
        }
        const QByteArray old = Bytes(path()), oldLog = Bytes(path() + "-wal");
        const QDate before = QDate::currentDate();
        QVERIFY(record(path()).Add(At(42)));
        const QDate after = QDate::currentDate();
        QCOMPARE(m_messages.size(), 1);
        m_record.reset();
        // Set aside under the date (the day the test began or ended) and time.
        const QString stamp = QStringLiteral("lernverlauf.sqlite.defekt-%1-??????");
        const QStringList aside = QDir(m_dir->path())
                                      .entryList({stamp.arg(before.toString(Qt::ISODate)),
                                                  stamp.arg(after.toString(Qt::ISODate))},
                                                 QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY2(m_messages[0].contains(aside[0]), qPrintable(m_messages[0]));
        QCOMPARE(Bytes(path(aside[0])), old);
        QCOMPARE(Bytes(path(aside[0] + "-wal")), oldLog);
        QCOMPARE(Sound(path()), 1);
        QCOMPARE(Sql(path(), {QStringLiteral("SELECT at FROM attempt")}).toInt(), 42);
    }

    // Nothing written, one message, the file as it was; what it holds is still read.
    void refused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("readOnly"); // else unavailable
        QTest::newRow("folder under a file") << "under a file" << false;
        QTest::newRow("record is a folder") << "folder" << false;
        QTest::newRow("newer version") << "newer" << true;
        QTest::newRow("newer version, with a log") << "newer, log" << true;
        QTest::newRow("file not writable") << "chmod" << true;
    }
    void refused()
    {
        QFETCH(QString, kind);
        QFETCH(bool, readOnly);
        QString file = path();
        if (kind == QLatin1String("under a file")) {
            QVERIFY(Write(path("daten"), "kein Ordner"));
            file = path("daten/prozentrechnung/lernverlauf.sqlite");
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(file));
        } else if (kind == QLatin1String("chmod")) {
            if (geteuid() == 0)
                QSKIP("root writes any file");
            TLearningRecord& r = record(file);
            QVERIFY(r.Add(At(NowMs - 1)) && r.Add(At(NowMs - 2)));
            m_record.reset();
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        } else {
            QVERIFY(Sql(file, {kind.endsWith(QLatin1String("log")) ? "PRAGMA journal_mode=WAL"
                                                                   : "PRAGMA journal_mode",
                               "CREATE TABLE attempt (id INTEGER PRIMARY KEY, at INTEGER, "
                               "exercise TEXT, right INTEGER, series INTEGER, extra TEXT)",
                               "INSERT INTO attempt (at, exercise, right, series) VALUES "
                               "(1, 'rabatt', 1, 1), (2, 'rabatt', 0, 1)",
                               "PRAGMA user_version = 99"})
                        .isValid());
        }
        const auto hash = [&] {
            return QCryptographicHash::hash(Bytes(file), QCryptographicHash::Sha256);
        };
        const QByteArray before = hash();
        TLearningRecord& r = record(file);
        if (kind.startsWith(QLatin1String("newer")))
            QCOMPARE(r.Open(), Status::ReadOnly);
        QVERIFY(!r.Add(At(NowMs)) && !r.Add(At(NowMs)));
        QCOMPARE(r.status(), readOnly ? Status::ReadOnly : Status::Unavailable);
        QCOMPARE(r.Summarize(Known, Now, 28).exercises[0].overall.attempts, readOnly ? 2 : 0);
        int visited = 0;
        QCOMPARE(r.ForEach(Known, [&](const Attempt&) { ++visited; }), readOnly);
        QCOMPARE(visited, readOnly ? 2 : 0);
        m_record.reset();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(hash(), before);
    }

    void hostileContent()
    {
        const QString huge = QStringLiteral("replace(hex(zeroblob(500000)), '00', 'xy')");
        QVERIFY(Sql(path(),
                    {"CREATE TABLE attempt (id INTEGER PRIMARY KEY, at, exercise, right, series)",
                     "PRAGMA user_version = 1",
                     QStringLiteral("INSERT INTO attempt (at, exercise, right, series) VALUES "
                                    "(%1 - 1000, 'rabatt', 1, 0), (%1 - 1000, 'rabatt', 0, 0), "
                                    "(NULL, 'rabatt', NULL, NULL), (%1 - 30 * 86400000, 'zins', "
                                    "1, 'viel'), ('gestern', 'zins', 'ja', NULL), (%2, 'zins', 1, "
                                    "%2), (%1, %2, 1, 0), (%1, 'unbekannt', 1, 0), (%1, 'rabatt' "
                                    "|| char(0) || 'x', 1, 0), (%1, char(0) || 'zins', 1, 0), "
                                    "(%1, CAST('rabatt' AS BLOB), 1, 0), (%1, NULL, 1, 0)")
                         .arg(NowMs)
                         .arg(huge),
                     "SELECT COUNT(*) FROM attempt"})
                    .isValid());
        TLearningRecord& r = record(path());
        const Summary s = r.Summarize(Known, Now, 28);
        QCOMPARE(m_messages, QStringList());
        const auto tallies = [](const ExerciseTally& e) {
            return QList<int>{e.overall.attempts, e.overall.right, e.lastWeek.attempts,
                              e.lastWeek.right};
        };
        QCOMPARE(tallies(s.exercises[0]), QList<int>({3, 1, 2, 1}));
        QCOMPARE(tallies(s.exercises[1]), QList<int>({3, 2, 0, 0}));
        QCOMPARE(s.days.back().tally.attempts, 2);
        // The export reads through ForEach; the key stands for the name.
        QString error;
        QVERIFY2(ExportCsv(
                     r, Known, [](const QString& key) { return key; }, path("a.csv"), &error),
                 qPrintable(error));
        const QByteArray csv = Bytes(path("a.csv"));
        QCOMPARE(csv.count("\r\n"), 7);
        QCOMPARE(csv.count(";rabatt;"), 3);
        QCOMPARE(csv.count(";zins;"), 3);
    }

    void summaryEdges_data()
    {
        QTest::addColumn<QDateTime>("at"); // UTC
        QTest::addColumn<bool>("lastWeek");
        QTest::addColumn<int>("day"); // in the chart; -1 before it
        const auto utc = [](int month, int day, QTime time) {
            return QDateTime(QDate(2026, month, day), time, Qt::UTC);
        };
        QTest::newRow("now") << Now << true << 27;
        QTest::newRow("seven days ago") << Now.addDays(-7) << true << 20;
        QTest::newRow("just before") << Now.addDays(-7).addMSecs(-1) << false << 20;
        QTest::newRow("half past midnight in Berlin") << utc(4, 1, QTime(22, 30)) << true << 27;
        QTest::newRow("first chart day, midnight") << utc(3, 5, QTime(23, 0)) << false << 0;
        QTest::newRow("the moment before") << utc(3, 5, QTime(22, 59, 59, 999)) << false << -1;
    }
    void summaryEdges()
    {
        QFETCH(QDateTime, at);
        QFETCH(bool, lastWeek);
        QFETCH(int, day);
        TLearningRecord& r = record(path());
        QVERIFY(r.Add(At(at.toMSecsSinceEpoch())));
        const Summary s = r.Summarize(Known, Now, 28);
        QCOMPARE(s.days.size(), size_t{28});
        QCOMPARE(s.days.front().day, QDate(2026, 3, 6));
        QCOMPARE(s.days.back().day, QDate(2026, 4, 2));
        QCOMPARE(s.exercises[0].overall.attempts, 1);
        QCOMPARE(s.exercises[0].lastWeek.attempts, lastWeek ? 1 : 0);
        for (size_t i = 0; i < s.days.size(); ++i)
            QCOMPARE(s.days[i].tally.attempts, static_cast<int>(i) == day ? 1 : 0);
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        const char* const rows[][3] = {
            {"plain", "Zinsen", "Zinsen"},
            {"separator", "a;b", "\"a;b\""},
            {"quote", "sag \"ja\"", "\"sag \"\"ja\"\"\""},
            {"line break", "a\nb", "\"a\nb\""},
            {"carriage return", "a\rb", "\"a\rb\""},
            {"=", "=1+1", "'=1+1"},
            {"+", "+1", "'+1"},
            {"-", "-1", "'-1"},
            {"@", "@A1", "'@A1"},
            {"formula and separator", "=a;b", "\"'=a;b\""},
            {"empty", "", ""},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
        QTest::newRow("NUL") << QString::fromUtf8("a\0b", 3) << "ab";
        QTest::newRow("NUL before =") << QString::fromUtf8("\0=1", 3) << "'=1";
    }
    void csvField()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(CsvField(text), field);
    }

    void recordingSwitch_data()
    {
        QTest::addColumn<QString>("school"); // the system file's value; none when empty
        QTest::addColumn<int>("pupil");      // -1: never chosen
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("bySchool");
        QTest::newRow("nothing set") << "" << -1 << true << false;
        QTest::newRow("pupil off") << "" << 0 << false << false;
        QTest::newRow("pupil on") << "" << 1 << true << false;
        QTest::newRow("school off, pupil on") << "false" << 1 << false << true;
        QTest::newRow("school off, pupil never chose") << "false" << -1 << false << true;
        QTest::newRow("school on, pupil off") << "true" << 0 << false << false;
    }
    void recordingSwitch()
    {
        QFETCH(QString, school);
        QFETCH(int, pupil);
        QFETCH(bool, on);
        QFETCH(bool, bySchool);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, path("etc"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("home"));
        if (!school.isEmpty()) {
            QVERIFY(QDir().mkpath(path("etc/prozentrechnung")));
            QVERIFY(Write(path("etc/prozentrechnung/prozentrechnung.conf"),
                          "[Lernverlauf]\naufzeichnen=" + school.toUtf8() + "\n"));
        }
        if (pupil >= 0)
            SetRecordingOn(pupil == 1);
        const RecordingSwitch s = ReadRecordingSwitch();
        QCOMPARE(s.on, on);
        QCOMPARE(s.setBySchool, bySchool);
    }
};

// QTEST_GUILESS_MAIN, and the burst mode the test starts itself in.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--burst") == 0)
        return Burst(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestRecord test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_record.moc"
