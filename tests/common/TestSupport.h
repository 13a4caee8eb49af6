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

class TfrmMainPellomarAlpha;
class QTimer;

// The real main window on a temporary program directory, started as the entry starts it. The tutorial
// and tip windows, which open on their own, are closed and their names recorded.
class MainWindowFixture
{
public:
    // settingsText: the settings file to start with (empty: none); tutorial and tips are off unless given.
    explicit MainWindowFixture(
        const QByteArray& settingsText = "[Preferences]\r\nShowTutorial=0\r\nShowTips=0\r\n",
        bool installMarker = false);
    ~MainWindowFixture();
    // Shows the window and waits until the orders are loaded and the tree is built.
    bool start();
    TempProgramDir dir;
    std::unique_ptr<TfrmMainPellomarAlpha> window;
    std::unique_ptr<TdmOrders> module;
    QStringList closedModals;

private:
    QTimer* m_modalCloser;
};
