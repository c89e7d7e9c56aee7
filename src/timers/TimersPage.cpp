#include "TimersPage.h"

#include "Countdown.h"
#include "SecondsField.h"
#include "StandardGlyphs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {
const QString kStart = QStringLiteral("Старт");
const QString kStop = QStringLiteral("Стоп");
const QString kOwnIdle = QStringLiteral("Свой таймер");
const QString kOwnRunning = QStringLiteral("Остановить!");

constexpr int kTickMs = 1000;
constexpr int kStatusWidth = 160;

enum { Forest, Hunting, Fishing, Cave };
} // namespace

TimersPage::TimersPage(const Services &services, QCheckBox *soundFlag,
                       std::function<void()> callAttention, QWidget *parent)
    : QWidget(parent), m_services(services), m_soundFlag(soundFlag),
      m_callAttention(std::move(callAttention))
{
    setObjectName(QStringLiteral("TabSheet3"));

    m_activities[Forest] = makeActivity("Label4", QStringLiteral("Лес:"), 0, "Label1", 24, "BitBtn2", 0,
                                        "TimerLes", kForestSeconds, QStringLiteral("Можно идти в лес!"));
    m_activities[Hunting] =
        makeActivity("Label5", QStringLiteral("Охота:"), 48, "Label2", 72, "BitBtn3", 40, "TimerOhota",
                     kHuntingSeconds, QStringLiteral("Можно идти на охоту!"));
    m_activities[Fishing] =
        makeActivity("Label6", QStringLiteral("Рыбалка:"), 96, "Label3", 120, "BitBtn4", 88, "TimerRyba",
                     kFishingSeconds, QStringLiteral("Можно идти на рыбалку!"));
    m_activities[Cave] =
        makeActivity("Label9", QStringLiteral("В пещеру:"), 144, "Label10", 170, "BitBtn5", 136,
                     "TimerPeshera", kCaveSeconds, QStringLiteral("Пришли в пещеру!"));

    connect(m_activities[Forest].button, &QPushButton::clicked, this, &TimersPage::BitBtn2Click);
    connect(m_activities[Hunting].button, &QPushButton::clicked, this, &TimersPage::BitBtn3Click);
    connect(m_activities[Fishing].button, &QPushButton::clicked, this, &TimersPage::BitBtn4Click);
    connect(m_activities[Cave].button, &QPushButton::clicked, this, &TimersPage::BitBtn5Click);
    connect(m_activities[Forest].timer, &QTimer::timeout, this, &TimersPage::TimerLesTimer);
    connect(m_activities[Hunting].timer, &QTimer::timeout, this, &TimersPage::TimerOhotaTimer);
    connect(m_activities[Fishing].timer, &QTimer::timeout, this, &TimersPage::TimerRybaTimer);
    connect(m_activities[Cave].timer, &QTimer::timeout, this, &TimersPage::TimerPesheraTimer);

    // A button in stop look is the window's cancel button. Qt knows cancel buttons only
    // in dialogs, so Escape is a window-wide shortcut; living on this page it is active
    // only while the page is shown, and it is enabled only while something can be stopped.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setContext(Qt::WindowShortcut);
    connect(m_escape, &QShortcut::activated, this, &TimersPage::cancelFirstRunning);
    updateEscape();

    m_ownButton = new QPushButton(standardGlyph(StandardGlyph::Ignore), kOwnIdle, this);
    m_ownButton->setObjectName(QStringLiteral("BitBtn8"));
    m_ownButton->setGeometry(0, 192, 97, 25);
    connect(m_ownButton, &QPushButton::clicked, this, &TimersPage::BitBtn8Click);

    m_seconds = new QLineEdit(QStringLiteral("60"), this);
    m_seconds->setObjectName(QStringLiteral("Edit1"));
    m_seconds->setToolTip(QStringLiteral("Введите время в сек."));
    m_seconds->setGeometry(104, 192, 50, 21);

    m_ownTimer = new QTimer(this);
    m_ownTimer->setObjectName(QStringLiteral("TimerSvoi1"));
    m_ownTimer->setInterval(kTickMs);
    connect(m_ownTimer, &QTimer::timeout, this, &TimersPage::TimerSvoi1Timer);
}

TimersPage::Activity TimersPage::makeActivity(const char *headingName, const QString &heading,
                                              int headingTop, const char *statusName, int statusTop,
                                              const char *buttonName, int buttonTop,
                                              const char *timerName, int duration,
                                              const QString &message)
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

    Activity activity;
    activity.status = new QLabel(QStringLiteral("Можно идти"), this);
    activity.status->setObjectName(QString::fromLatin1(statusName));
    activity.status->setGeometry(0, statusTop, kStatusWidth, activity.status->sizeHint().height());

    activity.button = new QPushButton(this);
    activity.button->setObjectName(QString::fromLatin1(buttonName));
    activity.button->setGeometry(80, buttonTop, 73, 25);
    setStopLook(activity.button, false);

    activity.timer = new QTimer(this);
    activity.timer->setObjectName(QString::fromLatin1(timerName));
    activity.timer->setInterval(kTickMs);

    activity.duration = duration;
    activity.message = message;
    return activity;
}

void TimersPage::BitBtn2Click() { toggle(m_activities[Forest]); }
void TimersPage::BitBtn3Click() { toggle(m_activities[Hunting]); }
void TimersPage::BitBtn4Click() { toggle(m_activities[Fishing]); }
void TimersPage::BitBtn5Click() { toggle(m_activities[Cave]); }
void TimersPage::TimerLesTimer() { step(m_activities[Forest]); }
void TimersPage::TimerOhotaTimer() { step(m_activities[Hunting]); }
void TimersPage::TimerRybaTimer() { step(m_activities[Fishing]); }
void TimersPage::TimerPesheraTimer() { step(m_activities[Cave]); }

void TimersPage::toggle(Activity &activity)
{
    // The look is the run state: after the end the timer has stopped but the button
    // still reads "Стоп", and this click only turns it back.
    if (!inStopLook(activity.button)) {
        activity.elapsed = 0;
        activity.timer->start();
        setStopLook(activity.button, true);
    } else {
        setStopLook(activity.button, false);
        activity.timer->stop();
    }
}

void TimersPage::step(Activity &activity)
{
    const Countdown::Step result = Countdown::tick(activity.elapsed, activity.duration);
    if (!result.ended) {
        activity.status->setText(Countdown::timeLeftText(result.secondsLeft));
        return;
    }
    // Stopped before the message box: its nested event loop keeps the other timers
    // ticking, and this countdown must not end a second time meanwhile.
    activity.timer->stop();
    // The sound plays on its own; the label, the window and the message follow at once.
    if (m_soundFlag && m_soundFlag->isChecked())
        m_services.playSound();
    activity.status->setText(QStringLiteral("Можно идти!"));
    if (m_callAttention)
        m_callAttention();
    m_services.showMessage(window(), activity.message);
}

void TimersPage::setStopLook(QPushButton *button, bool stop)
{
    button->setText(stop ? kStop : kStart);
    button->setIcon(standardGlyph(stop ? StandardGlyph::Cancel : StandardGlyph::Ignore));
    updateEscape();
}

bool TimersPage::inStopLook(const QPushButton *button)
{
    return button->text() == kStop;
}

void TimersPage::cancelFirstRunning()
{
    for (Activity &activity : m_activities) {
        if (inStopLook(activity.button)) {
            activity.button->click();
            return;
        }
    }
}

void TimersPage::updateEscape()
{
    // Called while the buttons are being made, before the shortcut exists.
    if (!m_escape)
        return;
    bool anyStop = false;
    for (const Activity &activity : m_activities)
        anyStop = anyStop || (activity.button && inStopLook(activity.button));
    m_escape->setEnabled(anyStop);
}

void TimersPage::BitBtn8Click()
{
    if (m_ownButton->text() == kOwnIdle) {
        m_ownTimer->start();
        m_ownButton->setText(kOwnRunning);
    } else {
        m_ownTimer->stop();
        m_ownButton->setText(kOwnIdle);
    }
}

void TimersPage::TimerSvoi1Timer()
{
    // The field is the only store of the seconds left, so an edit made while the timer
    // runs takes effect on the next tick.
    const int secondsLeft = SecondsField::read(m_seconds->text());
    if (secondsLeft > 0) {
        m_seconds->setText(QString::number(secondsLeft - 1));
        return;
    }
    m_ownTimer->stop();
    m_ownButton->setText(kOwnIdle);
    m_services.showMessage(window(), QStringLiteral("Сработал \"Свой таймер\"!"));
}
