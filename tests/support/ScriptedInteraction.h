#pragma once

#include "Interaction.h"

#include <QList>
#include <QStringList>

// Answers the program's questions from a script and records every text it shows.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
    };

    // Answers to the next prompts, in order; an unscripted prompt is cancelled.
    QStringList promptAnswers;

    QList<Shown> shown;

    void tell(const QString& message, MessageIcon icon) override { shown.append({message, icon}); }

    QString promptText(const QString& prompt) override {
        shown.append({prompt, MessageIcon::None});
        return promptAnswers.isEmpty() ? QString() : promptAnswers.takeFirst();
    }

    QStringList texts() const {
        QStringList result;
        for (const Shown& item : shown)
            result.append(item.text);
        return result;
    }
};
