#pragma once

#include <vector>

#include "app/DrawingDocument.h"

// A drawing the shell can create, open and save before the full drawing model is plugged
// in: it understands the file's header (size, sections, colours) and carries the glob and
// colour-change lists through unchanged, so a file survives open and save byte for byte.
class BasicDrawingDocument final : public DrawingDocument
{
public:
    static constexpr int kMinSize = 100;
    static constexpr int kMaxSize = 2048;
    static constexpr int kMaxSections = 10;

    void InitNew(QSize size) override;
    QSize Size() const override { return m_size; }
    RgbColor BackgroundColor() const override { return m_background; }
    int GlobCount() const override { return 0; }
    int ColorChangeCount() const override { return 0; }

    QByteArray Write() const override;
    ReadStatus Read(const QByteArray& bytes) override;

    int PrintSize() const { return m_printSize; }

private:
    QSize m_size{kMinSize, kMinSize};
    int m_sectionBase = 0;
    std::vector<qint32> m_sections;
    RgbColor m_background = 0;
    qint32 m_printSize = 100;
    QByteArray m_lists; // glob list, colour-change list and the background part, as read
};
