#pragma once

// Command ids of the Coming Up view, paying, undo, reminders and the
// calendar sync; a range of their own beside CommandIds.h.
enum DueActionId : int
{
    ID_MARK_PAID = 33901,
    ID_MARK_UNPAID = 33902,
    ID_TOGGLE_PAID = 33903,
    ID_EDIT_UNDO = 33904,
    ID_EDIT_REDO = 33905,
    ID_VIEW_COMING_UP = 33906,
    ID_VIEW_MONTH = 33907,
    ID_GOTO_DUE_MONTH = 33908,
    ID_REMINDER_SETTINGS = 33909,
    ID_CALENDAR_SYNC_SETTINGS = 33910,
    ID_CALENDAR_SYNC_NOW = 33911,
};
