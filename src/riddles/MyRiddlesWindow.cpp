#include "riddles/MyRiddlesWindow.h"

#include "riddles/PlayerRiddlesModel.h"
#include "riddles/RiddleStore.h"
#include "riddles/RiddleWording.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    return pushButton;
}

// Counts as the player reads them: "20 000", its groups held together by a no-break space.
QString counted(int count)
{
    return QLocale(QLocale::Russian, QLocale::Russia).toString(count);
}
} // namespace

MyRiddlesWindow::MyRiddlesWindow(RiddleStore *store, const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_store(store), m_services(services), m_folder(QDir::homePath())
{
    setObjectName(QStringLiteral("MyRiddlesWindow"));
    setWindowTitle(tr("Мои загадки"));
    resize(520, 360);
    const QString filter = tr("Списки загадок (*.tsv *.txt);;Все файлы (*)");
    m_chooseImport = [filter](QWidget *owner, const QString &start) {
        return QFileDialog::getOpenFileName(owner, tr("Импорт загадок"), start, filter);
    };
    m_chooseExport = [filter](QWidget *owner, const QString &start) {
        return QFileDialog::getSaveFileName(owner, tr("Экспорт загадок"), start, filter);
    };

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("MyRiddlesProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();

    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("MyRiddlesFilter"));
    m_filter->setPlaceholderText(tr("Найти загадку или ответ"));
    m_filter->setClearButtonEnabled(true);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("MyRiddlesCount"));

    m_model = new PlayerRiddlesModel(m_store, this);
    m_filtered = new PlayerRiddlesFilter(this);
    m_filtered->setSourceModel(m_model);
    connect(m_model, &PlayerRiddlesModel::editNotWritten, this, &MyRiddlesWindow::editNotWritten);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filtered->setFilterText(text);
        showCount();
    });

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("MyRiddlesTable"));
    m_table->setModel(m_filtered);
    m_table->horizontalHeader()->setSectionResizeMode(PlayerRiddlesModel::TextColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(PlayerRiddlesModel::AnswerColumn,
                                                      QHeaderView::Interactive);
    m_table->setColumnWidth(PlayerRiddlesModel::AnswerColumn, 140);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);

    m_remove = button(tr("Удалить"), "MyRiddlesRemove", this);
    QPushButton *import = button(tr("Импорт…"), "MyRiddlesImport", this);
    QPushButton *exportButton = button(tr("Экспорт…"), "MyRiddlesExport", this);
    connect(m_remove, &QPushButton::clicked, this, &MyRiddlesWindow::removeSelected);
    connect(import, &QPushButton::clicked, this, &MyRiddlesWindow::importList);
    connect(exportButton, &QPushButton::clicked, this, &MyRiddlesWindow::exportList);

    auto *findRow = new QHBoxLayout;
    findRow->addWidget(m_filter, 1);
    findRow->addWidget(m_count);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(import);
    buttons->addWidget(exportButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_problem);
    layout->addLayout(findRow);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    // Refreshed after the change is over, never from inside the table's own edit.
    connect(m_store, &RiddleStore::changed, this, &MyRiddlesWindow::refresh, Qt::QueuedConnection);
    showCount();
}

void MyRiddlesWindow::setFileChoosers(FileChooser importFile, FileChooser exportFile)
{
    m_chooseImport = std::move(importFile);
    m_chooseExport = std::move(exportFile);
}

void MyRiddlesWindow::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

void MyRiddlesWindow::hideEvent(QHideEvent *event)
{
    // A long list's normal forms are worth keeping only while the player may filter.
    m_model->releaseNormalForms();
    QWidget::hideEvent(event);
}

QString MyRiddlesWindow::fileName() const
{
    return QDir::toNativeSeparators(m_store->path());
}

void MyRiddlesWindow::refresh()
{
    const RiddleStore::FileError problem = m_store->problem();
    m_problem->setText(tr("Файл %1 не прочитан: %2. Известны встроенные загадки и то, чему "
                          "Kelo научен сейчас; в файл ничего не записывается.")
                           .arg(fileName(), RiddleWording::fileError(problem)));
    m_problem->setVisible(problem.isError());
    m_model->refresh();
    showCount();
}

void MyRiddlesWindow::showCount()
{
    const int all = m_model->rowCount();
    m_count->setText(m_filtered->isFiltering()
                         ? tr("Загадок: %1 из %2").arg(counted(m_filtered->rowCount()), counted(all))
                         : tr("Загадок: %1").arg(counted(all)));
}

void MyRiddlesWindow::editNotWritten(const RiddleStore::Outcome &outcome)
{
    if (outcome.status == RiddleStore::Outcome::Refused) {
        tell(tr("Не изменено: %1.").arg(RiddleWording::whyNot(outcome)));
    } else if (outcome.status == RiddleStore::Outcome::KeptForRun) {
        tell(tr("Не удалось записать файл %1: %2.\nИзменение действует до выхода из Kelo.")
                 .arg(fileName(), RiddleWording::whyNot(outcome)));
    }
}

void MyRiddlesWindow::removeSelected()
{
    QStringList texts;
    for (const QModelIndex &row : m_table->selectionModel()->selectedRows(PlayerRiddlesModel::TextColumn))
        texts << row.data(PlayerRiddlesModel::KeyRole).toString();
    if (texts.isEmpty())
        return;
    const RiddleStore::Outcome outcome = m_store->remove(texts);
    if (outcome.status == RiddleStore::Outcome::KeptForRun)
        tell(tr("Не удалось записать файл %1: %2.\nЗагадки удалены до выхода из Kelo.")
                 .arg(fileName(), RiddleWording::whyNot(outcome)));
}

void MyRiddlesWindow::rememberFolderOf(const QString &path)
{
    m_folder = QFileInfo(path).absolutePath();
}

void MyRiddlesWindow::importList()
{
    const QString path = m_chooseImport(this, m_folder);
    if (path.isEmpty())
        return;
    rememberFolderOf(path);
    const RiddleStore::ImportSummary summary = m_store->importFrom(path);
    const QString source = QDir::toNativeSeparators(path);
    if (summary.outcome.status == RiddleStore::Outcome::Refused) {
        tell(tr("Файл %1 не прочитан: %2.").arg(source, RiddleWording::whyNot(summary.outcome)));
        return;
    }
    QString text = tr("Импорт из %1: добавлено %2, заменено %3, не понято %4.")
                       .arg(source)
                       .arg(summary.added)
                       .arg(summary.replaced)
                       .arg(summary.notUnderstood);
    if (summary.outcome.status == RiddleStore::Outcome::KeptForRun)
        text += tr("\nНе удалось записать файл %1: %2.\nЗагадки известны до выхода из Kelo.")
                    .arg(fileName(), RiddleWording::whyNot(summary.outcome));
    tell(text);
}

void MyRiddlesWindow::exportList()
{
    const QString path = m_chooseExport(this, QDir(m_folder).filePath(tr("загадки.tsv")));
    if (path.isEmpty())
        return;
    rememberFolderOf(path);
    if (const RiddleStore::FileError error = m_store->exportTo(path); error.isError())
        tell(tr("Не удалось записать файл %1: %2.")
                 .arg(QDir::toNativeSeparators(path), RiddleWording::fileError(error)));
}

void MyRiddlesWindow::tell(const QString &outcomeText)
{
    MessageBox::show(this, outcomeText);
}
