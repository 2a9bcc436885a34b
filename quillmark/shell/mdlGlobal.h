#pragma once

#include <QString>

class QComboBox;

namespace quillmark {

// The program's product name, "Quillmark": the title of every message box.
QString GetAppTitle();
int AppVersionMajor();
int AppVersionMinor();

// The folder that holds the program's executable. Tests point it elsewhere
// with setProgramFolder(); an empty text restores the real one.
QString ProgramFolder();
void setProgramFolder(const QString& folder);
// The user's data folder, where the books live: $XDG_DATA_HOME/Quillmark,
// by default ~/.local/share/Quillmark (the program's AppDataLocation).
QString UserDataFolder();
// The default data file: "vevodir.dat" in the user's data folder, or in the
// program folder when only that one holds it.
QString DefaultDataFilePath();

// Points connSys and connReports at the data file and opens them, closing
// them first. A failure is shown to the user and ends the routine; the steps
// done before it stay done. Returns false after such a failure, so that a
// caller can fall back to other books instead of working on closed ones.
bool OpenDataConnections(const QString& path);

// Selects the first entry of the box whose item data equals value; when none
// does, the selection stays as it was.
void SelectComboByItemData(QComboBox& combo, qint32& value);

} // namespace quillmark
