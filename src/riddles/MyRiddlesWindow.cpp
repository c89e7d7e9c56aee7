#include "riddles/MyRiddlesWindow.h"

#include "riddles/RiddleStore.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString kFilter = QStringLiteral("Списки загадок (*.tsv *.txt);;Все файлы (*)");

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    return pushButton;
}
} // namespace

MyRiddlesWindow::MyRiddlesWindow(RiddleStore *store, const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services)
{
    setObjectName(QStringLiteral("MyRiddlesWindow"));
    setWindowTitle(QStringLiteral("Мои загадки"));
    resize(520, 360);
    m_chooseImport = [](QWidget *owner) {
        return QFileDialog::getOpenFileName(owner, QStringLiteral("Импорт загадок"), QString(), kFilter);
    };
    m_chooseExport = [](QWidget *owner) {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Экспорт загадок"),
                                            QDir::home().filePath(QStringLiteral("загадки.tsv")), kFilter);
    };

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("MyRiddlesProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("MyRiddlesTable"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Загадка"), QStringLiteral("Ответ")});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    m_table->setColumnWidth(1, 140);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    connect(m_table, &QTableWidget::itemChanged, this, &MyRiddlesWindow::cellEdited);

    m_remove = button(QStringLiteral("Удалить"), "MyRiddlesRemove", this);
    QPushButton *import = button(QStringLiteral("Импорт…"), "MyRiddlesImport", this);
    QPushButton *exportButton = button(QStringLiteral("Экспорт…"), "MyRiddlesExport", this);
    connect(m_remove, &QPushButton::clicked, this, &MyRiddlesWindow::removeSelected);
    connect(import, &QPushButton::clicked, this, &MyRiddlesWindow::importList);
    connect(exportButton, &QPushButton::clicked, this, &MyRiddlesWindow::exportList);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(import);
    buttons->addWidget(exportButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_problem);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    // Refilled after the change is over, never from inside the table's own edit.
    connect(m_store, &RiddleStore::changed, this, &MyRiddlesWindow::fill, Qt::QueuedConnection);
}

void MyRiddlesWindow::setFileChoosers(FileChooser importFile, FileChooser exportFile)
{
    m_chooseImport = std::move(importFile);
    m_chooseExport = std::move(exportFile);
}

void MyRiddlesWindow::showEvent(QShowEvent *event)
{
    fill();
    QWidget::showEvent(event);
}

QString MyRiddlesWindow::fileName() const
{
    return QDir::toNativeSeparators(m_store->path());
}

void MyRiddlesWindow::fill()
{
    const QString problem = m_store->problem();
    m_problem->setText(QStringLiteral("Файл %1 не прочитан: %2. Известны встроенные загадки и то, чему "
                                      "Kelo научен сейчас; в файл ничего не записывается.")
                           .arg(fileName(), problem));
    m_problem->setVisible(!problem.isEmpty());

    const QSignalBlocker quiet(m_table);
    const QList<PlayerRiddle> &riddles = m_store->riddles();
    m_table->setRowCount(int(riddles.size()));
    for (int row = 0; row < riddles.size(); ++row) {
        auto *text = new QTableWidgetItem(riddles[row].text);
        // The riddle's text as the file knows it, to find it again after an edit.
        text->setData(Qt::UserRole, riddles[row].text.trimmed());
        text->setToolTip(riddles[row].text);
        m_table->setItem(row, 0, text);
        m_table->setItem(row, 1, new QTableWidgetItem(riddles[row].answer));
    }
}

void MyRiddlesWindow::cellEdited(QTableWidgetItem *item)
{
    const int row = item->row();
    QTableWidgetItem *text = m_table->item(row, 0);
    QTableWidgetItem *answer = m_table->item(row, 1);
    if (!text || !answer)
        return;
    const RiddleStore::Outcome outcome =
        m_store->replace(text->data(Qt::UserRole).toString(), text->text(), answer->text());
    // The table shows what is kept, also where the riddle had meanwhile gone from the file.
    QMetaObject::invokeMethod(this, &MyRiddlesWindow::fill, Qt::QueuedConnection);
    if (outcome.status == RiddleStore::Outcome::Refused) {
        tell(QStringLiteral("Не изменено: %1.").arg(outcome.reason));
    } else if (outcome.status == RiddleStore::Outcome::KeptForRun) {
        tell(QStringLiteral("Не удалось записать файл %1: %2.\nИзменение действует до выхода из Kelo.")
                 .arg(fileName(), outcome.reason));
    }
}

void MyRiddlesWindow::removeSelected()
{
    QSet<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    QStringList texts;
    for (int row : rows)
        if (QTableWidgetItem *text = m_table->item(row, 0))
            texts << text->data(Qt::UserRole).toString();
    if (texts.isEmpty())
        return;
    const RiddleStore::Outcome outcome = m_store->remove(texts);
    if (outcome.status == RiddleStore::Outcome::KeptForRun)
        tell(QStringLiteral("Не удалось записать файл %1: %2.\nЗагадки удалены до выхода из Kelo.")
                 .arg(fileName(), outcome.reason));
}

void MyRiddlesWindow::importList()
{
    const QString path = m_chooseImport(this);
    if (path.isEmpty())
        return;
    const RiddleStore::ImportSummary summary = m_store->importFrom(path);
    const QString source = QDir::toNativeSeparators(path);
    if (summary.outcome.status == RiddleStore::Outcome::Refused) {
        tell(QStringLiteral("Файл %1 не прочитан: %2.").arg(source, summary.outcome.reason));
        return;
    }
    QString text = QStringLiteral("Импорт из %1: добавлено %2, заменено %3, не понято %4.")
                       .arg(source)
                       .arg(summary.added)
                       .arg(summary.replaced)
                       .arg(summary.notUnderstood);
    if (summary.outcome.status == RiddleStore::Outcome::KeptForRun)
        text += QStringLiteral("\nНе удалось записать файл %1: %2.\nЗагадки известны до выхода из Kelo.")
                    .arg(fileName(), summary.outcome.reason);
    tell(text);
}

void MyRiddlesWindow::exportList()
{
    const QString path = m_chooseExport(this);
    if (path.isEmpty())
        return;
    if (const QString why = m_store->exportTo(path); !why.isEmpty())
        tell(QStringLiteral("Не удалось записать файл %1: %2.").arg(QDir::toNativeSeparators(path), why));
}

void MyRiddlesWindow::tell(const QString &outcomeText)
{
    MessageBox::show(this, outcomeText);
}
