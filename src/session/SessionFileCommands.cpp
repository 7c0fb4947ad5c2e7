// The commands of a roster session on its file: saving and closing.

#include "document/Interaction.h"
#include "document/RosterDocument.h"
#include "session/RosterSession.h"
#include "store/FileStamp.h"

bool RosterSession::save()
{
    const QString filePath = document_->filePath();
    if (filePath.isEmpty())
        return saveAs();
    std::optional<FileStamp> accepted;
    for (;;) {
        switch (document_->save(accepted)) {
        case RosterDocument::SaveOutcome::Saved:
            return true;
        case RosterDocument::SaveOutcome::Failed:
            return false;
        case RosterDocument::SaveOutcome::ChangedOnDisk:
            break;
        }
        // The file is replaced as the user saw it; changed again meanwhile, he is asked anew.
        accepted = StampOf(filePath);
        Question question{QStringLiteral("Le fichier %1 a été modifié par un autre programme "
                                         "depuis son ouverture.\r\n"
                                         "Voulez-vous le remplacer par ce tour de garde ?")
                              .arg(filePath),
                          ButtonSet::YesNo, MessageIcon::Warning};
        question.focusedButton = AnswerNo;
        if (ui_.ask(question) != AnswerYes)
            return saveAs();
    }
}

bool RosterSession::saveAs()
{
    const QString target = ui_.chooseFileToSave({document_->proposedSavePath()});
    return !target.isEmpty() && document_->saveAs(target) == RosterDocument::SaveOutcome::Saved;
}

bool RosterSession::mayClose()
{
    if (closeApproved_ || !document_->isModified())
        return true;
    const int answer = ui_.ask({QStringLiteral("Les données de %1 ont changées.\r\n"
                                               "Voulez-vous les sauvegarder ?")
                                    .arg(document_->caption()),
                                ButtonSet::YesNoCancel, MessageIcon::Question});
    if (answer == AnswerYes)
        return save();
    return answer == AnswerNo;
}
