#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// A printed PDF read back as the reader sees it: its first page rendered by pdftoppm.
inline bool HavePdfRenderer()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// The first page at dpi pixels per inch, or a null image when it cannot be rendered.
inline QImage RenderPdfPage(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess renderer;
    renderer.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                    QStringLiteral("-l"), QStringLiteral("1"), pdf, stem});
    if (!renderer.waitForFinished(30000) || renderer.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel that is not white paper.
inline QRect InkBounds(const QImage& page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if ((page.pixel(x, y) & 0xffffff) != 0xffffff)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A printer-pixel rectangle as it lands on a page rendered at dpi, from a page printed at
// resolution pixels per inch.
inline QRect AtDpi(const QRect& printed, int resolution, int dpi)
{
    const auto at = [&](int v) { return int(double(v) * dpi / resolution + 0.5); };
    return QRect(QPoint(at(printed.left()), at(printed.top())),
                 QPoint(at(printed.left() + printed.width()) - 1, at(printed.top() + printed.height()) - 1));
}
