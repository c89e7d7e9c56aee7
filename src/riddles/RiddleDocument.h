#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One riddle the player keeps: the text the game asks and its answer.
struct PlayerRiddle {
    QString text;
    QString answer;
    friend bool operator==(const PlayerRiddle &a, const PlayerRiddle &b)
    {
        return a.text == b.text && a.answer == b.answer;
    }
};

// The player's riddle file as it lies on disk: UTF-8, one "text<TAB>answer" a line,
// "#" comments, empty lines, CRLF or LF endings, maybe a BOM. Every line keeps its bytes,
// so whatever is not a riddle (comments, empty lines, lines not understood) is written
// back exactly as it was read and where it was; only changed riddles get new bytes.
class RiddleDocument {
public:
    // Larger files are neither read nor written: a list of riddles never gets near it,
    // and reading one whole into memory must stay bounded.
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    enum class Change { Added, Replaced, Unchanged };
    // Why a pair cannot be kept in the file.
    enum class Refusal {
        None,
        EmptyText,
        EmptyAnswer,
        LineBreakOrTab, // a tab or line break would split the line
        CommentMark,    // a text beginning with "#" would read back as a comment
    };

    static RiddleDocument parse(const QByteArray &bytes);
    QByteArray toBytes() const;
    // The riddles of the file alone, as `parse(bytes).riddles()` finds them, with nothing
    // else made on the way: a long list leaves no garbage between the strings it keeps.
    static QList<PlayerRiddle> riddlesIn(const QByteArray &bytes);

    // The riddles understood, in file order.
    QList<PlayerRiddle> riddles() const;
    // Lines that are neither riddles, comments nor empty.
    int notUnderstoodCount() const;

    // A text or answer as it may stand in the file: line breaks and tabs become spaces,
    // the ends are trimmed.
    static QString cleanField(const QString &field);
    // Why the pair cannot be kept in the file; Refusal::None when it can.
    static Refusal refusal(const QString &text, const QString &answer);

    // Gives every riddle with this text (ends trimmed) the answer, in its place; appends
    // the pair when the file has none. The pair must have passed `refusal`.
    Change remember(const QString &text, const QString &answer);
    // Changes the riddle(s) with `text` into the new pair in place; false when there is none.
    bool replace(const QString &text, const QString &newText, const QString &newAnswer);
    // Drops the riddles with `text`; false when there is none.
    bool remove(const QString &text);

private:
    struct Line {
        QByteArray bytes;  // without its line end
        QByteArray ending; // "\n", "\r\n" or nothing for a last line without one
        bool isRiddle = false;
        bool isIgnorable = false; // a comment or an empty line
        PlayerRiddle riddle;
    };
    static Line riddleLine(const QString &text, const QString &answer);
    // Calls `take(content, ending)` for every line of the file, the BOM left out.
    template <class Take> static void forEachLine(const QByteArray &bytes, Take take);
    // Whether a line is empty or a comment.
    static bool isIgnorable(QByteArrayView content);
    // A line's riddle: false when it is none (no tab, not UTF-8, an empty text or answer).
    // `scratch` is decoding room reused from line to line.
    static bool decodeRiddle(QByteArrayView content, PlayerRiddle *riddle, QString &scratch);
    QByteArray newLineEnding() const;

    bool m_bom = false;
    QList<Line> m_lines;
};
