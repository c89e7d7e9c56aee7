#include "riddles/PlayerRiddlesModel.h"

#include "riddles/RiddleCatalog.h"

PlayerRiddlesModel::PlayerRiddlesModel(RiddleStore *store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store), m_riddles(store->riddles())
{
}

int PlayerRiddlesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_riddles.size());
}

int PlayerRiddlesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant PlayerRiddlesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_riddles.size())
        return QVariant();
    const PlayerRiddle &riddle = m_riddles[index.row()];
    const QString &text = index.column() == TextColumn ? riddle.text : riddle.answer;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text;
    case Qt::ToolTipRole:
        return index.column() == TextColumn ? QVariant(text) : QVariant();
    case KeyRole:
        return riddle.text.trimmed();
    case NormalFormRole:
        return normalForm(index.row(), index.column());
    default:
        return QVariant();
    }
}

QVariant PlayerRiddlesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == TextColumn ? tr("Загадка") : tr("Ответ");
}

Qt::ItemFlags PlayerRiddlesModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool PlayerRiddlesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= m_riddles.size())
        return false;
    PlayerRiddle edited = m_riddles[index.row()];
    (index.column() == TextColumn ? edited.text : edited.answer) = value.toString();
    const RiddleStore::Outcome outcome =
        m_store->replace(m_riddles[index.row()].text.trimmed(), edited.text, edited.answer);
    // The row shows what is kept once the store's change comes back, also where the riddle
    // had meanwhile gone from the file; a refused edit leaves the row as it was.
    if (outcome.status != RiddleStore::Outcome::Written)
        emit editNotWritten(outcome);
    return outcome.status != RiddleStore::Outcome::Refused;
}

void PlayerRiddlesModel::refresh()
{
    const QList<PlayerRiddle> &riddles = m_store->riddles();
    m_normalForms.clear();
    if (riddles.size() == m_riddles.size()) {
        // An edit in place: the view keeps its place and selection.
        m_riddles = riddles;
        if (!m_riddles.isEmpty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_riddles = riddles;
    endResetModel();
}

void PlayerRiddlesModel::releaseNormalForms()
{
    m_normalForms.clear();
    m_normalForms.squeeze();
}

QString PlayerRiddlesModel::normalForm(int row, int column) const
{
    if (m_normalForms.isEmpty()) {
        m_normalForms.reserve(m_riddles.size() * 2);
        for (const PlayerRiddle &riddle : m_riddles) {
            m_normalForms.append(RiddleCatalog::normalForm(riddle.text));
            m_normalForms.append(RiddleCatalog::normalForm(riddle.answer));
        }
    }
    return m_normalForms[row * 2 + column];
}

void PlayerRiddlesFilter::setFilterText(const QString &text)
{
    const QString normal = RiddleCatalog::normalForm(text);
    if (normal == m_normal)
        return;
    m_normal = normal;
    invalidateFilter();
}

bool PlayerRiddlesFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_normal.isEmpty())
        return true;
    const QAbstractItemModel *model = sourceModel();
    for (int column : {PlayerRiddlesModel::TextColumn, PlayerRiddlesModel::AnswerColumn}) {
        const QString cell =
            model->data(model->index(sourceRow, column, sourceParent), PlayerRiddlesModel::NormalFormRole)
                .toString();
        if (cell.contains(m_normal))
            return true;
    }
    return false;
}
