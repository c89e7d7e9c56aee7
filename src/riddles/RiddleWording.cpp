#include "riddles/RiddleWording.h"

namespace {
// The limit as the player reads it, from the limit itself.
QString mebibytes(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024));
}
} // namespace

QString RiddleWording::refusal(RiddleDocument::Refusal refusal)
{
    switch (refusal) {
    case RiddleDocument::Refusal::None:
        break;
    case RiddleDocument::Refusal::EmptyText:
        return tr("загадка пуста");
    case RiddleDocument::Refusal::EmptyAnswer:
        return tr("ответ пуст");
    case RiddleDocument::Refusal::LineBreakOrTab:
        return tr("в загадке или ответе есть табуляция или перевод строки");
    case RiddleDocument::Refusal::CommentMark:
        return tr("загадка начинается с «#», так начинаются примечания");
    }
    return QString();
}

QString RiddleWording::fileError(const RiddleStore::FileError &error)
{
    switch (error.kind) {
    case RiddleStore::FileError::None:
        break;
    case RiddleStore::FileError::NotAFile:
        return tr("это не обычный файл");
    case RiddleStore::FileError::TooLarge:
        return tr("файл больше %1 МиБ").arg(mebibytes(RiddleDocument::kMaxBytes));
    case RiddleStore::FileError::Unreadable:
        return tr("файл не читается: %1").arg(error.detail);
    case RiddleStore::FileError::WouldBeTooLarge:
        return tr("файл стал бы больше %1 МиБ").arg(mebibytes(RiddleDocument::kMaxBytes));
    case RiddleStore::FileError::FolderNotMade:
        return tr("не удаётся создать папку %1").arg(error.detail);
    case RiddleStore::FileError::NotWritten:
        return error.detail;
    case RiddleStore::FileError::KeloOwnFile:
        return tr("это файл, в котором Kelo хранит загадки");
    }
    return QString();
}

QString RiddleWording::whyNot(const RiddleStore::Outcome &outcome)
{
    return outcome.refusal != RiddleDocument::Refusal::None ? refusal(outcome.refusal)
                                                            : fileError(outcome.error);
}
