#pragma once
// Where the settings file lives: beside the program, named like it with ".INI". An installed
// program sits in a folder its users cannot write to; there the same file name in the user's
// configuration folder takes its place, so closing the editor never fails for want of a place.
#include <QString>

// Whether a new file can be made in the folder. Tried for real: permission bits do not tell it
// all, since a read-only mount refuses even root and access lists can refuse what the bits allow.
bool IsFolderWritable(const QString &folder);

// The settings file of the program at programPath. userConfigFolder is taken when the program's
// folder is not writable; when it is empty the file stays beside the program regardless.
QString SettingsFileLocation(const QString &programPath, const QString &userConfigFolder);
