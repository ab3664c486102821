#include <algorithm>

#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>

#include "shell/SerialPortProber.h"

namespace glyphsmith {

namespace {

// The engine's text for a port: COM1 to COM16 for /dev/ttyS0 to ttyS15.
QString portText(const QSerialPortInfo &info) {
    static const QRegularExpression ttyS(QStringLiteral("^ttyS(\\d+)$"));
    const auto m = ttyS.match(info.portName());
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n < PortProber::kMaxPorts) {
            return QStringLiteral("COM%1").arg(n + 1);
        }
    }
    return info.systemLocation();
}

}  // namespace

QStringList SerialPortProber::openablePorts() {
    QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    std::sort(ports.begin(), ports.end(), [](const QSerialPortInfo &a, const QSerialPortInfo &b) {
        // ttyS ports first in their number order, then the rest by name
        const bool as = a.portName().startsWith(QLatin1String("ttyS"));
        const bool bs = b.portName().startsWith(QLatin1String("ttyS"));
        if (as != bs) {
            return as;
        }
        if (as && a.portName().size() != b.portName().size()) {
            return a.portName().size() < b.portName().size();
        }
        return a.portName() < b.portName();
    });
    QStringList found;
    for (const QSerialPortInfo &info : ports) {
        if (found.size() >= kMaxPorts) {
            break;
        }
        QSerialPort port(info);
        if (!port.open(QIODevice::ReadWrite)) {
            continue;
        }
        if (port.setDataTerminalReady(true)) {
            found << portText(info);
        }
        port.close();
    }
    return found;
}

}  // namespace glyphsmith
