#include "device/DeviceSip.h"

#include "device/DeviceIo.h"
#include "device/DeviceRoot.h"
#include "device/DeviceTextFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>

namespace {

QString FilePath(const QString& name)
{
    return DeviceSip::StateFolder() + QLatin1Char('/') + name;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("DeviceSip", text);
}

bool Fail(DeviceError* error, const QString& file, const QString& reason)
{
    if (error)
        *error = DeviceError{file, reason};
    return false;
}

struct PanelSettings
{
    QList<QUuid> refused;
    QUuid fallback;
    bool infoUnavailable = false;
};

PanelSettings ReadSettings()
{
    PanelSettings settings;
    QByteArray bytes;
    if (DeviceIo::ReadSmallFile(FilePath(QStringLiteral("Settings")), &bytes) != DeviceIo::ReadResult::Ok)
        return settings;
    for (const auto& [key, value] : DeviceIo::ParseKeyValues(bytes)) {
        if (key.compare(QLatin1String("Refuse"), Qt::CaseInsensitive) == 0) {
            const QUuid id(value);
            if (!id.isNull())
                settings.refused << id;
        } else if (key.compare(QLatin1String("Fallback"), Qt::CaseInsensitive) == 0) {
            settings.fallback = QUuid(value);
        } else if (key.compare(QLatin1String("InfoUnavailable"), Qt::CaseInsensitive) == 0) {
            settings.infoUnavailable =
                value == QLatin1String("1") || value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        }
    }
    return settings;
}

QString IdText(const QUuid& id)
{
    return id.toString(QUuid::WithBraces).toUpper();
}

bool WriteCurrent(const QUuid& id, DeviceError* error = nullptr)
{
    return DeviceIo::WriteAtomically(FilePath(QStringLiteral("CurrentIM")), IdText(id).toUtf8() + '\n',
                                     error);
}

std::optional<SipRect> ParseRect(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return SipRect{v[0], v[1], v[2], v[3]};
}

QString RectText(const SipRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

// The state of the panel as stored; a fresh device shows its keyboard hidden
// over the lower part of a 240 x 320 screen.
struct StoredInfo
{
    quint32 flags = 0;
    SipRect visibleDesktop{0, 26, 240, 294};
    SipRect sipRect{0, 214, 240, 294};
    QByteArray imData;
};

bool ReadInfo(StoredInfo* info)
{
    QByteArray bytes;
    switch (DeviceIo::ReadSmallFile(FilePath(QStringLiteral("Info")), &bytes)) {
    case DeviceIo::ReadResult::Missing:
        return true;
    case DeviceIo::ReadResult::Ok:
        break;
    default:
        return false;
    }
    for (const auto& [key, value] : DeviceIo::ParseKeyValues(bytes)) {
        bool ok = true;
        if (key == QLatin1String("Flags")) {
            info->flags = value.toUInt(&ok, 0);
        } else if (key == QLatin1String("VisibleDesktop") || key == QLatin1String("SipRect")) {
            const auto rect = ParseRect(value);
            ok = rect.has_value();
            if (ok)
                (key == QLatin1String("SipRect") ? info->sipRect : info->visibleDesktop) = *rect;
        } else if (key == QLatin1String("ImData")) {
            info->imData = QByteArray::fromHex(value.toLatin1());
        }
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

namespace DeviceSip {

QString StateFolder()
{
    return DeviceRoot::ResolveUnder(DeviceRoot::Path(), {QStringLiteral("SIP")});
}

QUuid BuiltInKeyboard()
{
    return QUuid(0x7B1D5E40, 0x3C2A, 0x4F61, 0x9E, 0x0B, 0x21, 0x64, 0xA8, 0x3D, 0x5C, 0x10);
}

bool SipGetCurrentIM(QUuid* clsid, DeviceError* error)
{
    const QString path = FilePath(QStringLiteral("CurrentIM"));
    QByteArray bytes;
    switch (DeviceIo::ReadSmallFile(path, &bytes, DeviceIo::kMaxStateFileSize, error)) {
    case DeviceIo::ReadResult::Missing:
        *clsid = BuiltInKeyboard();
        return true;
    case DeviceIo::ReadResult::Ok: {
        const QUuid id(QString::fromUtf8(bytes).trimmed());
        if (id.isNull())
            return Fail(error, path, Tr("it holds no input method identifier"));
        *clsid = id;
        return true;
    }
    default:
        return false;
    }
}

bool SipSetCurrentIM(const QUuid& clsid, DeviceError* error)
{
    if (clsid.isNull())
        return Fail(error, {}, Tr("no input method was given"));
    const PanelSettings settings = ReadSettings();
    const QString log = FilePath(QStringLiteral("Switches.log"));
    if (settings.refused.contains(clsid)) {
        if (!settings.fallback.isNull() && WriteCurrent(settings.fallback)) {
            DeviceIo::AppendRecord(
                log, {IdText(clsid), QStringLiteral("refused, now ") + IdText(settings.fallback)});
        } else {
            DeviceIo::AppendRecord(log, {IdText(clsid), QStringLiteral("refused")});
        }
        return Fail(error, {}, Tr("the soft input panel refused to switch to %1").arg(IdText(clsid)));
    }
    if (!WriteCurrent(clsid, error))
        return false;
    DeviceIo::AppendRecord(log, {IdText(clsid), QStringLiteral("accepted")});
    return true;
}

bool SipGetInfo(SipInfo* info)
{
    if (!info || info->cbSize != kSipInfoSize || ReadSettings().infoUnavailable)
        return false;
    StoredInfo stored;
    if (!ReadInfo(&stored))
        return false;
    info->fdwFlags = stored.flags;
    info->rcVisibleDesktop = stored.visibleDesktop;
    info->rcSipRect = stored.sipRect;
    return true;
}

bool SipSetInfo(const SipInfo& info, DeviceError* error)
{
    const QString path = FilePath(QStringLiteral("Info"));
    if (info.cbSize != kSipInfoSize || info.dwImDataSize != quint32(info.pvImData.size()))
        return Fail(error, {}, Tr("the information record is not valid"));
    if (ReadSettings().infoUnavailable)
        return Fail(error, path, Tr("the soft input panel does not take its information"));

    // Other components keep their own keys in the record: those stay, and so
    // does the form of the file; only the four fields are set in place.
    QByteArray bytes;
    std::optional<DeviceTextFile> file;
    switch (DeviceIo::ReadSmallFile(path, &bytes, DeviceIo::kMaxStateFileSize, error)) {
    case DeviceIo::ReadResult::Missing:
        file = DeviceTextFile();
        break;
    case DeviceIo::ReadResult::Ok:
        file = DeviceTextFile::Parse(bytes);
        if (!file)
            return Fail(error, path, Tr("the file is not UTF-16 text as its byte order mark says"));
        break;
    default:
        return false;
    }
    const QList<QPair<QString, QString>> fields{
        {QStringLiteral("Flags"), QStringLiteral("0x%1").arg(info.fdwFlags, 8, 16, QLatin1Char('0'))},
        {QStringLiteral("VisibleDesktop"), RectText(info.rcVisibleDesktop)},
        {QStringLiteral("SipRect"), RectText(info.rcSipRect)},
        {QStringLiteral("ImData"), QString::fromLatin1(info.pvImData.toHex())}};
    for (const auto& [key, value] : fields) {
        // The last line of a key is the one the reader keeps.
        qsizetype found = -1;
        DeviceIo::KeyValueLine where;
        for (qsizetype i = 0; i < file->LineCount(); ++i) {
            if (const auto kv = DeviceIo::ParseKeyValueLine(file->Line(i)); kv && kv->key == key) {
                found = i;
                where = *kv;
            }
        }
        if (found >= 0)
            file->ReplaceInLine(found, where.valueFrom, where.valueTo, value);
        else
            file->AppendLine(key + QLatin1Char('=') + value);
    }
    return DeviceIo::WriteAtomically(path, file->ToBytes(), error);
}

} // namespace DeviceSip
