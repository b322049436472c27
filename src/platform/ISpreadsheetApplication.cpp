#include "platform/ISpreadsheetApplication.h"

#include "platform/CXlsxApplication.h"

namespace {
SpreadsheetApplicationFactory& Factory()
{
    static SpreadsheetApplicationFactory factory;
    return factory;
}
} // namespace

std::unique_ptr<ISpreadsheetApplication> CreateSpreadsheetApplication(const QString& documentName)
{
    if (const SpreadsheetApplicationFactory& factory = Factory())
        return factory(documentName);
    return std::make_unique<CXlsxApplication>(documentName);
}

SpreadsheetApplicationFactory SetSpreadsheetApplicationFactory(SpreadsheetApplicationFactory factory)
{
    SpreadsheetApplicationFactory previous = std::move(Factory());
    Factory() = std::move(factory);
    return previous;
}
