#ifndef SIMMODULESTATE_H
#define SIMMODULESTATE_H

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// What a simulated Bluetooth module keeps over a power loss: its settings
// ("<key>=<value>" lines) and paired devices ("PAIRED=<address>" lines).
namespace SimModuleState {

// Reads the file (a unit path below `root`) over the values already in
// `settings` (the factory ones).
bool load(const QString& root, const QString& unitPath, QMap<QString, QString>* settings, QStringList* paired);
bool save(const QString& root, const QString& unitPath, const QMap<QString, QString>& settings,
          const QStringList& paired);

}

// Scripted answers of a simulated module: a command (matched exactly, or by
// its first words followed by a blank) gets these lines instead of its own;
// an empty list is silence.
class SimScriptedAnswers
{
public:
    void set(const QString& command, const QStringList& lines);
    void clear() { m_scripts.clear(); }
    // True when a script answers the command; its lines in *lines.
    bool find(const QString& command, QStringList* lines) const;

private:
    QList<QPair<QString, QStringList>> m_scripts;
};

#endif
