#pragma once

#include <QCoreApplication>
#include <QString>

#include "riddles/RiddleDocument.h"
#include "riddles/RiddleStore.h"

// The player's words for what the riddle file and its riddles refuse: short reasons that
// the riddle bar and "Мои загадки" put into their messages.
class RiddleWording {
    Q_DECLARE_TR_FUNCTIONS(RiddleWording)
public:
    static QString refusal(RiddleDocument::Refusal refusal);
    static QString fileError(const RiddleStore::FileError &error);
    // Why a change was not taken: the riddle's refusal or the file's error.
    static QString whyNot(const RiddleStore::Outcome &outcome);
};
