#ifndef RECORDERFEED_H
#define RECORDERFEED_H

#include "Audio/audioworker.h"

#include <QBuffer>

// One notification of the recorder's input carrying `sound`, handled on the
// recording thread before this returns.
inline void feedRecorder(AudioWorker* worker, const QByteArray& sound)
{
    BackgroundRecording* rec = worker->recorder();
    QMetaObject::invokeMethod(
        rec,
        [rec, &sound] {
            QBuffer input;
            input.setData(sound);
            input.open(QIODevice::ReadOnly);
            rec->readFrom(&input);
        },
        Qt::BlockingQueuedConnection);
}

#endif
