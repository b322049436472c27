#pragma once

#include <QString>

// The program's fixed message texts. The numbers are the texts' long-standing
// ids; translations are looked up by the English text.
enum class MessageId : int
{
    DocumentStrings = 128,
    AppTitle = 57344,
    NotesTitle = 61446,
    NotesSubtitle = 61447,
    DateTimePicture = 61448,
    TypeBusiness = 61449,
    TypePersonal = 61450,
    ConfirmDelete = 61452,
    ConfirmDeleteSeries = 61453,
    BadWorkingDirectory = 61454,
    WorkingDirectoryGone = 61455,
    SetRecurrencePattern = 61458,
    ConfirmModifySeries = 61459,
    OffsetTimePicture = 61460,
    PaidLabel = 61461,
    UnpaidLabel = 61462,
    TotalLabel = 61463,
    SpreadsheetExportFailed = 61464,
};

// The text of a message, translated for the running program.
QString LoadResString(MessageId id);
// The same by number; an empty string for a number that names no text.
QString LoadResString(int id);
