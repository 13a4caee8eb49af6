#include "TestSupport.h"

#include "core/DateTimeUtils.h"
#include "core/Fonts.h"
#include "core/uOrders.h"
#include "core/uPellomarShow.h"

#include <QDir>
#include <QtTest>

TempProgramDir::TempProgramDir() : m_previous(qgetenv("PELLOMAR_PROGRAM_DIR"))
{
    qputenv("PELLOMAR_PROGRAM_DIR", m_dir.path().toLocal8Bit());
}

TempProgramDir::~TempProgramDir()
{
    if (m_previous.isEmpty())
        qunsetenv("PELLOMAR_PROGRAM_DIR");
    else
        qputenv("PELLOMAR_PROGRAM_DIR", m_previous);
}

QString TempProgramDir::file(const QString& name) const
{
    return QDir(m_dir.path()).filePath(name);
}

void InitTestEnvironment()
{
    LoadApplicationFonts();
    Regional::set(TRegional::english());
    MessageBoxHook::setCapture(true);
    MessageBoxHook::clear();
}

TestDatabase::TestDatabase() : module(std::make_unique<TdmOrders>())
{
    if (!module->Connect())
        qFatal("test database could not be created in %s", qPrintable(dir.path()));
}

TestDatabase::~TestDatabase()
{
    module.reset();
}
