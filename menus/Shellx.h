#pragma once

#include <QString>

class Shell;

// Opens a document with the desktop's application for its type. True when the desktop took it;
// the callers ignore the answer, as a missing document or application is nothing to report.
bool OpenDocument(Shell& shell, const QString& path);
