#include "notes_commands.h"

#include "game_session.h"

void fillInNotesCommand() { fillInNotes(game); }

void clearNotesCommand() { clearAllNotes(game); }

void notesModeCommand() { choices.notesMode = !choices.notesMode; }

bool notesModeIsOn() { return choices.notesMode; }

void strikePeerNotesCommand() { choices.strikePeerNotes = !choices.strikePeerNotes; }

bool strikePeerNotesIsOn() { return choices.strikePeerNotes; }
