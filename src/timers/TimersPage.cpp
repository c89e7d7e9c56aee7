#include "timers/TimersPage.h"

#include "settings/Settings.h"
#include "timers/Countdown.h"
#include "timers/SecondsField.h"
#include "widgets/MessageBox.h"
#include "widgets/StandardGlyphs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace {
// Marked here, translated where shown (a translator is installed only once the program runs).
const char *const kStart = QT_TRANSLATE_NOOP("TimersPage", "Старт");
const char *const kStop = QT_TRANSLATE_NOOP("TimersPage", "Стоп");
const char *const kOwnIdle = QT_TRANSLATE_NOOP("TimersPage", "Свой таймер");
const char *const kOwnRunning = QT_TRANSLATE_NOOP("TimersPage", "Остановить!");

constexpr int kTickMs = 1000;
constexpr int kStatusWidth = 160;
} // namespace

TimersPage::TimersPage(const Services &services, const Settings *settings, QWidget *parent)
    : QWidget(parent), m_services(services), m_settings(settings)
{
    setObjectName(QStringLiteral("TabSheet3"));

    // A countdown that can be stopped is the window's cancel button. Qt knows cancel buttons
    // only in dialogs, so Escape is a window-wide shortcut; living on this page it is active
    // only while the page is shown, and it is enabled only while something can be stopped.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setContext(Qt::WindowShortcut);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &TimersPage::stopFirstRunning);

    makeCountdown(Forest, "Label4", tr("Лес:"), 0, "Label1", 24, "BitBtn2", 0, "TimerLes", kForestSeconds,
                  tr("Можно идти в лес!"));
    makeCountdown(Hunting, "Label5", tr("Охота:"), 48, "Label2", 72, "BitBtn3", 40, "TimerOhota",
                  kHuntingSeconds, tr("Можно идти на охоту!"));
    makeCountdown(Fishing, "Label6", tr("Рыбалка:"), 96, "Label3", 120, "BitBtn4", 88, "TimerRyba",
                  kFishingSeconds, tr("Можно идти на рыбалку!"));
    makeCountdown(Cave, "Label9", tr("В пещеру:"), 144, "Label10", 170, "BitBtn5", 136, "TimerPeshera",
                  kCaveSeconds, tr("Пришли в пещеру!"));

    m_ownButton = new QPushButton(standardGlyph(StandardGlyph::Ignore), tr(kOwnIdle), this);
    m_ownButton->setObjectName(QStringLiteral("BitBtn8"));
    m_ownButton->setGeometry(0, 192, 97, 25);
    connect(m_ownButton, &QPushButton::clicked, this, &TimersPage::toggleOwnTimer);

    m_seconds = new QLineEdit(QStringLiteral("60"), this);
    m_seconds->setObjectName(QStringLiteral("Edit1"));
    m_seconds->setToolTip(tr("Введите время в сек."));
    m_seconds->setGeometry(104, 192, 50, 21);

    m_ownTimer = new QTimer(this);
    m_ownTimer->setObjectName(QStringLiteral("TimerSvoi1"));
    m_ownTimer->setInterval(kTickMs);
    connect(m_ownTimer, &QTimer::timeout, this, &TimersPage::tickOwnTimer);
}

void TimersPage::makeCountdown(Activity activity, const char *headingName, const QString &heading,
                               int headingTop, const char *statusName, int statusTop, const char *buttonName,
                               int buttonTop, const char *timerName, int duration, const QString &message)
{
    auto *title = new QLabel(heading, this);
    title->setObjectName(QString::fromLatin1(headingName));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPixelSize(13);
    title->setFont(bold);
    // The system's hot-light colour is what Qt calls the link colour.
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    title->setPalette(palette);
    title->move(0, headingTop);
    title->adjustSize();

    ActivityCountdown &countdown = m_countdowns[activity];
    countdown.status = new QLabel(tr("Можно идти"), this);
    countdown.status->setObjectName(QString::fromLatin1(statusName));
    countdown.status->setGeometry(0, statusTop, kStatusWidth, countdown.status->sizeHint().height());

    countdown.button = new QPushButton(this);
    countdown.button->setObjectName(QString::fromLatin1(buttonName));
    countdown.button->setGeometry(80, buttonTop, 73, 25);
    setRunning(countdown, false);
    connect(countdown.button, &QPushButton::clicked, this, [this, activity] { toggle(activity); });

    countdown.timer = new QTimer(this);
    countdown.timer->setObjectName(QString::fromLatin1(timerName));
    countdown.timer->setInterval(kTickMs);
    connect(countdown.timer, &QTimer::timeout, this, [this, activity] { tick(activity); });

    countdown.duration = duration;
    countdown.message = message;
}

void TimersPage::toggle(Activity activity)
{
    // After the end the timer has stopped but the countdown still counts as running, and
    // this click only stops it.
    ActivityCountdown &countdown = m_countdowns[activity];
    if (!countdown.running) {
        countdown.elapsed = 0;
        countdown.timer->start();
        setRunning(countdown, true);
    } else {
        setRunning(countdown, false);
        countdown.timer->stop();
    }
}

void TimersPage::tick(Activity activity)
{
    ActivityCountdown &countdown = m_countdowns[activity];
    const Countdown::Step result = Countdown::tick(countdown.elapsed, countdown.duration);
    if (!result.ended) {
        countdown.status->setText(Countdown::timeLeftText(result.secondsLeft));
        return;
    }
    // Stopped before the message box: its nested event loop keeps the other timers
    // ticking, and this countdown must not end a second time meanwhile.
    countdown.timer->stop();
    // The sound plays on its own; the label, the window and the message follow at once.
    if (m_settings->sound())
        m_services.playSound();
    countdown.status->setText(tr("Можно идти!"));
    emit activityEnded();
    MessageBox::show(window(), countdown.message);
}

void TimersPage::setRunning(ActivityCountdown &countdown, bool running)
{
    countdown.running = running;
    countdown.button->setText(tr(running ? kStop : kStart));
    countdown.button->setIcon(standardGlyph(running ? StandardGlyph::Cancel : StandardGlyph::Ignore));
    m_escape->setEnabled(std::any_of(m_countdowns.begin(), m_countdowns.end(),
                                     [](const ActivityCountdown &c) { return c.running; }));
}

void TimersPage::stopFirstRunning()
{
    // In the order of the page, not the order of starting.
    for (ActivityCountdown &countdown : m_countdowns) {
        if (countdown.running) {
            countdown.button->click();
            return;
        }
    }
}

void TimersPage::toggleOwnTimer()
{
    if (!m_ownTimer->isActive()) {
        m_ownTimer->start();
        m_ownButton->setText(tr(kOwnRunning));
    } else {
        m_ownTimer->stop();
        m_ownButton->setText(tr(kOwnIdle));
    }
}

void TimersPage::tickOwnTimer()
{
    // The field is the only store of the seconds left, so an edit made while the timer
    // runs takes effect on the next tick.
    const int secondsLeft = SecondsField::read(m_seconds->text());
    if (secondsLeft > 0) {
        m_seconds->setText(QString::number(secondsLeft - 1));
        return;
    }
    m_ownTimer->stop();
    m_ownButton->setText(tr(kOwnIdle));
    emit ownTimerEnded();
    MessageBox::show(window(), tr("Сработал \"Свой таймер\"!"));
}
