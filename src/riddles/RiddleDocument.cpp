#include "riddles/RiddleDocument.h"

#include <QStringDecoder>

#include <algorithm>

namespace {
const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");
} // namespace

template <class Take> void RiddleDocument::forEachLine(const QByteArray &bytes, Take take)
{
    qsizetype start = bytes.startsWith(kBom) ? kBom.size() : 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        QByteArrayView ending;
        if (end < 0) {
            end = bytes.size();
        } else {
            ending = "\n";
        }
        qsizetype contentEnd = end;
        if (!ending.isEmpty() && contentEnd > start && bytes[contentEnd - 1] == '\r') {
            --contentEnd;
            ending = "\r\n";
        }
        take(QByteArrayView(bytes).sliced(start, contentEnd - start), ending);
        start = end + 1;
    }
}

bool RiddleDocument::isIgnorable(QByteArrayView content)
{
    const bool blank = std::all_of(content.begin(), content.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
    });
    return blank || content.startsWith('#');
}

namespace {
// Decodes UTF-8 into a string of exactly its length (a decoder sets room aside for as many
// characters as bytes, twice what Cyrillic needs); false when it is not UTF-8.
// `scratch` is room reused from line to line, so a long list leaves no holes between the
// strings it keeps.
bool decodeExactly(QByteArrayView utf8, QString *decoded, QString &scratch)
{
    if (scratch.size() < utf8.size())
        scratch.resize(utf8.size());
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QChar *end = decoder.appendToBuffer(scratch.data(), utf8);
    if (decoder.hasError())
        return false;
    *decoded = QString(scratch.constData(), end - scratch.constData());
    return true;
}
} // namespace

bool RiddleDocument::decodeRiddle(QByteArrayView content, PlayerRiddle *riddle, QString &scratch)
{
    const qsizetype tab = content.indexOf('\t');
    if (tab < 0 || isIgnorable(content))
        return false;
    // A line that is not well-formed UTF-8 is kept as it is, not understood. The tab is
    // never part of a longer UTF-8 sequence, so each side is decoded on its own.
    QString text;
    QString answer;
    if (!decodeExactly(content.first(tab), &text, scratch) ||
        !decodeExactly(content.sliced(tab + 1), &answer, scratch))
        return false;
    answer = std::as_const(answer).trimmed();
    if (answer.isEmpty() || std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); }))
        return false;
    *riddle = {std::move(text), std::move(answer)};
    return true;
}

RiddleDocument RiddleDocument::parse(const QByteArray &bytes)
{
    RiddleDocument document;
    document.m_bom = bytes.startsWith(kBom);
    QString scratch;
    forEachLine(bytes, [&document, &scratch](QByteArrayView content, QByteArrayView ending) {
        Line line;
        line.bytes = content.toByteArray();
        line.ending = ending.toByteArray();
        line.isIgnorable = isIgnorable(content);
        line.isRiddle = decodeRiddle(content, &line.riddle, scratch);
        document.m_lines.append(std::move(line));
    });
    return document;
}

QList<PlayerRiddle> RiddleDocument::riddlesIn(const QByteArray &bytes)
{
    QList<PlayerRiddle> riddles;
    riddles.reserve(bytes.count('\n') + 1);
    QString scratch;
    forEachLine(bytes, [&riddles, &scratch](QByteArrayView content, QByteArrayView) {
        PlayerRiddle riddle;
        if (decodeRiddle(content, &riddle, scratch))
            riddles.append(std::move(riddle));
    });
    riddles.squeeze();
    return riddles;
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

RiddleDocument::Refusal RiddleDocument::refusal(const QString &text, const QString &answer)
{
    if (text.isEmpty())
        return Refusal::EmptyText;
    if (answer.isEmpty())
        return Refusal::EmptyAnswer;
    if (text != cleanField(text) || answer != cleanField(answer))
        return Refusal::LineBreakOrTab;
    // Read back, such a line would be a comment and the riddle lost.
    if (text.startsWith(QLatin1Char('#')))
        return Refusal::CommentMark;
    return Refusal::None;
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
