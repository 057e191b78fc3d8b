#pragma once

#include <QString>
#include <QStringList>

// daubrix --print-pdf OUT.pdf FILE.dbr [--dpu N --unit inch|cm|mm] [--no-center]: prints a
// drawing into a PDF page as the Print command would with no printer installed. Returns the
// exit status (0 done, 1 a file failed, 2 usage).
int RunHeadlessPrint(const QStringList& arguments, const QString& programFolder);

QString HeadlessPrintUsage();
