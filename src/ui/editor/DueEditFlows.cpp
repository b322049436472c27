#include "ui/editor/DueEditFlows.h"

#include "ui/Prompt.h"

// Replaced by the editor sheet; until then New and Modify say so.
namespace DueEditFlows {

bool NewDue(QWidget* parent)
{
    Prompt::Message(parent, QStringLiteral("The due editor is not available in this build."));
    return false;
}

bool ModifyDue(QWidget* parent, const QString&)
{
    Prompt::Message(parent, QStringLiteral("The due editor is not available in this build."));
    return false;
}

} // namespace DueEditFlows
