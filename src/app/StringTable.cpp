#include "app/StringTable.h"

#include <QHash>

namespace {
const QHash<int, QString>& Table()
{
    static const QHash<int, QString> table = {
        {128, QStringLiteral("Tallyvane\n\nTallyv\n\n\nTallyvane.Document\nTallyv Document")},
        {57344, QStringLiteral("Tallyvane")},
        {61446, QStringLiteral("Notes")},
        {61447, QStringLiteral("Enter Due Notes")},
        {61448, QStringLiteral("MM/dd/yyyy  hh:mm:ss tt")},
        {61449, QStringLiteral("Business")},
        {61450, QStringLiteral("Personal")},
        {61452, QStringLiteral("Are you sure want to delete this record?")},
        {61453, QStringLiteral("This is a recursive due. Select \"Yes\" to delete the whole series or \"No\" to "
                               "delete this record alone.")},
        {61454, QStringLiteral("The directory you have selected does not exists or it is a write protected medium.")},
        {61455, QStringLiteral("The working directory is moved or deleted. Please set the working directory to "
                               "continue.")},
        {61458, QStringLiteral("Please set the Recurrence Pattern.")},
        {61459, QStringLiteral("This is a recursive due. Select \"Yes\" to modify the whole series or \"No\" to "
                               "modify this record individually.")},
        {61460, QStringLiteral(" HH : mm")},
        {61461, QStringLiteral("Paid : ")},
        {61462, QStringLiteral("Unpaid : ")},
        {61463, QStringLiteral("Total : ")},
        {61464, QStringLiteral("There was a problem exporting the document to MS Excel\n"
                               "Please contact support for further queries.")},
    };
    return table;
}
} // namespace

QString LoadResString(int id)
{
    return Table().value(id);
}
