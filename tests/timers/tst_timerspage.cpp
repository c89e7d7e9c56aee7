#include "common/MessageRecorder.h"
#include "common/TestSupport.h"
#include "settings/Settings.h"
#include "timers/TimersPage.h"
#include "widgets/StandardGlyphs.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

const QString kStart = QStringLiteral("Старт");
const QString kStop = QStringLiteral("Стоп");
const QString kReady = QStringLiteral("Можно идти!");
const QString kOwnDone = QStringLiteral("Сработал \"Свой таймер\"!");

// One Timers page with recorders behind every side effect. Each record notes what the
// forest..cave status labels read at that moment, so the order of the end is visible.
struct Rig {
    QStringList events;
    Settings settings;
    std::unique_ptr<TimersPage> page;
    const QLabel *watched = nullptr;
    MessageRecorder messages{
        [this](const QString &text) { events << QStringLiteral("message|%1|%2").arg(text, watchedText()); }};

    Rig()
    {
        Services services = Services::silent();
        services.playSound = [this] { events << QStringLiteral("sound|") + watchedText(); };
        page = std::make_unique<TimersPage>(services, &settings);
        QObject::connect(page.get(), &TimersPage::activityEnded,
                         [this] { events << QStringLiteral("attention|") + watchedText(); });
    }
    QString watchedText() const { return watched ? watched->text() : QString(); }
    template <typename T> T *find(const QString &name) const
    {
        T *child = page->findChild<T *>(name);
        if (!child)
            qFatal("no child %s", qPrintable(name));
        return child;
    }
    void tick(TimersPage::Activity activity, int times = 1)
    {
        for (int k = 0; k < times; ++k)
            page->tick(activity);
    }
    void tickOwn(int times = 1)
    {
        for (int k = 0; k < times; ++k)
            page->tickOwnTimer();
    }
};

// Whether a button shows the given classic glyph (compared as pictures, since each
// look change makes a new icon).
bool showsGlyph(const QAbstractButton *button, StandardGlyph kind)
{
    const QSize size(16, 16);
    return button->icon().pixmap(size).toImage() == standardGlyph(kind).pixmap(size).toImage();
}

} // namespace

class TestTimersPage : public QObject {
    Q_OBJECT
private slots:
    void startsIdleAtDesignedPlaces();
    void activityRun_data();
    void activityRun();
    void stopAndRestartBeginsFromFullDuration();
    void endWithoutSoundFlag();
    void fourCountdownsRunIndependently();
    void escapeStopsFirstRunningWhileShown();
    void twoEndsWhileMessageBoxOpen();
    void customTimerRunsDownAndEnds();
    void customTimerResumesAfterStop();
    void customTimerFollowsEditsAndOddTexts();

private:
    MessageRecorder m_quiet; // the countdowns' ends show no box that waits for a click
};

void TestTimersPage::startsIdleAtDesignedPlaces()
{
    Rig rig;
    QCOMPARE(rig.page->objectName(), QStringLiteral("TabSheet3"));
    const struct {
        const char *heading, *headingText, *status, *button, *timer;
        int headingTop, statusTop, buttonTop;
    } rows[] = {{"Label4", "Лес:", "Label1", "BitBtn2", "TimerLes", 0, 24, 0},
                {"Label5", "Охота:", "Label2", "BitBtn3", "TimerOhota", 48, 72, 40},
                {"Label6", "Рыбалка:", "Label3", "BitBtn4", "TimerRyba", 96, 120, 88},
                {"Label9", "В пещеру:", "Label10", "BitBtn5", "TimerPeshera", 144, 170, 136}};
    for (const auto &row : rows) {
        auto *heading = rig.find<QLabel>(row.heading);
        QCOMPARE(heading->text(), QString::fromUtf8(row.headingText));
        QCOMPARE(heading->pos(), QPoint(0, row.headingTop));
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->font().pixelSize(), 13);
        auto *status = rig.find<QLabel>(row.status);
        QCOMPARE(status->text(), QStringLiteral("Можно идти"));
        QCOMPARE(status->pos(), QPoint(0, row.statusTop));
        auto *button = rig.find<QPushButton>(row.button);
        QCOMPARE(button->text(), kStart);
        QVERIFY(showsGlyph(button, StandardGlyph::Ignore));
        QCOMPARE(button->geometry(), QRect(80, row.buttonTop, 73, 25));
        auto *timer = rig.find<QTimer>(row.timer);
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }
    auto *own = rig.find<QPushButton>("BitBtn8");
    QCOMPARE(own->text(), QStringLiteral("Свой таймер"));
    QCOMPARE(own->geometry(), QRect(0, 192, 97, 25));
    QVERIFY(showsGlyph(own, StandardGlyph::Ignore));
    auto *field = rig.find<QLineEdit>("Edit1");
    QCOMPARE(field->text(), QStringLiteral("60"));
    QCOMPARE(field->toolTip(), QStringLiteral("Введите время в сек."));
    QCOMPARE(field->pos(), QPoint(104, 192));
    QCOMPARE(field->width(), 50);
    QVERIFY(!rig.find<QTimer>("TimerSvoi1")->isActive());
    QCOMPARE(rig.find<QTimer>("TimerSvoi1")->interval(), 1000);
}

void TestTimersPage::activityRun_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("timer");
    QTest::addColumn<int>("activity");
    QTest::addColumn<int>("duration");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("message");
    QTest::newRow("forest") << "BitBtn2"
                            << "Label1"
                            << "TimerLes" << int(TimersPage::Forest) << 7200 << "Осталось 1:59:59"
                            << "Можно идти в лес!";
    QTest::newRow("hunting") << "BitBtn3"
                             << "Label2"
                             << "TimerOhota" << int(TimersPage::Hunting) << 10800 << "Осталось 2:59:59"
                             << "Можно идти на охоту!";
    QTest::newRow("fishing") << "BitBtn4"
                             << "Label3"
                             << "TimerRyba" << int(TimersPage::Fishing) << 1800 << "Осталось 0:29:59"
                             << "Можно идти на рыбалку!";
    QTest::newRow("cave") << "BitBtn5"
                          << "Label10"
                          << "TimerPeshera" << int(TimersPage::Cave) << 900 << "Осталось 0:14:59"
                          << "Пришли в пещеру!";
}

void TestTimersPage::activityRun()
{
    QFETCH(QString, button);
    QFETCH(QString, status);
    QFETCH(QString, timer);
    QFETCH(int, activity);
    QFETCH(int, duration);
    QFETCH(QString, firstText);
    QFETCH(QString, message);

    Rig rig;
    auto *startStop = rig.find<QPushButton>(button);
    auto *label = rig.find<QLabel>(status);
    auto *clock = rig.find<QTimer>(timer);
    rig.watched = label;

    QTest::mouseClick(startStop, Qt::LeftButton);
    QCOMPARE(startStop->text(), kStop);
    QVERIFY(showsGlyph(startStop, StandardGlyph::Cancel));
    QVERIFY(clock->isActive());
    QCOMPARE(label->text(), QStringLiteral("Можно идти"));

    rig.tick(TimersPage::Activity(activity));
    QCOMPARE(label->text(), firstText);
    rig.tick(TimersPage::Activity(activity), duration - 1);
    QCOMPARE(label->text(), QStringLiteral("Осталось 0:0:0"));
    QVERIFY(clock->isActive());
    QVERIFY(rig.events.isEmpty());

    // The tick after the D-th ends it: sound, then the label, then the window, then the box.
    rig.tick(TimersPage::Activity(activity));
    const QStringList expected = {QStringLiteral("sound|Осталось 0:0:0"),
                                  QStringLiteral("attention|") + kReady,
                                  QStringLiteral("message|%1|%2").arg(message, kReady)};
    QCOMPARE(rig.events, expected);
    QVERIFY(!clock->isActive());
    QCOMPARE(startStop->text(), kStop);

    // A stray tick after the end would end it again; the stopped timer sends none, and
    // the button's first click only returns it to start look.
    rig.events.clear();
    QTest::mouseClick(startStop, Qt::LeftButton);
    QCOMPARE(startStop->text(), kStart);
    QVERIFY(showsGlyph(startStop, StandardGlyph::Ignore));
    QVERIFY(!clock->isActive());
    QCOMPARE(label->text(), kReady);
    QVERIFY(rig.events.isEmpty());

    QTest::mouseClick(startStop, Qt::LeftButton);
    QCOMPARE(startStop->text(), kStop);
    QVERIFY(clock->isActive());
    rig.tick(TimersPage::Activity(activity));
    QCOMPARE(label->text(), firstText);
}

void TestTimersPage::stopAndRestartBeginsFromFullDuration()
{
    Rig rig;
    auto *button = rig.find<QPushButton>("BitBtn4");
    auto *label = rig.find<QLabel>("Label3");
    auto *clock = rig.find<QTimer>("TimerRyba");
    QTest::mouseClick(button, Qt::LeftButton);
    rig.tick(TimersPage::Fishing, 10);
    QCOMPARE(label->text(), QStringLiteral("Осталось 0:29:50"));

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), kStart);
    QVERIFY(!clock->isActive());
    QCOMPARE(label->text(), QStringLiteral("Осталось 0:29:50"));

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Осталось 0:29:50"));
    rig.tick(TimersPage::Fishing);
    QCOMPARE(label->text(), QStringLiteral("Осталось 0:29:59"));
}

void TestTimersPage::endWithoutSoundFlag()
{
    Rig rig;
    rig.watched = rig.find<QLabel>("Label10");
    rig.settings.setSound(false);
    QTest::mouseClick(rig.find<QPushButton>("BitBtn5"), Qt::LeftButton);
    rig.tick(TimersPage::Cave, 901);
    const QStringList expected = {QStringLiteral("attention|") + kReady,
                                  QStringLiteral("message|Пришли в пещеру!|") + kReady};
    QCOMPARE(rig.events, expected);
}

void TestTimersPage::fourCountdownsRunIndependently()
{
    Rig rig;
    for (const char *name : {"BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5"})
        QTest::mouseClick(rig.find<QPushButton>(name), Qt::LeftButton);
    for (int round = 0; round < 4; ++round) {
        rig.tick(TimersPage::Cave);
        if (round < 3)
            rig.tick(TimersPage::Fishing);
        if (round < 2)
            rig.tick(TimersPage::Hunting);
        if (round < 1)
            rig.tick(TimersPage::Forest);
    }
    QCOMPARE(rig.find<QLabel>("Label1")->text(), QStringLiteral("Осталось 1:59:59"));
    QCOMPARE(rig.find<QLabel>("Label2")->text(), QStringLiteral("Осталось 2:59:58"));
    QCOMPARE(rig.find<QLabel>("Label3")->text(), QStringLiteral("Осталось 0:29:57"));
    QCOMPARE(rig.find<QLabel>("Label10")->text(), QStringLiteral("Осталось 0:14:56"));

    // Stopping one leaves the others running.
    QTest::mouseClick(rig.find<QPushButton>("BitBtn3"), Qt::LeftButton);
    QVERIFY(!rig.find<QTimer>("TimerOhota")->isActive());
    for (const char *name : {"TimerLes", "TimerRyba", "TimerPeshera"})
        QVERIFY(rig.find<QTimer>(name)->isActive());
}

void TestTimersPage::escapeStopsFirstRunningWhileShown()
{
    // The window goes last, after the page it hosts is gone.
    QWidget window;
    Rig rig;
    auto *pages = new QStackedWidget(&window);
    auto *otherPage = new QWidget;
    pages->addWidget(rig.page.get());
    pages->addWidget(otherPage);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(pages);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    auto *hunting = rig.find<QPushButton>("BitBtn3");
    auto *cave = rig.find<QPushButton>("BitBtn5");
    QTest::mouseClick(cave, Qt::LeftButton);
    QTest::mouseClick(hunting, Qt::LeftButton);

    // The order is forest, hunting, fishing, cave, not the order of starting.
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(hunting->text(), kStart);
    QCOMPARE(cave->text(), kStop);
    // Also with the keyboard focus in the seconds field.
    rig.find<QLineEdit>("Edit1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(cave->text(), kStart);
    QVERIFY(!rig.find<QTimer>("TimerPeshera")->isActive());

    // Another page shown: Escape leaves the countdowns alone.
    auto *forest = rig.find<QPushButton>("BitBtn2");
    QTest::mouseClick(forest, Qt::LeftButton);
    pages->setCurrentWidget(otherPage);
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(forest->text(), kStop);
    pages->setCurrentWidget(rig.page.get());
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(forest->text(), kStart);

    // An ended countdown still reads "Стоп" and is Escape's to turn back.
    auto *fishing = rig.find<QPushButton>("BitBtn4");
    QTest::mouseClick(fishing, Qt::LeftButton);
    rig.tick(TimersPage::Fishing, 1801);
    QCOMPARE(fishing->text(), kStop);
    const int eventsAtEnd = rig.events.size();
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(fishing->text(), kStart);
    QCOMPARE(rig.events.size(), eventsAtEnd);
}

void TestTimersPage::twoEndsWhileMessageBoxOpen()
{
    QStringList seenOnTop;
    const MessageRecorder shown({}, true); // the boxes are closed below
    Settings settings;
    TimersPage page(Services::silent(), &settings);
    auto *caveTimer = page.findChild<QTimer *>(QStringLiteral("TimerPeshera"));
    auto *fishingTimer = page.findChild<QTimer *>(QStringLiteral("TimerRyba"));

    // Never hang the suite on a box left open by a fault.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] {
        while (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    watchdog.start(10000);

    page.toggle(TimersPage::Fishing);
    page.toggle(TimersPage::Cave);
    for (int k = 0; k < 900; ++k)
        page.tick(TimersPage::Cave);
    for (int k = 0; k < 1800; ++k)
        page.tick(TimersPage::Fishing);

    bool caveActiveWhileOpen = true;
    auto topText = [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        return box ? box->text() : QString();
    };
    auto closeTop = [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->done(0);
    };
    // Inside the cave's box: the fishing countdown ends and opens its box on top.
    QTimer::singleShot(0, [&] {
        seenOnTop << topText();
        caveActiveWhileOpen = caveTimer->isActive();
        QTimer::singleShot(0, [&] {
            seenOnTop << topText();
            closeTop();
        });
        page.tick(TimersPage::Fishing);
        seenOnTop << topText();
        closeTop();
    });
    page.tick(TimersPage::Cave);
    watchdog.stop();

    const QString cave = QStringLiteral("Пришли в пещеру!");
    const QString fishing = QStringLiteral("Можно идти на рыбалку!");
    // Each ended once, the second box opened on top of the first and closed first.
    QCOMPARE(shown.texts, QStringList({cave, fishing}));
    QCOMPARE(seenOnTop, QStringList({cave, fishing, cave}));
    QVERIFY(!caveActiveWhileOpen);
    QVERIFY(!caveTimer->isActive());
    QVERIFY(!fishingTimer->isActive());
    QCOMPARE(requireChild<QLabel>(&page, QStringLiteral("Label10"))->text(), kReady);
    QCOMPARE(requireChild<QLabel>(&page, QStringLiteral("Label3"))->text(), kReady);
}

void TestTimersPage::customTimerRunsDownAndEnds()
{
    Rig rig;
    auto *button = rig.find<QPushButton>("BitBtn8");
    auto *field = rig.find<QLineEdit>("Edit1");
    auto *clock = rig.find<QTimer>("TimerSvoi1");

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Остановить!"));
    QVERIFY(clock->isActive());
    QCOMPARE(field->text(), QStringLiteral("60"));
    rig.tickOwn();
    QCOMPARE(field->text(), QStringLiteral("59"));
    rig.tickOwn(59);
    QCOMPARE(field->text(), QStringLiteral("0"));
    QVERIFY(rig.events.isEmpty());

    // No sound and no window for the player's own timer: just the box.
    rig.tickOwn();
    QCOMPARE(rig.events, QStringList{QStringLiteral("message|") + kOwnDone + QStringLiteral("|")});
    QVERIFY(!clock->isActive());
    QCOMPARE(button->text(), QStringLiteral("Свой таймер"));
    QCOMPARE(field->text(), QStringLiteral("0"));

    // Started again at "0": the message comes with the first tick.
    rig.events.clear();
    QTest::mouseClick(button, Qt::LeftButton);
    rig.tickOwn();
    QCOMPARE(rig.events.size(), 1);
    QVERIFY(!clock->isActive());
}

void TestTimersPage::customTimerResumesAfterStop()
{
    Rig rig;
    auto *button = rig.find<QPushButton>("BitBtn8");
    auto *field = rig.find<QLineEdit>("Edit1");
    QTest::mouseClick(button, Qt::LeftButton);
    rig.tickOwn(35);
    QCOMPARE(field->text(), QStringLiteral("25"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("Свой таймер"));
    QVERIFY(!rig.find<QTimer>("TimerSvoi1")->isActive());
    QCOMPARE(field->text(), QStringLiteral("25"));
    QTest::mouseClick(button, Qt::LeftButton);
    rig.tickOwn();
    QCOMPARE(field->text(), QStringLiteral("24"));
}

void TestTimersPage::customTimerFollowsEditsAndOddTexts()
{
    Rig rig;
    auto *button = rig.find<QPushButton>("BitBtn8");
    auto *field = rig.find<QLineEdit>("Edit1");
    QTest::mouseClick(button, Qt::LeftButton);
    rig.tickOwn();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("10"));
    QCOMPARE(field->text(), QStringLiteral("10"));
    rig.tickOwn();
    QCOMPARE(field->text(), QStringLiteral("9"));

    field->setText(QStringLiteral("abc"));
    rig.tickOwn();
    QCOMPARE(field->text(), QStringLiteral("59"));
    rig.tickOwn();
    QCOMPARE(field->text(), QStringLiteral("58"));
    QVERIFY(rig.events.isEmpty());

    field->setText(QStringLiteral("-5"));
    rig.tickOwn();
    QCOMPARE(field->text(), QStringLiteral("-5"));
    QCOMPARE(rig.events.size(), 1);
    QCOMPARE(button->text(), QStringLiteral("Свой таймер"));
    QVERIFY(!rig.find<QTimer>("TimerSvoi1")->isActive());
}

QTEST_MAIN(TestTimersPage)
#include "tst_timerspage.moc"
