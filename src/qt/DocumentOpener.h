#pragma once
// Opens a document (a help page, the exported page, an advertisement page) with the desktop's
// default program for its type. The program does not wait for that program.
//
// Usage: gx::OpenDocument(QDir(programDir).filePath("pic/gx.htm"));
// Returns false when the file does not exist or the desktop refuses to open it; callers that must
// stay silent about a missing page simply ignore the result.

#include <QString>

namespace gx {

bool OpenDocument(const QString& path);

}  // namespace gx
