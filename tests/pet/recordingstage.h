// A stage that writes down every request, in order, as a short word, for tests of the parts that
// play on it (the activities, the dialogs) without the pet's windows.
#pragma once

#include "pet/model/stage.h"

#include <QStringList>

class RecordingStage : public Stage
{
public:
    void sayLines(Lines lines) override { calls << QStringLiteral("lines %1").arg(int(lines)); }
    void sayClickLines() override { calls << QStringLiteral("click lines"); }
    void askQuestion(Question kind) override { calls << QStringLiteral("question %1").arg(int(kind)); }
    void closeSpeech() override { calls << QStringLiteral("close speech"); }
    void closeQuestion() override { calls << QStringLiteral("close question"); }
    void conversationOver() override { calls << QStringLiteral("conversation over"); }
    void refreshButtons() override { calls << QStringLiteral("refresh buttons"); }
    void lockPresentAndHobby() override { calls << QStringLiteral("lock"); }
    void unlockPresentAndHobby() override { calls << QStringLiteral("unlock"); }
    void greyHobby() override { calls << QStringLiteral("grey hobby"); }
    void friendshipChanged() override { calls << QStringLiteral("friendship"); }

    int count(const QString &call) const { return int(calls.count(call)); }
    QStringList calls;
};
