#include "platform/CDocxApplication.h"

#include "platform/CDocxWriter.h"
#include "platform/TemporaryDocument.h"

CDocxApplication::CDocxApplication(const QString& documentName) : m_documentName(documentName)
{
    if (m_documentName.isEmpty())
        m_documentName = QStringLiteral("Document");
}

bool CDocxApplication::SetVisible(bool visible)
{
    const bool becomesVisible = visible && !m_visible;
    m_visible = visible;
    m_error.clear();
    if (!becomesVisible || !m_document)
        return true;
    return ShowTemporaryDocument(
        m_documentName + QStringLiteral(".docx"),
        [this](const QString& path, QString* why) { return CDocxWriter(*m_document).Save(path, why); },
        &m_shownPath, &m_error);
}

bool CDocxApplication::AddDocument()
{
    m_document = std::make_unique<CWordDocument>();
    m_error.clear();
    return true;
}

bool CDocxApplication::SaveActiveDocument(const QString& path)
{
    if (!m_document) {
        m_error = tr("No document is open.");
        return false;
    }
    return CDocxWriter(*m_document).Save(path, &m_error);
}
