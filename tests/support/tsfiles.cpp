#include "tsfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace TsFiles {

namespace {

QString languagesDir()
{
    return QStringLiteral(VQ_SOURCE_DIR "/Resources/Languages");
}

QStringList lines(const QString& path)
{
    QFile f(path);
    QStringList result;
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
        const QString l = line.trimmed();
        if (!l.isEmpty() && !l.startsWith('#'))
            result << l;
    }
    return result;
}

QList<Entry> readFile(const QString& path)
{
    QList<Entry> entries;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {{QString(), QString(), QString(), "unreadable", path}};
    QXmlStreamReader xml(&f);
    QString context;
    Entry e;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            e = Entry{context, QString(), QString(), QString(), path};
        } else if (name == QLatin1String("source")) {
            e.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            e.type = xml.attributes().value("type").toString();
            e.translation = xml.readElementText();
            entries << e;
        }
    }
    if (xml.hasError())
        entries << Entry{QString(), QString(), QString(), "unreadable", path + ": " + xml.errorString()};
    return entries;
}

}

QStringList builtInCodes()
{
    return QString("GB DE FR IT ES CN CZ HU RU SI JP PL PT RO SK SE FI DK NO BG HR KR RS TR UA EN")
        .split(' ');
}

QStringList sources(const QString& code)
{
    const bool english = code == "GB" || code == "EN";
    QDir dir(english ? languagesDir() : languagesDir() + '/' + code);
    QStringList files;
    for (const QString& n : dir.entryList({"*.ts"}, QDir::Files, QDir::Name))
        files << dir.filePath(n);
    return files;
}

QList<Entry> read(const QString& code)
{
    QList<Entry> entries;
    for (const QString& file : sources(code))
        entries << readFile(file);
    return entries;
}

QList<Entry> found(QString* error)
{
    QTemporaryDir tmp;
    const QString out = tmp.filePath("found.ts");
    QProcess p;
    p.start(VQ_SOURCE_DIR "/scripts/update-translations", {"--found", out});
    if (!p.waitForFinished(60000) || p.exitCode() != 0 || !QFile::exists(out)) {
        *error = "update-translations --found failed: " + p.readAllStandardError();
        return {};
    }
    return readFile(out);
}

QSet<QString> sameAsEnglish(const QString& code)
{
    const QStringList list = lines(languagesDir() + '/' + code + "/same-as-english.txt");
    return QSet<QString>(list.begin(), list.end());
}

}
