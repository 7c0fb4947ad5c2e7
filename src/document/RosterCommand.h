#pragma once

#include <QUndoCommand>

class Roster;
class RosterDocument;

// What a failed change leaves as it was, for the message the user gets.
enum class EditScope { Day, Roster };

// One edit in a document's history: writing it again, or writing back what it replaced, is one
// transaction; a side that cannot be written leaves the history without this edit. Each kind of
// edit says how it writes its two sides and what the views must hear of afterwards.
class RosterCommand : public QUndoCommand {
public:
    RosterCommand(RosterDocument& document, const QString& text, EditScope scope);

    void redo() final { apply(true); }
    void undo() final { apply(false); }

    // Writes the edit (forward) or what it replaced; a database error goes up to the document.
    virtual void write(Roster& roster, bool forward) const = 0;
    // Tells the document's views what the side just written changed.
    virtual void announce(RosterDocument& document) const = 0;
    EditScope scope() const { return scope_; }

protected:
    // For the edits of a participant: his name may have left the list, his days and absences
    // changed with him.
    static void showParticipantChange(RosterDocument& document);

private:
    void apply(bool forward);

    RosterDocument& document_;
    EditScope scope_;
};
