#pragma once

#include "document/RosterCommand.h"

#include <functional>
#include <utility>

// An edit whose two sides are one call each: change writes it, revert writes back what it
// replaced, shown announces it to the views after either.
class RosterEdit : public RosterCommand {
public:
    RosterEdit(RosterDocument& document, const QString& text, std::function<void()> change,
               std::function<void()> revert, std::function<void()> shown, EditScope scope)
        : RosterCommand(document, text, scope)
        , change_(std::move(change))
        , revert_(std::move(revert))
        , shown_(std::move(shown))
    {
    }

    void write(Roster&, bool forward) const override { forward ? change_() : revert_(); }
    void announce(RosterDocument&) const override { shown_(); }

private:
    std::function<void()> change_;
    std::function<void()> revert_;
    std::function<void()> shown_;
};
