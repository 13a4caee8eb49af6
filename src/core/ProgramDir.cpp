#include "core/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramDir {

QString path()
{
    const QByteArray overridden = qgetenv("PELLOMAR_PROGRAM_DIR");
    if (!overridden.isEmpty())
        return QDir(QString::fromLocal8Bit(overridden)).absolutePath();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString file(const QString& name)
{
    return QDir(path()).filePath(name);
}

} // namespace ProgramDir
