#include "platform/IWordApplication.h"

#include "platform/CDocxApplication.h"

namespace {
WordApplicationFactory& Factory()
{
    static WordApplicationFactory factory;
    return factory;
}
} // namespace

std::unique_ptr<IWordApplication> CreateWordApplication(const QString& documentName)
{
    if (const WordApplicationFactory& factory = Factory())
        return factory(documentName);
    return std::make_unique<CDocxApplication>(documentName);
}

WordApplicationFactory SetWordApplicationFactory(WordApplicationFactory factory)
{
    WordApplicationFactory previous = std::move(Factory());
    Factory() = std::move(factory);
    return previous;
}
