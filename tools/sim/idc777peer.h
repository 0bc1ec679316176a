#ifndef IDC777PEER_H
#define IDC777PEER_H

#include "idc777module.h"
#include "ptypair.h"

#include <QObject>

// An IDC777 module on a pseudo-terminal: the program opens the slave (linked
// at e.g. <root>/dev/ttyO2) and the module answers on the master.
class Idc777Peer : public QObject
{
    Q_OBJECT
public:
    explicit Idc777Peer(QObject* parent = nullptr);

    // Opens the pair and links the slave at linkPath.
    bool start(const QString& linkPath);
    void stop() { m_pty.close(); }

    Idc777Module& module() { return m_module; }
    // Writes bytes towards the program as the module would.
    void write(const QByteArray& bytes) { m_pty.write(bytes); }

private:
    PtyPair m_pty;
    Idc777Module m_module;
};

#endif
