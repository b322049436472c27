#pragma once

// Helpers shared by the office package tests: parts read back with pugixml,
// a consistency check of a package, and LibreOffice's headless conversion
// where it is installed.

#include "platform/OoxmlPackage.h"
#include "platform/OoxmlXml.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include <pugixml.hpp>

namespace OfficeTest {

inline bool LoadPart(const OoxmlPackage& package, const QString& name, pugi::xml_document& doc)
{
    if (!package.Contains(name))
        return false;
    return OoxmlXml::Load(doc, package.Part(name), nullptr);
}

inline QString Text(const pugi::xml_node& node)
{
    return QString::fromUtf8(node.text().get());
}

inline QString Attr(const pugi::xml_node& node, const char* name)
{
    return QString::fromUtf8(node.attribute(name).value());
}

// What an office application would complain about: a relationship whose
// target part is missing, a part without a content type, an Override for a
// part that is not there, a part that is not well formed.
inline QStringList PackageProblems(const OoxmlPackage& package)
{
    QStringList problems;
    OoxmlXml::ContentTypes types;
    if (!types.Load(package.Part(QStringLiteral("[Content_Types].xml")), nullptr))
        return {QStringLiteral("no content types")};
    pugi::xml_document typesDoc;
    LoadPart(package, QStringLiteral("[Content_Types].xml"), typesDoc);
    for (pugi::xml_node o : typesDoc.document_element().children("Override")) {
        const QString part = Attr(o, "PartName").mid(1);
        if (!package.Contains(part))
            problems << QStringLiteral("override for missing %1").arg(part);
    }
    for (const QString& name : package.PartNames()) {
        if (name == QLatin1String("[Content_Types].xml"))
            continue;
        if (types.TypeOf(name).isEmpty())
            problems << QStringLiteral("no content type for %1").arg(name);
        pugi::xml_document doc;
        if (!LoadPart(package, name, doc))
            problems << QStringLiteral("%1 is not well formed").arg(name);
        if (!name.endsWith(QLatin1String(".rels")))
            continue;
        QString source = name;
        source.remove(QStringLiteral("_rels/"));
        source.chop(5);
        if (source == QLatin1String("."))
            source.clear();
        for (pugi::xml_node rel : doc.document_element().children("Relationship")) {
            if (Attr(rel, "TargetMode") == QLatin1String("External"))
                continue;
            const QString target = OoxmlXml::ResolveTarget(source, Attr(rel, "Target"));
            if (!package.Contains(target))
                problems << QStringLiteral("%1 points at missing %2").arg(name, target);
        }
    }
    return problems;
}

// LibreOffice's converter. Started with a profile of its own so that it
// neither touches the user's nor trips over another running instance.
class Soffice
{
public:
    explicit Soffice(const QString& workDir) : m_workDir(workDir) {}

    static QString Program() { return QStandardPaths::findExecutable(QStringLiteral("soffice")); }

    // Converts the inputs in one run with a --convert-to filter ("csv:...",
    // "txt:...", "fods"); returns the converted files in input order, or an
    // empty list with why.
    QStringList Convert(const QStringList& inputs, const QString& filter, const QString& outExt,
                        QString* why) const
    {
        const QString outDir = m_workDir + QStringLiteral("/converted");
        QDir().mkpath(outDir);
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(Program(),
                QStringList{QStringLiteral("-env:UserInstallation=") +
                                QUrl::fromLocalFile(m_workDir + QStringLiteral("/profile")).toString(),
                            QStringLiteral("--headless"), QStringLiteral("--norestore"),
                            QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), outDir} +
                    inputs);
        if (!p.waitForFinished(240000)) {
            p.kill();
            p.waitForFinished();
            *why = QStringLiteral("soffice timed out");
            return {};
        }
        QStringList outputs;
        for (const QString& input : inputs) {
            const QString out =
                outDir + QLatin1Char('/') + QFileInfo(input).completeBaseName() + QLatin1Char('.') + outExt;
            if (!QFileInfo::exists(out)) {
                *why = QStringLiteral("soffice made no %1: %2").arg(out, QString::fromLocal8Bit(p.readAll()));
                return {};
            }
            outputs << out;
        }
        return outputs;
    }

private:
    QString m_workDir;
};

} // namespace OfficeTest
