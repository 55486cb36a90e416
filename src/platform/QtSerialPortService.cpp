#include "QtSerialPortService.h"

#include "LowLatency.h"

#include <QMetaObject>
#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace pmr {
namespace {

std::string Lower(std::string s) {
    for (auto& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',')
            parts.emplace_back();
        else if (c != ' ')
            parts.back() += c;
    }
    return parts;
}

std::string GroupOf(gid_t gid) {
    // getgrgid_r: the reentrant form, no shared static buffer.
    group g{};
    group* found = nullptr;
    std::vector<char> buf(4096);
    if (getgrgid_r(gid, &g, buf.data(), buf.size(), &found) == 0 && found)
        return found->gr_name;
    return std::to_string(gid);
}

} // namespace

QtSerialPortService::QtSerialPortService(const PortMapping& mapping, QObject* parent)
    : QObject(parent), mapping_(mapping) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialPortService::OnReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPortService::OnError);
}

QtSerialPortService::~QtSerialPortService() {
    listener_ = nullptr;
    ClosePort();
}

bool QtSerialPortService::SetHandshaking(int code) {
    if (code < kHandshakeNone || code > kHandshakeRtsCtsXonXoff)
        return false;
    handshaking_ = code;
    if (port_.isOpen())
        return ApplySettings();
    return true;
}

bool QtSerialPortService::SetSettings(const std::string& settings) {
    const auto parts = SplitCommas(settings);
    if (parts.size() != 4)
        return false;
    int baud = 0;
    try {
        std::size_t used = 0;
        baud = std::stoi(parts[0], &used);
        if (used != parts[0].size() || baud <= 0)
            return false;
    } catch (...) {
        return false;
    }
    QSerialPort::Parity parity;
    const std::string p = Lower(parts[1]);
    if (p == "n")
        parity = QSerialPort::NoParity;
    else if (p == "e")
        parity = QSerialPort::EvenParity;
    else if (p == "o")
        parity = QSerialPort::OddParity;
    else if (p == "m")
        parity = QSerialPort::MarkParity;
    else if (p == "s")
        parity = QSerialPort::SpaceParity;
    else
        return false;
    QSerialPort::DataBits data;
    if (parts[2] == "5")
        data = QSerialPort::Data5;
    else if (parts[2] == "6")
        data = QSerialPort::Data6;
    else if (parts[2] == "7")
        data = QSerialPort::Data7;
    else if (parts[2] == "8")
        data = QSerialPort::Data8;
    else
        return false;
    QSerialPort::StopBits stop;
    if (parts[3] == "1")
        stop = QSerialPort::OneStop;
    else if (parts[3] == "1.5")
        stop = QSerialPort::OneAndHalfStop;
    else if (parts[3] == "2")
        stop = QSerialPort::TwoStop;
    else
        return false;
    baud_ = baud;
    parity_ = parity;
    dataBits_ = data;
    stopBits_ = stop;
    if (port_.isOpen())
        return ApplySettings();
    return true;
}

void QtSerialPortService::SetRThreshold(int threshold) {
    threshold_ = threshold < 0 ? 0 : threshold;
    // Bytes already held may reach a lowered threshold: deliver them from the
    // event loop, never from inside this call.
    if (threshold_ > 0 && static_cast<int>(received_.size()) >= threshold_ && !deliveryQueued_) {
        deliveryQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                deliveryQueued_ = false;
                DeliverIfDue();
            },
            Qt::QueuedConnection);
    }
}

bool QtSerialPortService::ApplySettings() {
    bool ok = port_.setBaudRate(baud_) && port_.setParity(parity_) &&
              port_.setDataBits(dataBits_) && port_.setStopBits(stopBits_);
    // The radio's replies are binary and hold 11 and 13 (XON and XOFF) as data:
    // software flow control would swallow them. Codes 1 and 3 therefore keep
    // only what they have besides it (none, or RTS/CTS).
    const QSerialPort::FlowControl flow = handshaking_ >= kHandshakeRtsCts
                                              ? QSerialPort::HardwareControl
                                              : QSerialPort::NoFlowControl;
    ok = port_.setFlowControl(flow) && ok;
    ApplyHandle();
    return ok;
}

void QtSerialPortService::ApplyHandle() {
    const int fd = static_cast<int>(port_.handle());
    if (fd < 0)
        return;
    // Whatever opened the device before may have left XON/XOFF on.
    termios t{};
    if (tcgetattr(fd, &t) == 0 && (t.c_iflag & (IXON | IXOFF | IXANY))) {
        t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
        tcsetattr(fd, TCSANOW, &t);
    }
    // A refusal (pseudo-terminals, adapters without the mode) costs only speed.
    AskLowLatency(fd);
}

PortOpenResult QtSerialPortService::OpenPort() {
    ClosePort();
    PortOpenResult result;
    device_ = mapping_.DeviceFor(commPort_);
    result.device = device_;
    if (device_.empty()) {
        result.error = PortOpenError::NoSuchDevice;
        result.detail = "COM" + std::to_string(commPort_) + " is not mapped to any device";
        lastEvent_ = kCommEventNone;
        return result;
    }
    struct stat st {};
    if (::stat(device_.c_str(), &st) != 0) {
        result.error = PortOpenError::NoSuchDevice;
        result.detail = device_ + ": " + std::strerror(errno);
        return result;
    }
    if (::access(device_.c_str(), R_OK | W_OK) != 0) {
        // Kept before the group look-up, which may change errno ("Success").
        const int reason = errno;
        result.error = reason == EACCES ? PortOpenError::PermissionDenied : PortOpenError::Other;
        result.group = GroupOf(st.st_gid);
        result.detail = device_ + ": " + std::strerror(reason);
        return result;
    }
    port_.setPortName(QString::fromStdString(device_));
    received_.clear();
    lastEvent_ = kCommEventNone;
    if (!port_.open(QIODevice::ReadWrite)) {
        switch (port_.error()) {
        case QSerialPort::DeviceNotFoundError:
            result.error = PortOpenError::NoSuchDevice;
            break;
        case QSerialPort::PermissionError:
            // Access was checked above, so the device is held elsewhere.
            result.error = PortOpenError::Busy;
            break;
        default:
            result.error = PortOpenError::Other;
            break;
        }
        result.detail = device_ + ": " + port_.errorString().toStdString();
        port_.clearError();
        return result;
    }
    if (!ApplySettings()) {
        result.error = PortOpenError::BadSettings;
        result.detail = device_ + ": " + port_.errorString().toStdString();
        port_.clearError();
        port_.close();
        return result;
    }
    port_.clear(QSerialPort::AllDirections);
    return result;
}

void QtSerialPortService::ClosePort() {
    if (port_.isOpen())
        port_.close();
    received_.clear();
}

void QtSerialPortService::DiscardOutput() {
    if (port_.isOpen())
        port_.clear(QSerialPort::Output);
}

void QtSerialPortService::DiscardInput() {
    if (port_.isOpen())
        port_.clear(QSerialPort::Input);
    received_.clear();
}

bool QtSerialPortService::Output(const std::vector<std::uint8_t>& bytes) {
    if (!port_.isOpen())
        return false;
    const qint64 n =
        port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (n != static_cast<qint64>(bytes.size()))
        return false;
    // Hand the bytes to the system now rather than at the next event-loop turn:
    // the radio's reply time starts when the request is on the wire.
    port_.flush();
    return true;
}

std::vector<std::uint8_t> QtSerialPortService::Input() {
    std::vector<std::uint8_t> all;
    all.swap(received_);
    return all;
}

void QtSerialPortService::OnReadyRead() {
    const QByteArray data = port_.readAll();
    received_.insert(received_.end(), data.begin(), data.end());
    DeliverIfDue();
}

void QtSerialPortService::DeliverIfDue() {
    if (delivering_)
        return; // the running listener's loop picks the bytes up after it returns
    delivering_ = true;
    while (threshold_ > 0 && static_cast<int>(received_.size()) >= threshold_ && listener_) {
        lastEvent_ = kCommEventReceive;
        const std::size_t before = received_.size();
        listener_();
        if (received_.size() >= before)
            break; // the listener took nothing; wait for more bytes
    }
    delivering_ = false;
}

void QtSerialPortService::OnError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || !port_.isOpen())
        return;
    if (error == QSerialPort::ResourceError || error == QSerialPort::PermissionError) {
        // The device went away (adapter pulled, the far end of a pseudo-terminal
        // closed): close it so nothing spins on a dead handle, and say so once.
        port_.clearError();
        port_.close();
        received_.clear();
        lastEvent_ = kCommEventPortFailed;
        if (listener_ && !delivering_)
            listener_();
    }
}

} // namespace pmr
