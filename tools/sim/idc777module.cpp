#include "idc777module.h"

namespace {

const char* const kBanner = "IOT747 Bluetooth Audio Module";
const char* const kFirmware = "AudioAgent 7.2.1";

}

Idc777Module::Idc777Module()
{
    // Factory settings: a module nobody has set up yet.
    m_factory = {
        {"PROFILES", "OFF 0 0 0 0 0 0 0"},
        {"AUTOCONN", "0 0"},
        {"BATT_CONFIG", "OFF OFF OFF OFF 3000 4200 10 350 45 0 OFF"},
        {"GPIO_CONFIG", "0 OFF 0000"},
        {"COD", "000000"},
        {"NAME", "IDC777"},
        {"BT_CONFIG", "0 0 0"},
        {"AUDIO_ANALOG", "0 0 0 OFF"},
        {"HFP_CONFIG", "OFF OFF OFF OFF 0 OFF OFF OFF OFF"},
    };
    m_stored = m_running = m_factory;
}

void Idc777Module::setValue(const QString& key, const QString& value)
{
    m_running.insert(key, value);
    m_stored.insert(key, value);
}

void Idc777Module::removeValue(const QString& key)
{
    m_running.remove(key);
    m_stored.remove(key);
}

void Idc777Module::setAnswer(const QString& command, const QStringList& answerLines)
{
    for (auto& s : m_scripts) {
        if (s.first == command) {
            s.second = answerLines;
            return;
        }
    }
    m_scripts.append({command, answerLines});
}

void Idc777Module::clearRecords()
{
    m_received.clear();
    m_commands.clear();
    m_sent.clear();
}

QByteArray Idc777Module::powerOn()
{
    return restart();
}

QByteArray Idc777Module::receive(const QByteArray& bytes)
{
    m_received.append(bytes);
    m_input.append(bytes);
    QByteArray out;
    int end;
    while ((end = m_input.indexOf('\r')) >= 0) {
        QString command = QString::fromLatin1(m_input.left(end));
        m_input.remove(0, end + 1);
        // An LF is left over from the line before ("SEND ...\n\r").
        while (command.startsWith('\n'))
            command.remove(0, 1);
        if (command.isEmpty())
            continue;
        m_commands.append(command);
        out.append(answer(command));
    }
    return out;
}

QByteArray Idc777Module::lines(const QStringList& answerLines) const
{
    QByteArray out;
    for (const QString& l : answerLines)
        out.append(l.toUtf8() + m_lineEnd);
    return out;
}

QByteArray Idc777Module::restart()
{
    m_running = m_stored;
    return lines({kBanner, kFirmware, "Ready"});
}

QByteArray Idc777Module::answer(const QString& command)
{
    for (const auto& s : m_scripts) {
        if (command == s.first || command.startsWith(s.first + ' '))
            return lines(s.second);
    }

    const QString word = command.section(' ', 0, 0);
    const QString rest = command.section(' ', 1);
    if (word == "AT" || word.startsWith("AT+"))
        return lines({"OK"});
    if (word == "GET") {
        if (rest == "LOCAL_ADDR")
            return lines({"LOCAL_ADDR=" + m_localAddress, "OK"});
        if (!m_running.contains(rest))
            return lines({"ERROR 0x001A"});
        return lines({rest + '=' + m_running.value(rest), "OK"});
    }
    if (word == "SET") {
        const int eq = rest.indexOf('=');
        if (eq <= 0)
            return lines({"ERROR 0x0013"});
        m_running.insert(rest.left(eq), rest.mid(eq + 1));
        return lines({"OK"});
    }
    if (word == "WRITE") {
        m_stored = m_running;
        return lines({"OK"});
    }
    if (word == "RESET")
        return restart();
    if (word == "RESTORE") {
        m_stored = m_factory;
        m_paired.clear();
        return restart();
    }
    if (word == "UNPAIR") {
        m_paired.clear();
        return lines({"OK"});
    }
    if (word == "SEND") {
        // "SEND <link> <line>\n": the accessory line without its LF.
        QString message = command.section(' ', 2);
        while (message.endsWith('\n'))
            message.chop(1);
        m_sent.append(message);
        return lines({"OK"});
    }
    if (word == "LIST") {
        QStringList out;
        for (const QString& a : m_paired)
            out << "LIST BR/EDR " + a;
        out << "OK";
        return lines(out);
    }
    if (word == "STATUS")
        return lines({"STATE CONNECTABLE[ON] DISCOVERABLE[OFF] SECURITY[ON]", "OK"});
    if (word == "VOLUME" || command == "CLOSE ALL")
        return lines({"OK"});
    return lines({"ERROR 0x0012"});
}
