#include "platform/OoxmlPackage.h"

#include "model/store/ExportFile.h"

#include <QCoreApplication>
#include <QFile>

#include <zip.h>

#include <memory>

namespace {

// The file's texts, translated under one context (declared so that lupdate finds them).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OoxmlPackage)
};
QString ZipErrorText(zip_error_t* error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

struct SourceCloser
{
    void operator()(zip_source_t* s) const { zip_source_free(s); }
};
using SourcePtr = std::unique_ptr<zip_source_t, SourceCloser>;

struct ArchiveDiscarder
{
    void operator()(zip_t* z) const { zip_discard(z); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveDiscarder>;

// A part name that can be trusted as a key: no absolute or parent paths, no
// backslashes or control characters.
bool IsSafePartName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    for (const QString& segment : name.split(QLatin1Char('/'))) {
        if (segment == QLatin1String("..") || segment == QLatin1String("."))
            return false;
    }
    for (QChar c : name) {
        if (c.unicode() < 0x20)
            return false;
    }
    return true;
}

} // namespace

bool OoxmlPackage::Read(const QString& path, QString* why)
{
    m_parts.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = file.errorString();
        return false;
    }
    if (file.size() > kMaxPackageBytes) {
        if (why)
            *why = Texts::tr("The file is too large to be an office package.");
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return ReadBytes(bytes, why);
}

bool OoxmlPackage::ReadBytes(const QByteArray& zipBytes, QString* why)
{
    m_parts.clear();
    auto fail = [&](const QString& text) {
        m_parts.clear();
        if (why)
            *why = text;
        return false;
    };
    if (zipBytes.isEmpty())
        return fail(Texts::tr("The file is empty."));

    zip_error_t error;
    zip_error_init(&error);
    SourcePtr source(
        zip_source_buffer_create(zipBytes.constData(), zip_uint64_t(zipBytes.size()), 0, &error));
    if (!source) {
        const QString text = ZipErrorText(&error);
        zip_error_fini(&error);
        return fail(text);
    }
    ArchivePtr archive(zip_open_from_source(source.get(), ZIP_RDONLY, &error));
    if (!archive) {
        const QString text = Texts::tr("Not an office package (%1).").arg(ZipErrorText(&error));
        zip_error_fini(&error);
        return fail(text);
    }
    source.release(); // the archive owns it now
    zip_error_fini(&error);

    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0 || count > kMaxParts)
        return fail(Texts::tr("The package holds too many parts."));

    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &st) != 0)
            return fail(QString::fromLocal8Bit(zip_strerror(archive.get())));
        const QString name = QString::fromUtf8(st.name);
        if (name.endsWith(QLatin1Char('/')))
            continue; // a folder entry carries no part
        if (!IsSafePartName(name))
            return fail(Texts::tr("The package holds a part with an unusable name."));
        if (IndexOf(name) >= 0)
            return fail(Texts::tr("The package holds the part %1 twice.").arg(name));
        if (!(st.valid & ZIP_STAT_SIZE) || st.size > zip_uint64_t(kMaxPartBytes) ||
            total + qint64(st.size) > kMaxPackageBytes)
            return fail(Texts::tr("The part %1 is too large.").arg(name));
        total += qint64(st.size);

        zip_file_t* zf = zip_fopen_index(archive.get(), zip_uint64_t(i), 0);
        if (!zf)
            return fail(Texts::tr("The part %1 cannot be read (%2).")
                            .arg(name, QString::fromLocal8Bit(zip_strerror(archive.get()))));
        QByteArray data(qsizetype(st.size), Qt::Uninitialized);
        qint64 got = 0;
        while (got < qint64(st.size)) {
            const zip_int64_t n = zip_fread(zf, data.data() + got, zip_uint64_t(qint64(st.size) - got));
            if (n <= 0)
                break;
            got += n;
        }
        // The stored size is a claim; a part that holds more or less, or fails
        // its checksum at the end, is damaged.
        char probe;
        const bool badEnd = got == qint64(st.size) && zip_fread(zf, &probe, 1) != 0;
        zip_fclose(zf);
        if (got != qint64(st.size) || badEnd)
            return fail(Texts::tr("The part %1 is damaged.").arg(name));
        m_parts.append({name, data});
    }
    return true;
}

bool OoxmlPackage::ToBytes(QByteArray* zipBytes, QString* why) const
{
    auto fail = [&](const QString& text) {
        if (why)
            *why = text;
        return false;
    };
    zip_error_t error;
    zip_error_init(&error);
    SourcePtr buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) {
        const QString text = ZipErrorText(&error);
        zip_error_fini(&error);
        return fail(text);
    }
    // Keep the buffer alive past zip_close so the written bytes can be read back.
    zip_source_keep(buffer.get());
    ArchivePtr archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
    if (!archive) {
        const QString text = ZipErrorText(&error);
        zip_error_fini(&error);
        zip_source_free(buffer.get()); // drop the extra reference taken above
        return fail(text);
    }
    zip_error_fini(&error);

    for (const Entry& part : m_parts) {
        // libzip copies nothing here: the data must outlive zip_close, which it does.
        zip_source_t* src =
            zip_source_buffer(archive.get(), part.data.constData(), zip_uint64_t(part.data.size()), 0);
        if (!src)
            return fail(QString::fromLocal8Bit(zip_strerror(archive.get())));
        const zip_int64_t index = zip_file_add(archive.get(), part.name.toUtf8().constData(), src,
                                               ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(src);
            return fail(QString::fromLocal8Bit(zip_strerror(archive.get())));
        }
        zip_set_file_compression(archive.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, 0);
    }
    zip_t* raw = archive.release();
    if (zip_close(raw) != 0) {
        const QString text = QString::fromLocal8Bit(zip_strerror(raw));
        zip_discard(raw);
        return fail(text);
    }

    QByteArray out;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(buffer.get(), &st) != 0 || zip_source_open(buffer.get()) != 0)
        return fail(Texts::tr("The package could not be assembled."));
    out.resize(qsizetype(st.size));
    const zip_int64_t n = zip_source_read(buffer.get(), out.data(), st.size);
    zip_source_close(buffer.get());
    if (n != zip_int64_t(st.size))
        return fail(Texts::tr("The package could not be assembled."));
    *zipBytes = out;
    return true;
}

bool OoxmlPackage::Write(const QString& path, QString* why) const
{
    QByteArray bytes;
    if (!ToBytes(&bytes, why))
        return false;
    return SaveExportFile(path, bytes, why);
}

bool OoxmlPackage::Contains(const QString& name) const
{
    return IndexOf(name) >= 0;
}

QByteArray OoxmlPackage::Part(const QString& name) const
{
    const int i = IndexOf(name);
    return i >= 0 ? m_parts.at(i).data : QByteArray();
}

void OoxmlPackage::SetPart(const QString& name, const QByteArray& data)
{
    const int i = IndexOf(name);
    if (i >= 0)
        m_parts[i].data = data;
    else
        m_parts.append({name, data});
}

void OoxmlPackage::RemovePart(const QString& name)
{
    const int i = IndexOf(name);
    if (i >= 0)
        m_parts.removeAt(i);
}

QStringList OoxmlPackage::PartNames() const
{
    QStringList names;
    for (const Entry& e : m_parts)
        names.append(e.name);
    return names;
}

int OoxmlPackage::IndexOf(const QString& name) const
{
    // Part names compare case-insensitively in a package.
    for (int i = 0; i < m_parts.size(); ++i) {
        if (m_parts.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
