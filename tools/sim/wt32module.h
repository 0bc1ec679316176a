#ifndef WT32MODULE_H
#define WT32MODULE_H

#include "simmodulestate.h"
#include "simremote.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

// A stand-in for a WT32 Bluetooth module: bytes from the unit in, the
// module's answer bytes out. In command mode each line (ended by LF) is a
// command; the module answers in lines ended by CR LF and ignores empty
// lines. In data mode the bytes go to the accessory behind the selected
// RFCOMM link, and the accessory's lines come back raw. The module enters
// data mode by itself once an RFCOMM call connects ("CONNECT n RFCOMM") and
// after "SELECT n" (bytes right after it are data); a DTR rise takes it back.
//
// It keeps its settings ("SET <group> <key> <value>", listed by "SET",
// persistent), its own address ("SET BT BDADDR"), a paired list ("PAIR",
// "SET BT PAIR *"), calls its paired devices while AUTOCALL is set, opens and
// closes links ("CALL", "KILL", "CLOSE", "LIST"), searches ("INQUIRY"),
// restarts ("RESET", "SET RESET": banner, then "READY."), speaks AVRCP and
// the hands-free gateway towards a headset, and answers "AT". Any command
// can be given a scripted answer or none at all; every received byte,
// command and data line is recorded.
class Wt32Module
{
public:
    static const char* const kBanner;  // the start banner, version in parentheses

    // What goes wrong, switched on by a test.
    enum class Failure {
        DataModeLineHigh,  // the data-mode output reads 1 whatever the mode
        DataModeLineLow,   // the data-mode output reads 0 whatever the mode
    };
    void setFailure(Failure failure, bool on = true);
    bool hasFailure(Failure failure) const { return m_failures & bit(failure); }

    Wt32Module();

    // Bytes written by the unit; returns the module's answer bytes.
    QByteArray receive(const QByteArray& bytes);
    // A rising edge on the DTR input: back to command mode.
    QByteArray dtrRise();
    bool isDataMode() const { return m_dataMode; }
    // The data-mode output as the unit reads it.
    bool dataModeLine() const;

    // While AUTOCALL is set and no A2DP link stands: calls the first paired
    // device in reach (the events of the new links), else nothing.
    QByteArray autocall();
    bool isAutocallOn() const { return !m_settings.value("CONTROL AUTOCALL").isEmpty(); }

    QString setting(const QString& key) const { return m_settings.value(key); }
    void setSetting(const QString& key, const QString& value) { m_settings.insert(key, value); }
    QString localAddress() const { return m_localAddress; }
    void setLocalAddress(const QString& address) { m_localAddress = address; }
    QStringList pairedDevices() const { return m_paired; }
    void setPairedDevices(const QStringList& addresses) { m_paired = addresses; }

    // Settings and paired list survive in a file when one is set; saved on
    // every change.
    void setStateFile(const QString& path) { m_stateFile = path; }
    bool loadState();
    bool saveState() const;

    void addRemote(const SimRemote& remote) { m_remotes.append(remote); }
    QList<SimRemote>& remotes() { return m_remotes; }
    // Open links, "<id> <profile> <address>".
    QStringList openLinks() const;

    // Events the module prints by itself; empty when there is nothing to say.
    QByteArray accessoryLines(const QStringList& lines);  // raw in data mode, held in command mode
    QByteArray headsetVolumeChanged();                    // AVRCP ... VOLUME_CHANGED
    QByteArray headsetBattery();                          // over the hands-free link
    // Drops the links of one profile ("SPP" and "AGHFP" name RFCOMM and
    // HFP-AG), or every link for an empty profile.
    QByteArray linkLoss(const QString& profile);

    void setLineEnd(const QByteArray& lineEnd) { m_lineEnd = lineEnd; }
    // Answers a command (matched exactly, or by its first words followed by
    // a blank) with these lines instead of its own. An empty list: silence.
    void setAnswer(const QString& command, const QStringList& lines);
    void setSilent(const QString& command) { setAnswer(command, QStringList()); }
    void clearAnswers() { m_scripts.clear(); }

    // Every line in ("<-" command, "<=" data), out ("->" module, "=>"
    // accessory) and each mode change ("--").
    void setLogger(std::function<void(const QString& direction, const QString& line)> logger)
    {
        m_logger = std::move(logger);
    }

    QByteArray received() const { return m_received; }
    QStringList commands() const { return m_commands; }
    int count(const QString& command) const { return m_commands.count(command); }
    // Lines handed to the accessory in data mode.
    QStringList dataLines() const { return m_dataLines; }
    void clearRecords();

private:
    struct Link {
        int id;
        QString profile;  // "A2DP", "AVRCP", "RFCOMM", "HFP-AG"
        QString address;
    };

    QByteArray command(const QString& line);
    QByteArray toAccessory(const QString& line);
    QByteArray lines(const QStringList& out) const;
    QByteArray raw(const QStringList& accessoryOut) const;
    QByteArray restart();
    QByteArray set(const QString& rest);
    QByteArray call(const QString& address, const QString& profile);
    QByteArray connectAudio(const SimRemote& remote);
    QByteArray closeLinks(const QList<int>& ids, const QString& reason);
    QByteArray avrcp(const QString& rest);
    QByteArray inquiry() const;
    QByteArray enterDataMode(int linkId);
    void leaveDataMode(const char* why);
    SimRemote* remote(const QString& address);
    static bool accepts(const SimRemote& remote, const QString& profile);
    const Link* link(const QString& profile) const;
    const Link* linkById(int id) const;
    int freeLinkId() const;
    int headsetPercent(const SimRemote& r) const;
    void log(const QString& direction, const QString& text) const;
    static unsigned bit(Failure failure) { return 1u << unsigned(failure); }

    QMap<QString, QString> m_settings;
    QMap<QString, QString> m_factory;
    QString m_localAddress = "0007804A0001";
    QStringList m_paired;
    QString m_stateFile;
    QList<SimRemote> m_remotes;
    QList<Link> m_links;
    bool m_dataMode = false;
    int m_dataLink = -1;
    unsigned m_failures = 0;
    QStringList m_heldAccessoryLines;  // arrived in command mode
    QByteArray m_lineEnd = "\r\n";
    SimScriptedAnswers m_scripts;
    std::function<void(const QString&, const QString&)> m_logger;

    QByteArray m_input;
    QByteArray m_received;
    QStringList m_commands;
    QStringList m_dataLines;
};

#endif
