#include "common/FileSupport.h"
#include "riddles/KnownRiddles.h"
#include "riddles/RiddleStore.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {
QStringList texts(const RiddleStore &store)
{
    QStringList found;
    for (const PlayerRiddle &riddle : store.riddles())
        found << riddle.text + QLatin1Char('=') + riddle.answer;
    return found;
}
} // namespace

class TestRiddleStore : public QObject {
    Q_OBJECT
private slots:
    void init();
    void teachingKeepsEveryOtherByte_data();
    void teachingKeepsEveryOtherByte();
    void rereadsBeforeWriting();
    void oversizedFileIsRefusedAndLeftAlone();
    void importMergesAndCounts();
    void watchesTheFile();
    void playerRiddlesComeAfterTheTable();
    void oneReaderAtATime();

private:
    QTemporaryDir m_home;
    QString m_path;
};

void TestRiddleStore::init()
{
    QDir(m_home.path()).removeRecursively();
    QDir().mkpath(m_home.path());
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    m_path = RiddleStore::defaultPath();
    QCOMPARE(m_path, m_home.path() + "/kelo/riddles.tsv");
}

void TestRiddleStore::teachingKeepsEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer"); // none: the text is removed
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("riddles"); // as known afterwards

    const QByteArray odd = "# клана «Лес»\n"
                           "no tab here\n"
                           "\t\xd0\xbe\xd1\x82\n" // empty text
                           "\xd0\xb7\t\n"         // empty answer
                           "\xff\xfe broken\tutf8\n"
                           "\n"
                           "Кто стучит?\tдятел\n";
    QTest::newRow("comments and lines not understood stay, a new riddle goes last")
        << odd << " Новая\nзагадка "
        << "ответ" << odd + "Новая загадка\tответ\n"
        << QStringList{"Кто стучит?=дятел", "Новая загадка=ответ"};
    QTest::newRow("a known text takes the new answer in its place")
        << QByteArray("a \t1\r\n# c\r\nb\t2\r\n") << "a"
        << "3" << QByteArray("a \t3\r\n# c\r\nb\t2\r\n") << QStringList{"a =3", "b=2"};
    QTest::newRow("CRLF kept, also for the new line")
        << QByteArray("x\ty\r\n# c\r\n") << "n"
        << "m" << QByteArray("x\ty\r\n# c\r\nn\tm\r\n") << QStringList{"x=y", "n=m"};
    QTest::newRow("BOM kept, last line ended")
        << QByteArray("\xEF\xBB\xBFx\ty") << "n"
        << "m" << QByteArray("\xEF\xBB\xBFx\ty\nn\tm\n") << QStringList{"x=y", "n=m"};
    QTest::newRow("a line written by hand with spaces around its text is removed")
        << QByteArray(" a \t1\r\n# c\r\nb\t2\r\n a\t3") << "a" << QString() << QByteArray("# c\r\nb\t2\r\n")
        << QStringList{"b=2"};
}

void TestRiddleStore::teachingKeepsEveryOtherByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, text);
    QFETCH(QString, answer);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, riddles);
    writeAll(m_path, before);
    RiddleStore store(m_path);
    store.load();
    const RiddleStore::Outcome outcome =
        answer.isNull() ? store.remove({text}) : store.remember(text, answer);
    QCOMPARE(outcome.status, RiddleStore::Outcome::Written);
    QCOMPARE(readAll(m_path), after);
    QCOMPARE(texts(store), riddles);
    // Replaced whole: nothing is left beside the file.
    QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"riddles.tsv"});
}

void TestRiddleStore::rereadsBeforeWriting()
{
    writeAll(m_path, "a\t1\n");
    RiddleStore store(m_path);
    store.load();
    // Changed in an editor since it was read; no event loop has run, so only the
    // re-read before the write can see it.
    writeAll(m_path, "a\t1\n# правка\nb\t2\n");
    QCOMPARE(store.remember("c", "3").status, RiddleStore::Outcome::Written);
    QCOMPARE(readAll(m_path), QByteArray("a\t1\n# правка\nb\t2\nc\t3\n"));
    QCOMPARE(texts(store), (QStringList{"a=1", "b=2", "c=3"}));
}

void TestRiddleStore::oversizedFileIsRefusedAndLeftAlone()
{
    // A file may grow to the limit itself, and is still read then; one byte more is not.
    QByteArray nearLimit = "a\t1\n#";
    nearLimit += QByteArray(RiddleDocument::kMaxBytes - nearLimit.size() - 5, 'x') + '\n';
    writeAll(m_path, nearLimit);
    RiddleStore atLimit(m_path);
    atLimit.load();
    QCOMPARE(atLimit.remember("b", "2").status, RiddleStore::Outcome::Written);
    QCOMPARE(QFileInfo(m_path).size(), RiddleDocument::kMaxBytes);
    QCOMPARE(atLimit.remember("c", "3").error.kind, RiddleStore::FileError::WouldBeTooLarge);
    RiddleStore reader(m_path);
    reader.load();
    QCOMPARE(texts(reader), (QStringList{"a=1", "b=2"}));
    writeAll(m_path, readAll(m_path) + '\n');
    reader.load();
    QCOMPARE(reader.problem().kind, RiddleStore::FileError::TooLarge);

    const QByteArray big = QByteArray("Загадка\tответ\n").repeated(40 * 1024 * 1024 / 26 + 1); // 40 MiB
    writeAll(m_path, big);

    RiddleStore store(m_path);
    KnownRiddles known(&store);
    store.load();
    QVERIFY(store.riddles().isEmpty());
    QCOMPARE(store.problem().kind, RiddleStore::FileError::TooLarge);
    QCOMPARE(known.catalog().exactAnswer("Кто он?"), QString("икар"));
    QCOMPARE(known.catalog().exactAnswer("Загадка"), QString());
    const RiddleStore::Outcome taught = store.remember("новая", "да");
    QCOMPARE(taught.status, RiddleStore::Outcome::KeptForRun);
    QCOMPARE(taught.error.kind, RiddleStore::FileError::TooLarge);
    QCOMPARE(texts(store), QStringList{"новая=да"});
    QCOMPARE(known.catalog().exactAnswer("нова"), QString("да"));
    QVERIFY(readAll(m_path) == big);
    // The player's riddles all removed: the lookup forgets them too.
    QCOMPARE(store.remember("цзюнь", "нет").status, RiddleStore::Outcome::KeptForRun);
    QCOMPARE(known.catalog().exactAnswer("цзюнь"), QString("нет"));
    store.remove({"новая", "цзюнь"});
    QCOMPARE(known.catalog().exactAnswer("цзюнь"), QString());
    QCOMPARE(known.catalog().exactAnswer("Кто он?"), QString("икар"));
}

void TestRiddleStore::importMergesAndCounts()
{
    writeAll(m_path, "# мой\na\t1\nb\t2\n");
    const QString shared = m_home.path() + "/shared.tsv";
    writeAll(shared, "\xEF\xBB\xBF# клан\r\na\t1\r\nb\t20\r\nc\t3\r\nбез табуляции\r\n\xc3\x28\t4\r\n\r\n "
                     "\t\r\n\v\f\r\n"); // blank lines count for nothing
    RiddleStore store(m_path);
    store.load();
    const RiddleStore::ImportSummary summary = store.importFrom(shared);
    QCOMPARE(summary.outcome.status, RiddleStore::Outcome::Written);
    QCOMPARE(summary.added, 1);
    QCOMPARE(summary.replaced, 1);
    QCOMPARE(summary.notUnderstood, 2);
    QCOMPARE(readAll(m_path), QByteArray("# мой\na\t1\nb\t20\nc\t3\n"));

    QCOMPARE(store.exportTo(m_path).kind, RiddleStore::FileError::KeloOwnFile);
    QCOMPARE(readAll(m_path), QByteArray("# мой\na\t1\nb\t20\nc\t3\n"));
    QVERIFY(!store.exportTo(m_home.path() + "/list.tsv").isError());
    QCOMPARE(readAll(m_home.path() + "/list.tsv"), QByteArray("a\t1\nb\t20\nc\t3\n"));
}

void TestRiddleStore::watchesTheFile()
{
    RiddleStore store(m_path);
    store.load();
    QSignalSpy changed(&store, &RiddleStore::changed);
    // Nothing taught, nothing written; refused pairs write nothing either.
    QCOMPARE(store.remember("загадка", "  ").status, RiddleStore::Outcome::Refused);
    QCOMPARE(store.remember("#1 загадка", "ответ").status, RiddleStore::Outcome::Refused);
    QCOMPARE(store.remove({"нет такой"}).status, RiddleStore::Outcome::Written);
    QVERIFY(!QFileInfo::exists(QFileInfo(m_path).absolutePath()));

    // Made later, folder and all.
    writeAll(m_path, "a\t1\n");
    QVERIFY(changed.wait(5000));
    QCOMPARE(texts(store), QStringList{"a=1"});

    // A line added by hand.
    writeAll(m_path, "a\t1\nb\t2\n");
    QTRY_COMPARE_WITH_TIMEOUT(texts(store), (QStringList{"a=1", "b=2"}), 5000);

    // An editor's save: a new file renamed over the old one.
    writeAll(m_path + ".new", "c\t3\n");
#ifdef Q_OS_WIN
    // Windows renames only onto a free name: editors there delete or replace first.
    QVERIFY(QFile::remove(m_path));
#endif
    QVERIFY(std::rename(QFile::encodeName(m_path + ".new"), QFile::encodeName(m_path)) == 0);
    QTRY_COMPARE_WITH_TIMEOUT(texts(store), QStringList{"c=3"}, 5000);
    // The new file is watched in turn.
    writeAll(m_path, "d\t4\n");
    QTRY_COMPARE_WITH_TIMEOUT(texts(store), QStringList{"d=4"}, 5000);
}

void TestRiddleStore::playerRiddlesComeAfterTheTable()
{
    // A built-in riddle's text with the player's own answer, then 20,000 riddles.
    QByteArray file = "Сколько месяцев в году имеют 28 дней? \tодин\n";
    for (int i = 0; i < 20000; ++i)
        file += QStringLiteral("Загадка номер %1 о том и о сём\tответ %1\n").arg(i).toUtf8();
    writeAll(m_path, file);
    RiddleStore store(m_path);
    KnownRiddles known(&store);
    QSignalSpy changed(&known, &KnownRiddles::changed);
    store.loadInBackground();
    QVERIFY(changed.wait(10000));
    const RiddleCatalog &catalog = known.catalog();
    QCOMPARE(catalog.exactAnswer("28 дней"), QString("один"));
    QCOMPARE(catalog.tolerantAnswer("сколько месяцев в году имеют 28 дней"), QString("один"));
    QCOMPARE(catalog.exactAnswer("Кто он?"), QString("икар"));
    QCOMPARE(catalog.exactAnswer("номер 19999 о"), QString("ответ 19999"));
    QCOMPARE(catalog.tolerantAnswer("ЗАГАДКА НОМЕР 19999"), QString("ответ 19999"));

    // The last of the player's riddles deleted in an editor: the table's own answer again.
    writeAll(m_path, "# пусто\n");
    store.load();
    QCOMPARE(known.catalog().exactAnswer("28 дней"), QString("все"));
    QCOMPARE(known.catalog().exactAnswer("номер 19999 о"), QString());
}

void TestRiddleStore::oneReaderAtATime()
{
    // Near the limit, so that the reader is still at it when the store goes.
    writeAll(m_path, QByteArray("Загадка\tответ\n").repeated(15 * 1024 * 1024 / 26));
    auto *store = new RiddleStore(m_path);
    store->loadInBackground();
    store->loadInBackground();
    const QList<QThread *> readers = store->findChildren<QThread *>();
    QCOMPARE(readers.size(), 1);
    QVERIFY(readers[0]->isRunning());
    const QPointer<QThread> reader = readers[0];
    delete store;
    QVERIFY(reader.isNull());

    // Asked again while it reads, the file is read once more: what was written meanwhile counts.
    writeAll(m_path, "a\t1\n");
    RiddleStore again(m_path);
    QSignalSpy changed(&again, &RiddleStore::changed);
    again.loadInBackground();
    writeAll(m_path, "b\t2\n");
    again.loadInBackground();
    QVERIFY(changed.wait(10000));
    QCOMPARE(texts(again), QStringList{"b=2"});
    QCOMPARE(changed.count(), 1);
    QTRY_VERIFY(again.findChildren<QThread *>().isEmpty());
}

QTEST_GUILESS_MAIN(TestRiddleStore)
#include "tst_riddlestore.moc"
