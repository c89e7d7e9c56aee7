#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

#include "riddles/RiddleDocument.h"

// The riddles Kelo knows, in lookup order: the built-in table first, then whatever is
// appended after it (the player's own riddles, in file order). Each riddle's normal form
// is computed once, when it is added, so a lookup only compares. Copies share everything
// until one of them is appended to; a long list of the player's riddles is kept once.
class RiddleCatalog {
public:
    // A copy longer than this is a whole page copied by mistake, never a riddle.
    static constexpr qsizetype kLongestCopy = 4000;
    // A copy (or a riddle) with fewer letters than this is too short to be told apart
    // from a stray word, so it is never matched tolerantly.
    static constexpr int kFewestLetters = 4;

    // The built-in table, in its order.
    static RiddleCatalog builtIn();

    void append(const QString &text, const QString &answer);
    // The player's riddles, in their order; their texts are shared with the list, not copied.
    void append(const QList<PlayerRiddle> &riddles);
    qsizetype size() const { return m_data->builtIn.size() + m_data->added.size(); }

    // The riddle field's rule: the answer of the last riddle that contains `query` exactly
    // (case-sensitive, nothing trimmed). Empty when none does or `query` is empty.
    QString exactAnswer(const QString &query) const;

    // The rule for a text copied from a page, which brings along what the page and the
    // copy add (line breaks, a label, the next sentence, ё for е, other dashes):
    //  1. the exact rule;
    //  2. the copy's normal form inside a riddle's normal form, the last such riddle;
    //  3. a whole riddle's normal form inside the copy's, word for word, the longest such
    //     riddle (the later one of equal length).
    // Steps 2 and 3 need at least kFewestLetters letters in the copy. Empty on a miss,
    // always for a copy longer than kLongestCopy.
    QString tolerantAnswer(const QString &copy) const;

    // Letters and digits lower-cased, "ё" as "е", every run of anything else as one space,
    // trimmed. Accents and invisible format characters (soft hyphens, zero-width spaces)
    // vanish instead, so they never split a word.
    static QString normalForm(const QString &text);

private:
    // Where a riddle's normal form lies in the pool of them all: one string for all
    // riddles instead of one each, which would cost a header and an allocation apiece.
    struct NormalSpan {
        quint32 offset;
        quint32 length : 31;
        quint32 longEnough : 1; // takes part in step 3
    };
    struct Data {
        QList<PlayerRiddle> builtIn;
        QList<PlayerRiddle> added;
        QString normals;
        std::vector<NormalSpan> spans;
        // Step 3 starts only at the copy's words that begin some riddle: the hash of a first
        // word leads to the riddles that start with it (a collision costs only a comparison).
        QHash<size_t, std::vector<quint32>> byFirstWord;
    };

    const PlayerRiddle &riddle(qsizetype index) const
    {
        const qsizetype builtIn = m_data->builtIn.size();
        return index < builtIn ? m_data->builtIn[index] : m_data->added[index - builtIn];
    }
    QStringView normal(qsizetype index) const
    {
        const NormalSpan span = m_data->spans[size_t(index)];
        return QStringView(m_data->normals).sliced(span.offset, span.length);
    }
    // Makes this copy's data its own before a change.
    void detach();
    // Computes the normal forms of the riddles from `first` on.
    void index(qsizetype first);

    std::shared_ptr<Data> m_data = std::make_shared<Data>();
};
