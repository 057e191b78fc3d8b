#pragma once

#include <QString>
#include <QStringList>

// daubrix --import PICTURE OUT.dbr [options]: turns a picture into globs without a display,
// writing a new drawing or adding one section to an existing one. Returns the exit status
// (0 done, 1 a file failed, 2 usage).
int RunHeadlessImport(const QStringList& arguments, const QString& programFolder);

QString HeadlessImportUsage();
