#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

class TdmOrders;

// A temporary program directory for one test: PELLOMAR_PROGRAM_DIR points at it while it lives.
class TempProgramDir
{
public:
    TempProgramDir();
    ~TempProgramDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

// Fonts, a fixed English locale and captured message boxes: the same start for every test.
void InitTestEnvironment();

// A test's program directory with a connected database created from the schema.
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();
    TempProgramDir dir;
    std::unique_ptr<TdmOrders> module;
};
