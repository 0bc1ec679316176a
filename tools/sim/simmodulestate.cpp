#include "simmodulestate.h"

#include "devicetree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SimModuleState {

bool load(const QString& root, const QString& unitPath, QMap<QString, QString>* settings, QStringList* paired)
{
    QFile f(root + unitPath);
    if (unitPath.isEmpty() || !f.open(QIODevice::ReadOnly))
        return false;
    paired->clear();
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        if (line.left(eq) == "PAIRED")
            paired->append(line.mid(eq + 1));
        else
            settings->insert(line.left(eq), line.mid(eq + 1));
    }
    return true;
}

bool save(const QString& root, const QString& unitPath, const QMap<QString, QString>& settings,
          const QStringList& paired)
{
    if (unitPath.isEmpty())
        return false;
    QByteArray text;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        text += (it.key() + '=' + it.value() + '\n').toUtf8();
    for (const QString& a : paired)
        text += ("PAIRED=" + a + '\n').toUtf8();
    return DeviceTree::replaceFile(root, unitPath, text);
}

}

void SimScriptedAnswers::set(const QString& command, const QStringList& lines)
{
    for (auto& s : m_scripts) {
        if (s.first == command) {
            s.second = lines;
            return;
        }
    }
    m_scripts.append({command, lines});
}

bool SimScriptedAnswers::find(const QString& command, QStringList* lines) const
{
    for (const auto& s : m_scripts) {
        if (command == s.first || command.startsWith(s.first + ' ')) {
            *lines = s.second;
            return true;
        }
    }
    return false;
}
