#pragma once

#include <QString>

// The folder of the running program, or PELLOMAR_PROGRAM_DIR when set. Every file the program keeps
// (settings, database, templates, charts, exports, backups) is found through these two functions.
namespace ProgramDir {
QString path();
QString file(const QString& name);
} // namespace ProgramDir

// File names of the program directory.
namespace ProgramFiles {
inline const char* const Settings = "PellomarBrevantaLite.ini";
inline const char* const Database = "PellomarBrevantaLite.mdb";
inline const char* const Theme = "Style.plm";
inline const char* const WriteTest = "test.ini";
inline const char* const InstallMarker = "install.tmp";
inline const char* const HelpFile = "PellomarBrevantaLite.chm";
inline const char* const DefaultLogo = "TovrikLogo.bmp";
inline const char* const ChartTemplate = "pellomar_states.ini";
} // namespace ProgramFiles
