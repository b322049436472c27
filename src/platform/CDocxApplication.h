#pragma once

#include "platform/CWordDocument.h"
#include "platform/IWordApplication.h"

#include <memory>

#include <QCoreApplication>

// The word processor of this program: documents are CWordDocument models;
// making the application visible saves the active document as
// documentName.docx in a temporary folder and opens it with the default
// word processor.
class CDocxApplication : public IWordApplication
{
    Q_DECLARE_TR_FUNCTIONS(CDocxApplication)

public:
    explicit CDocxApplication(const QString& documentName);

    bool SetVisible(bool visible) override;
    bool AddDocument() override;
    IWordSelection* Selection() override { return m_document.get(); }
    bool SaveActiveDocument(const QString& path) override;
    QString ErrorString() const override { return m_error; }

    CWordDocument* ActiveDocument() const { return m_document.get(); }
    // The file the last SetVisible(true) saved and opened.
    QString ShownPath() const { return m_shownPath; }

private:
    QString m_documentName;
    std::unique_ptr<CWordDocument> m_document;
    bool m_visible = false;
    QString m_error;
    QString m_shownPath;
};
