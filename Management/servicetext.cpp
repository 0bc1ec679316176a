#include "servicetext.h"
#include "Hardware/devicelayer.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextCodec>

namespace ServiceText {

const char* const kMissing = "---";

QString shown(const QString& text)
{
    static const QRegularExpression lineEnd("[\r\n]");
    const QString line = text.section(lineEnd, 0, 0).trimmed().left(kMaxChars);
    if (line.isEmpty())
        return kMissing;
    for (const QChar c : line) {
        if (!c.isPrint() || c == QChar::ReplacementCharacter)
            return kMissing;
    }
    return line;
}

QString shown(const QByteArray& bytes)
{
    QTextCodec::ConverterState state;
    const QString text =
        QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return shown(text);
}

QString fileLine(const char* unitPath)
{
    QFile file(DeviceLayer::path(unitPath));
    if (!file.open(QIODevice::ReadOnly))
        return kMissing;
    // Room for kMaxChars characters of up to four bytes and a line end.
    return shown(file.read(kMaxChars * 4 + 2));
}

QString mountLine(const QByteArray& dfOutput, const QString& mountPoint)
{
    static const QRegularExpression blanks("\\s+");
    const QStringList lines = QString::fromUtf8(dfOutput).split('\n');
    for (const QString& line : lines) {
        const QStringList columns = line.split(blanks, Qt::SkipEmptyParts);
        if (columns.size() > 1 && columns.last() == mountPoint)
            return shown(columns.join(' '));
    }
    return kMissing;
}

}
