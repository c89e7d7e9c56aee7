#pragma once

#include <QList>
#include <QString>

// The text rules of the Information page, kept free of widgets.
namespace InfoLinks {

// The word around the character at `index` of a paragraph: the run of characters bounded
// by the nearest spaces (or the paragraph's ends). Only the space bounds a word, so
// punctuation stays part of it. Empty for a press on a space or outside the text.
QString wordAt(const QString &paragraph, int index);

// What a pressed word opens. Both can be true: the checks are independent.
struct Targets {
    bool web = false;  // contains "http://" (case-sensitive)
    bool mail = false; // contains "mailto:"
};
Targets targetsOf(const QString &word);

// A stretch of a paragraph shown as a link.
struct Link {
    int start = 0;
    int length = 0;
    QString address;
};
// Finds the text that has the form of a web or mail address, so it can be shown as a link.
// Punctuation closing a sentence is left out of the link.
QList<Link> findLinks(const QString &paragraph);

} // namespace InfoLinks
