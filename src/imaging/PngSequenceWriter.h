#pragma once

#include <QStringList>

#include "imaging/MovieWriter.h"

// A movie as a folder of pictures frame00001.png, frame00002.png, ...; the folder is made
// when it is not there.
class PngSequenceWriter final : public MovieWriter
{
public:
    explicit PngSequenceWriter(QString folder) : m_folder(std::move(folder)) {}

    static QString FrameName(int number); // 1 is the first frame

    ImageStatus Start(QSize frameSize, int framesPerSecond) override;
    ImageStatus Add(const QImage& frame) override;
    ImageStatus Finish() override { return ImageStatus::Success(); }
    void Abandon() override;

private:
    QString m_folder;
    QStringList m_written;
    bool m_madeFolder = false;
};
