#include "qmfile.h"

#include <QDataStream>
#include <QFile>
#include <algorithm>

namespace QmFile {

namespace {

// The hash QTranslator looks messages up by (source text + comment).
quint32 elfHash(const QByteArray& text)
{
    quint32 h = 0;
    for (char ch : text) {
        h = (h << 4) + static_cast<uchar>(ch);
        const quint32 g = h & 0xf0000000;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h ? h : 1;
}

enum Tag : quint8 { TagEnd = 1, TagTranslation = 3, TagSourceText = 6, TagContext = 7 };
enum Section : quint8 { Hashes = 0x42, Messages = 0x69 };

void block(QDataStream& out, quint8 section, const QByteArray& data)
{
    out << section << quint32(data.size());
    out.writeRawData(data.constData(), data.size());
}

}

QByteArray build(const QList<Message>& messages)
{
    QByteArray messageData;
    QList<QPair<quint32, quint32>> hashes;
    {
        QDataStream out(&messageData, QIODevice::WriteOnly);
        for (const Message& m : messages) {
            hashes.append({elfHash(m.source), quint32(messageData.size())});
            out << quint8(TagTranslation) << m.translation;  // UTF-16 with length
            out << quint8(TagContext) << quint32(m.context.size());
            out.writeRawData(m.context.constData(), m.context.size());
            out << quint8(TagSourceText) << quint32(m.source.size());
            out.writeRawData(m.source.constData(), m.source.size());
            out << quint8(TagEnd);
        }
    }
    std::sort(hashes.begin(), hashes.end());
    QByteArray hashData;
    {
        QDataStream out(&hashData, QIODevice::WriteOnly);
        for (const auto& h : hashes)
            out << h.first << h.second;
    }

    static const uchar magic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                    0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    QByteArray file(reinterpret_cast<const char*>(magic), sizeof(magic));
    QDataStream out(&file, QIODevice::WriteOnly | QIODevice::Append);
    block(out, Hashes, hashData);
    block(out, Messages, messageData);
    return file;
}

bool write(const QString& path, const QList<Message>& messages)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray data = build(messages);
    return f.write(data) == data.size();
}

}
