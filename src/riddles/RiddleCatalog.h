#pragma once

#include <QHash>
#include <QString>

#include <vector>

// The riddles Kelo knows, in lookup order: the built-in table first, then whatever is
// appended after it (the player's own riddles, in file order). Each riddle's normal form
// is computed once, when it is added, so a lookup only compares.
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
    qsizetype size() const { return qsizetype(m_entries.size()); }

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
    struct Entry {
        QString text;
        QString answer;
        QString normal;
        bool longEnough; // takes part in step 3
    };

    std::vector<Entry> m_entries;
    // Step 3 starts only at the copy's words that begin some riddle: the hash of a first
    // word leads to the riddles that start with it (a collision costs only a comparison).
    QHash<size_t, std::vector<qsizetype>> m_byFirstWord;
};
