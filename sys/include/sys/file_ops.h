// Small operations on files by name.
#pragma once

#include "text/text.h"

namespace qiro {

bool fileExists(TextView path);
bool deleteFile(TextView path);
bool renameFile(TextView oldPath, TextView newPath);
// Overwrites any file already at newPath.
bool copyFile(TextView existingPath, TextView newPath);
// Covers the content, renames the file to a name of z's and removes it; answers true
// when it was removed under the new name.
bool wipeAndDelete(TextView path);

}  // namespace qiro
