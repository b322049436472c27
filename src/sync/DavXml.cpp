#include "sync/DavXml.h"

#include <QCoreApplication>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace DavXml {

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

bool Is(const QXmlStreamReader& xml, const QString& ns, const char* name)
{
    return xml.namespaceUri() == ns && xml.name() == QLatin1String(name);
}

// The text of the first <href> inside the current element; the reader ends
// on the element's end.
QString ReadInnerHref(QXmlStreamReader& xml)
{
    QString href;
    while (xml.readNextStartElement()) {
        if (href.isEmpty() && Is(xml, kDav, "href"))
            href = HrefPath(xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
        else
            xml.skipCurrentElement();
    }
    return href;
}

// The properties inside one <prop>, into r.
void ReadProp(QXmlStreamReader& xml, Response& r)
{
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "getetag")) {
            r.etag = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (Is(xml, kCalDav, "calendar-data")) {
            r.calendarData = xml.readElementText(QXmlStreamReader::SkipChildElements).toUtf8();
        } else if (Is(xml, kDav, "resourcetype")) {
            while (xml.readNextStartElement()) {
                if (Is(xml, kDav, "collection"))
                    r.collection = true;
                else if (Is(xml, kCalDav, "calendar"))
                    r.calendar = true;
                xml.skipCurrentElement();
            }
        } else if (Is(xml, kDav, "displayname")) {
            r.displayName = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else if (Is(xml, kDav, "current-user-principal")) {
            r.principal = ReadInnerHref(xml);
        } else if (Is(xml, kCalDav, "calendar-home-set")) {
            r.calendarHome = ReadInnerHref(xml);
        } else if (Is(xml, kCalDav, "supported-calendar-component-set")) {
            while (xml.readNextStartElement()) {
                if (Is(xml, kCalDav, "comp"))
                    r.components << xml.attributes().value(QStringLiteral("name")).toString().toUpper();
                xml.skipCurrentElement();
            }
        } else if (Is(xml, kDav, "sync-token")) {
            r.syncToken = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        } else {
            xml.skipCurrentElement();
        }
    }
}

// One <propstat>: its properties count only with a 2xx status.
void ReadPropstat(QXmlStreamReader& xml, Response& r)
{
    Response found;
    int status = 0;
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "prop"))
            ReadProp(xml, found);
        else if (Is(xml, kDav, "status"))
            status = StatusCode(xml.readElementText(QXmlStreamReader::SkipChildElements));
        else
            xml.skipCurrentElement();
    }
    if (status < 200 || status > 299)
        return;
    if (!found.etag.isEmpty())
        r.etag = found.etag;
    if (!found.calendarData.isEmpty())
        r.calendarData = found.calendarData;
    r.collection = r.collection || found.collection;
    r.calendar = r.calendar || found.calendar;
    if (!found.displayName.isEmpty())
        r.displayName = found.displayName;
    if (!found.principal.isEmpty())
        r.principal = found.principal;
    if (!found.calendarHome.isEmpty())
        r.calendarHome = found.calendarHome;
    r.components += found.components;
    if (!found.syncToken.isEmpty())
        r.syncToken = found.syncToken;
}

Response ReadResponse(QXmlStreamReader& xml)
{
    Response r;
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "href") && r.href.isEmpty())
            r.href = HrefPath(xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
        else if (Is(xml, kDav, "status"))
            r.status = StatusCode(xml.readElementText(QXmlStreamReader::SkipChildElements));
        else if (Is(xml, kDav, "propstat"))
            ReadPropstat(xml, r);
        else
            xml.skipCurrentElement();
    }
    return r;
}

// A writer with the two namespaces declared on the root.
struct Body
{
    QByteArray bytes;
    QXmlStreamWriter xml{&bytes};
    Body(const QString& ns, const char* root)
    {
        xml.writeStartDocument();
        xml.writeNamespace(kDav, QStringLiteral("d"));
        xml.writeNamespace(kCalDav, QStringLiteral("c"));
        xml.writeStartElement(ns, QString::fromLatin1(root));
    }
    void Props(const QList<std::pair<QString, const char*>>& names)
    {
        xml.writeStartElement(kDav, QStringLiteral("prop"));
        for (const auto& [ns, name] : names)
            xml.writeEmptyElement(ns, QString::fromLatin1(name));
        xml.writeEndElement();
    }
    QByteArray Done()
    {
        xml.writeEndDocument();
        return bytes;
    }
};

} // namespace

QString HrefPath(const QString& href)
{
    const QUrl url(href);
    const QString path = url.isValid() && !url.scheme().isEmpty() ? url.path(QUrl::FullyEncoded)
                                                                  : href.section(QLatin1Char('?'), 0, 0);
    return QUrl::fromPercentEncoding(path.toUtf8());
}

int StatusCode(const QString& statusLine)
{
    const QStringList parts = statusLine.simplified().split(QLatin1Char(' '));
    if (parts.size() < 2)
        return 0;
    bool ok = false;
    const int code = parts.at(1).toInt(&ok);
    return ok ? code : 0;
}

MultiStatus Parse(const QByteArray& bytes)
{
    MultiStatus result;
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || !Is(xml, kDav, "multistatus")) {
        result.problem = xml.hasError() ? xml.errorString()
                                        : QCoreApplication::translate("DavXml", "not a multi-status answer");
        return result;
    }
    while (xml.readNextStartElement()) {
        if (Is(xml, kDav, "response"))
            result.responses << ReadResponse(xml);
        else if (Is(xml, kDav, "sync-token"))
            result.syncToken = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError()) {
        result.problem = xml.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

QByteArray DiscoveryBody()
{
    Body b(kDav, "propfind");
    b.Props({{kDav, "resourcetype"},
             {kDav, "displayname"},
             {kDav, "current-user-principal"},
             {kCalDav, "calendar-home-set"},
             {kCalDav, "supported-calendar-component-set"}});
    return b.Done();
}

QByteArray CalendarListBody()
{
    Body b(kDav, "propfind");
    b.Props({{kDav, "resourcetype"}, {kDav, "displayname"}, {kCalDav, "supported-calendar-component-set"}});
    return b.Done();
}

QByteArray EtagListBody()
{
    Body b(kDav, "propfind");
    b.Props({{kDav, "resourcetype"}, {kDav, "getetag"}});
    return b.Done();
}

QByteArray SyncCollectionBody(const QString& token)
{
    Body b(kDav, "sync-collection");
    b.xml.writeTextElement(kDav, QStringLiteral("sync-token"), token);
    b.xml.writeTextElement(kDav, QStringLiteral("sync-level"), QStringLiteral("1"));
    b.Props({{kDav, "getetag"}});
    return b.Done();
}

QByteArray MultigetBody(const QStringList& paths)
{
    Body b(kCalDav, "calendar-multiget");
    b.Props({{kDav, "getetag"}, {kCalDav, "calendar-data"}});
    for (const QString& path : paths) {
        QUrl url;
        url.setPath(path, QUrl::DecodedMode);
        b.xml.writeTextElement(kDav, QStringLiteral("href"), url.toString(QUrl::FullyEncoded));
    }
    return b.Done();
}

QByteArray MkCalendarBody(const QString& name, bool tasks, bool events)
{
    Body b(kCalDav, "mkcalendar");
    b.xml.writeStartElement(kDav, QStringLiteral("set"));
    b.xml.writeStartElement(kDav, QStringLiteral("prop"));
    b.xml.writeTextElement(kDav, QStringLiteral("displayname"), name);
    b.xml.writeStartElement(kCalDav, QStringLiteral("supported-calendar-component-set"));
    for (const auto& [on, comp] : {std::pair{tasks, "VTODO"}, std::pair{events, "VEVENT"}}) {
        if (!on)
            continue;
        b.xml.writeEmptyElement(kCalDav, QStringLiteral("comp"));
        b.xml.writeAttribute(QStringLiteral("name"), QString::fromLatin1(comp));
    }
    b.xml.writeEndElement();
    b.xml.writeEndElement();
    b.xml.writeEndElement();
    return b.Done();
}

} // namespace DavXml
