#include "riddles/RiddleBar.h"

#include "riddles/KnownRiddles.h"
#include "riddles/RiddleDocument.h"
#include "riddles/RiddleStore.h"
#include "riddles/RiddleWording.h"
#include "widgets/MessageBox.h"
#include "widgets/StandardGlyphs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace {
const QKeySequence kRememberKeys(QStringLiteral("Ctrl+S"));

QLineEdit *labeledEdit(QWidget *parent, const char *name, const QString &caption, int top)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(56, top, 113, 21);
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name) + QStringLiteral("Label"));
    label->adjustSize();
    // The label stands 10 pixels left of its field, vertically centred on it; where the
    // font makes it wider than that room, it keeps to the window and comes nearer the field.
    label->move(std::max(0, 56 - 10 - label->width()), top + (21 - label->height()) / 2);
    label->setBuddy(edit);
    return edit;
}
} // namespace

RiddleBar::RiddleBar(const Services &services, const KnownRiddles *known, QWidget *parent)
    : QWidget(parent), m_services(services), m_known(known)
{
    setObjectName(QStringLiteral("Panel2"));
    setFixedHeight(74);
    m_riddle = labeledEdit(this, "LabeledEdit1", tr("Загадка"), 2);
    m_answer = labeledEdit(this, "LabeledEdit2", tr("Ответ"), 24);

    m_ok = new QPushButton(standardGlyph(StandardGlyph::Ok), QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setGeometry(56, 48, 73, 20);
    connect(m_ok, &QPushButton::clicked, this, &RiddleBar::lookUpAnswer);

    // OK is the main window's default button. Qt has default buttons only in dialogs,
    // so Enter gets a window-wide shortcut; it lives on this bar and is therefore
    // active exactly while the bar is shown.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WindowShortcut);
        connect(enter, &QShortcut::activated, this, &RiddleBar::enterPressed);
    }
    // Teaching, like OK, belongs to the bar and works while it is shown.
    auto *remember = new QShortcut(kRememberKeys, this);
    remember->setContext(Qt::WindowShortcut);
    connect(remember, &QShortcut::activated, this, &RiddleBar::rememberAnswer);

    for (QLineEdit *field : {m_riddle, m_answer}) {
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this,
                [this, field](const QPoint &position) { showContextMenu(field, position); });
    }
}

void RiddleBar::setStore(RiddleStore *store)
{
    m_store = store;
}

QMenu *RiddleBar::contextMenuFor(QLineEdit *field)
{
    QMenu *menu = field->createStandardContextMenu();
    menu->addSeparator();
    QAction *remember = menu->addAction(tr("Запомнить ответ"), this, &RiddleBar::rememberAnswer);
    // Shown beside the item; the bar's own shortcut is the one that acts.
    remember->setShortcut(kRememberKeys);
    remember->setShortcutContext(Qt::WidgetShortcut);
    remember->setEnabled(m_store && !RiddleDocument::cleanField(m_riddle->text()).isEmpty() &&
                         !RiddleDocument::cleanField(m_answer->text()).isEmpty());
    QAction *myRiddles = menu->addAction(tr("Мои загадки…"), this, &RiddleBar::myRiddlesRequested);
    myRiddles->setEnabled(m_store != nullptr);
    return menu;
}

void RiddleBar::showContextMenu(QLineEdit *field, const QPoint &position)
{
    QMenu *menu = contextMenuFor(field);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(field->mapToGlobal(position));
}

void RiddleBar::rememberAnswer()
{
    const QString riddle = RiddleDocument::cleanField(m_riddle->text());
    const QString answer = RiddleDocument::cleanField(m_answer->text());
    if (!m_store || riddle.isEmpty() || answer.isEmpty())
        return;
    const RiddleStore::Outcome outcome = m_store->remember(riddle, answer);
    const QString file = QDir::toNativeSeparators(m_store->path());
    if (outcome.status == RiddleStore::Outcome::KeptForRun)
        MessageBox::show(window(), tr("Не удалось записать файл %1: %2.\n"
                                      "Ответ запомнен до выхода из Kelo.")
                                       .arg(file, RiddleWording::whyNot(outcome)));
    else if (outcome.status == RiddleStore::Outcome::Refused)
        MessageBox::show(window(), tr("Ответ не запомнен: %1.").arg(RiddleWording::whyNot(outcome)));
}

void RiddleBar::prepareToTeach(const QString &riddle)
{
    if (const QString oneLine = RiddleDocument::cleanField(riddle); !oneLine.isEmpty())
        m_riddle->setText(oneLine);
    m_answer->setFocus();
    m_answer->selectAll();
}

void RiddleBar::enterPressed()
{
    // As with a default button, Enter on a focused button presses that button instead.
    if (auto *button = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
        button && button != m_ok && button->window() == window()) {
        button->click();
        return;
    }
    lookUpAnswer();
}

void RiddleBar::lookUpAnswer()
{
    // A miss keeps whatever the answer field holds.
    if (const QString answer = m_known->catalog().exactAnswer(m_riddle->text()); !answer.isEmpty())
        m_answer->setText(answer);
    m_services.setClipboardText(m_answer->text());
    focusRiddle();
}

void RiddleBar::focusRiddle()
{
    m_riddle->setFocus();
    // Ready for the next riddle: a paste replaces the text instead of joining it.
    m_riddle->selectAll();
}

void RiddleBar::showAnswered(const QString &copy, const QString &answer)
{
    showCopy(copy);
    m_answer->setText(answer);
}

void RiddleBar::showMissed(const QString &copy)
{
    showCopy(copy);
}

void RiddleBar::showCopy(const QString &copy)
{
    // The field holds one line: a line break between two words becomes the space it stood for.
    QString oneLine = copy.trimmed();
    if (oneLine.isEmpty())
        return;
    oneLine.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QChar lineBreak : {QChar(u'\n'), QChar(u'\r'), QChar(0x2028), QChar(0x2029)})
        oneLine.replace(lineBreak, QLatin1Char(' '));
    m_riddle->setText(oneLine);
}
