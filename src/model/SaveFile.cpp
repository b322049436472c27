#include "model/SaveFile.h"

#include <QSaveFile>

namespace SaveFile {

bool Write(const QString& path, const QByteArray& bytes, QString* why)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (why)
            *why = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (why)
            *why = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (why)
            *why = file.errorString();
        return false;
    }
    return true;
}

} // namespace SaveFile
