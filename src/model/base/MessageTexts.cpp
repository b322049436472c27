#include "model/base/MessageTexts.h"

#include <QCoreApplication>

namespace {
struct Entry
{
    MessageId id;
    const char* text;
};

// The pictures (61448, 61460) are formats, not prose: they are not translated.
constexpr Entry kTexts[] = {
    {MessageId::DocumentStrings, "Tallyvane\n\nTallyv\n\n\nTallyvane.Document\nTallyv Document"},
    {MessageId::AppTitle, QT_TRANSLATE_NOOP("Messages", "Tallyvane")},
    {MessageId::NotesTitle, QT_TRANSLATE_NOOP("Messages", "Notes")},
    {MessageId::NotesSubtitle, QT_TRANSLATE_NOOP("Messages", "Enter Due Notes")},
    {MessageId::DateTimePicture, "MM/dd/yyyy  hh:mm:ss tt"},
    {MessageId::TypeBusiness, QT_TRANSLATE_NOOP("Messages", "Business")},
    {MessageId::TypePersonal, QT_TRANSLATE_NOOP("Messages", "Personal")},
    {MessageId::ConfirmDelete, QT_TRANSLATE_NOOP("Messages", "Are you sure want to delete this record?")},
    {MessageId::ConfirmDeleteSeries,
     QT_TRANSLATE_NOOP("Messages",
                       "This is a recursive due. Select \"Yes\" to delete the whole series or \"No\" to "
                       "delete this record alone.")},
    {MessageId::BadWorkingDirectory,
     QT_TRANSLATE_NOOP("Messages",
                       "The directory you have selected does not exists or it is a write protected medium.")},
    {MessageId::WorkingDirectoryGone,
     QT_TRANSLATE_NOOP(
         "Messages",
         "The working directory is moved or deleted. Please set the working directory to continue.")},
    {MessageId::SetRecurrencePattern, QT_TRANSLATE_NOOP("Messages", "Please set the Recurrence Pattern.")},
    {MessageId::ConfirmModifySeries,
     QT_TRANSLATE_NOOP("Messages",
                       "This is a recursive due. Select \"Yes\" to modify the whole series or \"No\" to "
                       "modify this record individually.")},
    {MessageId::OffsetTimePicture, " HH : mm"},
    {MessageId::PaidLabel, QT_TRANSLATE_NOOP("Messages", "Paid : ")},
    {MessageId::UnpaidLabel, QT_TRANSLATE_NOOP("Messages", "Unpaid : ")},
    {MessageId::TotalLabel, QT_TRANSLATE_NOOP("Messages", "Total : ")},
    {MessageId::SpreadsheetExportFailed,
     QT_TRANSLATE_NOOP("Messages", "There was a problem exporting the document to MS Excel\n"
                                   "Please contact support for further queries.")},
};

bool IsPicture(MessageId id)
{
    return id == MessageId::DocumentStrings || id == MessageId::DateTimePicture ||
           id == MessageId::OffsetTimePicture;
}
} // namespace

QString LoadResString(MessageId id)
{
    for (const Entry& e : kTexts) {
        if (e.id == id)
            return IsPicture(id) ? QString::fromUtf8(e.text)
                                 : QCoreApplication::translate("Messages", e.text);
    }
    return {};
}

QString LoadResString(int id)
{
    return LoadResString(MessageId(id));
}
