#include "riddles/RiddleDocument.h"

#include <QStringDecoder>

#include <algorithm>

namespace {
const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");
} // namespace

RiddleDocument RiddleDocument::parse(const QByteArray &bytes)
{
    RiddleDocument document;
    qsizetype start = 0;
    if (bytes.startsWith(kBom)) {
        document.m_bom = true;
        start = kBom.size();
    }
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        Line line;
        if (end < 0) {
            end = bytes.size();
        } else {
            line.ending = QByteArrayLiteral("\n");
        }
        qsizetype contentEnd = end;
        if (!line.ending.isEmpty() && contentEnd > start && bytes[contentEnd - 1] == '\r') {
            --contentEnd;
            line.ending = QByteArrayLiteral("\r\n");
        }
        line.bytes = bytes.mid(start, contentEnd - start);
        start = end + 1;

        const bool blank = std::all_of(line.bytes.cbegin(), line.bytes.cend(), [](char c) {
            return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
        });
        if (blank || line.bytes.startsWith('#')) {
            line.isIgnorable = true;
        } else if (line.bytes.contains('\t')) {
            // A line that is not well-formed UTF-8 is kept as it is, not understood.
            QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString decoded = decoder(line.bytes);
            if (!decoder.hasError()) {
                const qsizetype tab = decoded.indexOf(QLatin1Char('\t'));
                QString text = decoded.left(tab);
                QString answer = decoded.mid(tab + 1).trimmed();
                line.isRiddle = !text.trimmed().isEmpty() && !answer.isEmpty();
                line.riddle = {std::move(text), std::move(answer)};
            }
        }
        document.m_lines.append(std::move(line));
    }
    return document;
}

QByteArray RiddleDocument::toBytes() const
{
    QByteArray bytes;
    if (m_bom)
        bytes += kBom;
    for (const Line &line : m_lines)
        bytes += line.bytes + line.ending;
    return bytes;
}

QList<PlayerRiddle> RiddleDocument::riddles() const
{
    QList<PlayerRiddle> found;
    for (const Line &line : m_lines)
        if (line.isRiddle)
            found.append(line.riddle);
    return found;
}

int RiddleDocument::notUnderstoodCount() const
{
    int count = 0;
    for (const Line &line : m_lines)
        if (!line.isRiddle && !line.isIgnorable)
            ++count;
    return count;
}

QString RiddleDocument::cleanField(const QString &field)
{
    QString clean = field;
    clean.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar &c : clean)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return clean.trimmed();
}

QString RiddleDocument::refusal(const QString &text, const QString &answer)
{
    if (text.isEmpty())
        return QStringLiteral("загадка пуста");
    if (answer.isEmpty())
        return QStringLiteral("ответ пуст");
    if (text != cleanField(text) || answer != cleanField(answer))
        return QStringLiteral("в загадке или ответе есть табуляция или перевод строки");
    // Read back, such a line would be a comment and the riddle lost.
    if (text.startsWith(QLatin1Char('#')))
        return QStringLiteral("загадка начинается с «#», так начинаются примечания");
    return QString();
}

RiddleDocument::Line RiddleDocument::riddleLine(const QString &text, const QString &answer)
{
    Line line;
    line.bytes = text.toUtf8() + '\t' + answer.toUtf8();
    line.isRiddle = true;
    line.riddle = {text, answer};
    return line;
}

QByteArray RiddleDocument::newLineEnding() const
{
    // New lines follow the file's own convention, taken from its first line.
    for (const Line &line : m_lines)
        if (!line.ending.isEmpty())
            return line.ending;
    return QByteArrayLiteral("\n");
}

RiddleDocument::Change RiddleDocument::remember(const QString &text, const QString &answer)
{
    Change change = Change::Added;
    for (const Line &line : m_lines) {
        if (line.isRiddle && line.riddle.text.trimmed() == text)
            change = line.riddle.answer == answer && change != Change::Replaced ? Change::Unchanged
                                                                                : Change::Replaced;
    }
    if (change != Change::Added) {
        replace(text, text, answer);
        return change;
    }
    if (!m_lines.isEmpty() && m_lines.last().ending.isEmpty())
        m_lines.last().ending = newLineEnding();
    Line line = riddleLine(text, answer);
    line.ending = newLineEnding();
    m_lines.append(std::move(line));
    return Change::Added;
}

bool RiddleDocument::replace(const QString &text, const QString &newText, const QString &newAnswer)
{
    bool found = false;
    for (Line &line : m_lines) {
        if (!line.isRiddle || line.riddle.text.trimmed() != text)
            continue;
        found = true;
        if (newText == text) {
            // Same riddle: its text keeps its bytes, only the answer after the tab is new.
            if (line.riddle.answer != newAnswer) {
                line.bytes = line.bytes.left(line.bytes.indexOf('\t') + 1) + newAnswer.toUtf8();
                line.riddle.answer = newAnswer;
            }
            continue;
        }
        Line changed = riddleLine(newText, newAnswer);
        changed.ending = line.ending;
        line = std::move(changed);
    }
    return found;
}

bool RiddleDocument::remove(const QString &text)
{
    return m_lines.removeIf(
               [&](const Line &line) { return line.isRiddle && line.riddle.text.trimmed() == text; }) > 0;
}
